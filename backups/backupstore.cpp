#include "backups/backupstore.h"

#include "backups/backuplisting.h"
#include "obdata/generation.h"
#include "platform/fileio.h"
#include "platform/filereplacement.h"
#include "platform/filesystem.h"

#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace quorvant {
namespace {

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

// One file reached by two spellings of its path is still one file of the session.
fs::path SessionKey(const fs::path& file) {
    std::error_code ec;
    fs::path key = fs::weakly_canonical(fs::absolute(file, ec), ec);
    return ec ? file.lexically_normal() : key;
}

// The folders a backup needs, made when missing and removed again unless the backup was kept, so a
// failed one leaves the profile as it was.
class FoldersForBackup {
  public:
    FoldersForBackup() = default;
    FoldersForBackup(const FoldersForBackup&) = delete;
    FoldersForBackup& operator=(const FoldersForBackup&) = delete;
    ~FoldersForBackup() {
        std::string ignored;
        for (const fs::path& folder : made_) Files().Remove(folder, ignored);
    }

    bool Create(const fs::path& folder, std::string& error) {
        for (fs::path at = folder; !at.empty() && !Exists(at); at = at.parent_path()) {
            made_.push_back(at); // innermost first, the order they are removed in
            if (at == at.parent_path()) break;
        }
        return CreateFolders(folder, error);
    }
    void Keep() { made_.clear(); }

  private:
    std::vector<fs::path> made_;
};

fs::path FreeName(const fs::path& folder, const BackupMoment& moment) {
    int sequence = 1;
    while (Exists(folder / BackupName(moment, sequence))) ++sequence;
    return folder / BackupName(moment, sequence);
}

} // namespace

BackupStore::BackupStore(fs::path root, Clock clock) : root_(std::move(root)), clock_(std::move(clock)) {}

bool BackupStore::Kept(const fs::path& file) const {
    return kept_.count(SessionKey(file)) != 0;
}

bool BackupStore::KeepBackup(int generation, const fs::path& file, int keep, std::string& error) {
    lastBackup_.clear();
    const fs::path key = SessionKey(file);
    if (kept_.count(key)) return true;
    const std::string fileName = file.filename().string();
    const fs::path folder = BackupFolder(root_, generation, fileName);
    if (folder.empty()) {
        error = file.string() + " cannot be backed up: " +
                (IsValidGeneration(generation) ? "it is not a file name" : "its game generation is unknown");
        return false;
    }
    std::error_code ec;
    const fs::file_type type = fs::status(file, ec).type();
    if (type == fs::file_type::not_found) {
        // Written for the first time: there is nothing to lose, now or later in the session.
        kept_.insert(key);
        return true;
    }
    if (type != fs::file_type::regular) {
        error =
            file.string() + " cannot be backed up: " +
            (type == fs::file_type::directory ? "it is a folder, not a file" : "it is not a regular file");
        return false;
    }
    std::string why;
    if (!Copy(file, folder, why)) {
        error = file.string() + " cannot be backed up: " + why;
        return false;
    }
    kept_.insert(key);
    Prune(generation, fileName, keep);
    return true;
}

bool BackupStore::Copy(const fs::path& file, const fs::path& folder, std::string& error) {
    FileSystem& files = Files();
    std::string why;
    std::optional<std::vector<std::uint8_t>> bytes = files.Read(file, why);
    if (!bytes) {
        error = "it cannot be read: " + why;
        return false;
    }
    FoldersForBackup folders; // outlives copy, whose temporary file must go first
    if (!folders.Create(folder, error)) return false;
    const fs::path target = FreeName(folder, clock_());
    NewFile copy;
    if (!copy.Create(target, error) || !copy.Write(bytes->data(), bytes->size(), error) ||
        !copy.Finish(error))
        return false;
    if (!files.CopyTimeStamp(file, copy.path(), why)) {
        error = target.string() + " cannot be given the file's time stamp: " + why;
        return false;
    }
    if (!files.Rename(copy.path(), target, why)) {
        error = target.string() + " cannot be written: " + why;
        return false;
    }
    copy.Release();
    folders.Keep();
    lastBackup_ = target;
    return true;
}

// A backup that cannot be removed now is no reason to stop the save: the file itself is safe, and
// the next backup of it removes what is still too much.
void BackupStore::Prune(int generation, const std::string& fileName, int keep) {
    const std::size_t limit = static_cast<std::size_t>(std::max(keep, 1));
    std::size_t kept = 1; // the new one stays, even when a wrong clock made older ones look newer
    std::string ignored;
    for (const BackupEntry& entry : ListBackups(root_, generation, fileName)) {
        if (entry.path == lastBackup_) continue;
        if (kept < limit)
            ++kept;
        else
            Files().Remove(entry.path, ignored);
    }
}

} // namespace quorvant
