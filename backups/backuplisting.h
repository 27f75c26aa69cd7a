#pragma once

// The backups kept of one file, as the editor's Options and obtool show them.

#include "backups/backupname.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quorvant {

struct BackupEntry {
    BackupNameParts name;
    std::uintmax_t size = 0;
    std::filesystem::path path;

    // When the backup was made, "2026-12-10 10:42:07".
    std::string date() const { return DisplayDate(name.moment); }
};

// A name a file can be kept under: not empty, not "." or "..", no folder separator.
bool IsBackupFileName(const std::string& fileName);

// root/BW1/OBPZ: where the backups of the file of that name and generation live. Empty for a
// generation that is none or a name that IsBackupFileName refuses.
std::filesystem::path BackupFolder(const std::filesystem::path& root, int generation,
                                   const std::string& fileName);

// The backups of a file, newest first. Entries of the folder that are not backups (temporary
// files, links, anything named otherwise) are left out; a missing folder holds none.
std::vector<BackupEntry> ListBackups(const std::filesystem::path& root, int generation,
                                     const std::string& fileName);

} // namespace quorvant
