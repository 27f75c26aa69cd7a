#pragma once

// Keeps a file as it was before the editor first writes over it in a session: a copy, byte for byte
// and with its modification time, in the profile's backup folder, of which the newest few are kept.

#include "backups/backupname.h"

#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace quorvant {

class BackupStore {
  public:
    using Clock = std::function<BackupMoment()>;

    // root: the profile's backup folder (BackupRoot). clock: when a backup is made.
    explicit BackupStore(std::filesystem::path root, Clock clock = CurrentLocalMoment);

    // Before file is written over: the first call of the session for a file copies it to
    // root/<BW1|BW2|BW3>/<file name>/<date-time> and then removes all but the newest keep backups
    // of it (at least the new one stays). Later calls for the same file, and a file that does not
    // exist yet, keep nothing and succeed. False, with a reason that names the file and what went
    // wrong, when the copy could not be made: nothing of it is left, and the next call tries again.
    // An older backup that cannot be removed stays until a later backup removes it.
    bool KeepBackup(int generation, const std::filesystem::path& file, int keep, std::string& error);

    // Whether this session has already kept file, or found that it needed no backup.
    bool Kept(const std::filesystem::path& file) const;
    // The copy the last KeepBackup made; empty when it made none.
    const std::filesystem::path& lastBackup() const { return lastBackup_; }
    const std::filesystem::path& root() const { return root_; }

  private:
    bool Copy(const std::filesystem::path& file, const std::filesystem::path& folder, std::string& error);
    void Prune(int generation, const std::string& fileName, int keep);

    std::filesystem::path root_;
    Clock clock_;
    std::set<std::filesystem::path> kept_;
    std::filesystem::path lastBackup_;
};

} // namespace quorvant
