#include "backups/backuplisting.h"

#include "obdata/generation.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {

bool IsBackupFileName(const std::string& fileName) {
    if (fileName.empty() || fileName == "." || fileName == "..") return false;
    return fileName.find_first_of("/\\") == std::string::npos;
}

fs::path BackupFolder(const fs::path& root, int generation, const std::string& fileName) {
    if (!IsValidGeneration(generation) || !IsBackupFileName(fileName)) return {};
    return root / GenerationLabel(generation) / fileName;
}

std::vector<BackupEntry> ListBackups(const fs::path& root, int generation, const std::string& fileName) {
    std::vector<BackupEntry> entries;
    const fs::path folder = BackupFolder(root, generation, fileName);
    if (folder.empty()) return entries;
    std::error_code ec;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        std::optional<BackupNameParts> name = ParseBackupName(it->path().filename().string());
        std::error_code typeEc;
        if (!name || it->symlink_status(typeEc).type() != fs::file_type::regular) continue;
        std::uintmax_t size = it->file_size(typeEc);
        if (typeEc) continue; // gone since the listing began
        entries.push_back({*name, size, it->path()});
    }
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        if (a.name.moment != b.name.moment) return a.name.moment > b.name.moment;
        return a.name.sequence > b.name.sequence;
    });
    return entries;
}

} // namespace quorvant
