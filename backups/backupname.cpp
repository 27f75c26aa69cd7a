#include "backups/backupname.h"

#include <cstdio>
#include <ctime>

namespace quorvant {
namespace {

// Reads exactly count digits at text[at...]; -1 when one is not a digit.
int Digits(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string Format(const BackupMoment& m, const char* pattern) {
    char text[80];
    std::snprintf(text, sizeof text, pattern, m.year, m.month, m.day, m.hour, m.minute, m.second);
    return text;
}

} // namespace

BackupMoment LocalMoment(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

BackupMoment CurrentLocalMoment() {
    return LocalMoment(std::chrono::system_clock::now());
}

std::string BackupName(const BackupMoment& moment, int sequence) {
    std::string name = Format(moment, "%04d-%02d-%02d_%02d-%02d-%02d");
    if (sequence > 1) {
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "-" + text.
        name += '-';
        name += std::to_string(sequence);
    }
    return name;
}

std::optional<BackupNameParts> ParseBackupName(std::string_view name) {
    constexpr std::string_view kShape = "0000-00-00_00-00-00";
    if (name.size() < kShape.size()) return std::nullopt;
    for (std::size_t i = 0; i < kShape.size(); ++i)
        if (kShape[i] != '0' && name[i] != kShape[i]) return std::nullopt;
    BackupNameParts parts;
    BackupMoment& m = parts.moment;
    m = {Digits(name, 0, 4),  Digits(name, 5, 2),  Digits(name, 8, 2),
         Digits(name, 11, 2), Digits(name, 14, 2), Digits(name, 17, 2)};
    if (m.year < 0 || m.month < 1 || m.month > 12 || m.day < 1 || m.day > 31 || m.hour < 0 || m.hour > 23 ||
        m.minute < 0 || m.minute > 59 || m.second < 0 || m.second > 60)
        return std::nullopt;
    std::string_view rest = name.substr(kShape.size());
    if (rest.empty()) return parts;
    // "-N" with N from 2, written without leading zeros, as BackupName writes it.
    if (rest.size() < 2 || rest.size() > 10 || rest[0] != '-' || rest[1] == '0') return std::nullopt;
    parts.sequence = Digits(rest, 1, rest.size() - 1);
    if (parts.sequence < 2) return std::nullopt;
    return parts;
}

std::string DisplayDate(const BackupMoment& moment) {
    return Format(moment, "%04d-%02d-%02d %02d:%02d:%02d");
}

} // namespace quorvant
