#pragma once

#include "backups/backupstore.h"

#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace quorvant {

// What the editor runs before it writes over an OB file: a backup first, unless backups are off or
// the user chose, after a backup failed, to write that file once without one.
class BackupGuard {
  public:
    // keep: how many backups of each file to keep now, 0 for none (the user may change it any time).
    BackupGuard(BackupStore& store, std::function<int()> keep);

    // False, with the reason, when the backup could not be made: the write must not go ahead.
    bool BeforeOverwrite(const std::filesystem::path& path, int generation, std::string& error);
    // Whether the last refusal was for path, so the user can be offered to write it without one.
    bool Refused(const std::filesystem::path& path) const;
    // The next write over path goes ahead without a backup, once.
    void AllowOnceWithout(const std::filesystem::path& path);

  private:
    BackupStore& store_;
    std::function<int()> keep_;
    std::filesystem::path refused_;
    std::set<std::filesystem::path> allowed_;
};

} // namespace quorvant
