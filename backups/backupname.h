#pragma once

// The name of one backup: the local date and time it was made, "2026-12-10_10-42-07", with "-2",
// "-3", ... for further backups of the same file in the same second. Names sort by their moment,
// then by that number.

#include <chrono>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

struct BackupMoment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    auto operator<=>(const BackupMoment&) const = default;
};

// The local time of when, to the second.
BackupMoment LocalMoment(std::chrono::system_clock::time_point when);
BackupMoment CurrentLocalMoment();

// sequence 1 is the first backup of its second and carries no number.
std::string BackupName(const BackupMoment& moment, int sequence);

struct BackupNameParts {
    BackupMoment moment;
    int sequence = 1;
};
// Nothing for a name this program would not have given a backup (a temporary file, anything else).
std::optional<BackupNameParts> ParseBackupName(std::string_view name);

// "2026-12-10 10:42:07".
std::string DisplayDate(const BackupMoment& moment);

} // namespace quorvant
