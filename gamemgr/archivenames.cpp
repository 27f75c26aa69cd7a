#include "gamemgr/archivenames.h"

#include "gamemgr/slotdescription.h"
#include "platform/pathresolve.h"

#include <cstdio>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {

std::string ArchiveFileName(const GameMode& mode, int number) {
    char name[32];
    std::snprintf(name, sizeof name, mode.UsesSaveNames() ? "Save%03d.zip" : "Email%d.zip", number);
    return name;
}

int LastArchiveSlot(const GameMode& mode) {
    return mode.NumberingBase() + kArchiveNumbers - 1;
}

int ArchiveRowCount(const GameMode& mode) {
    return LastArchiveSlot(mode) - mode.FirstRowSlot() + 1;
}

bool IsArchiveSlot(const GameMode& mode, int number) {
    return number >= mode.FirstRowSlot() && number <= LastArchiveSlot(mode);
}

fs::path FindZipFolder(const fs::path& slotFolder) {
    if (slotFolder.empty()) return {};
    fs::path folder = ResolveCaseInsensitive(slotFolder, kZipFolderName);
    std::error_code ec;
    return fs::is_directory(folder, ec) ? folder : fs::path();
}

SlotFiles FindArchiveFiles(const fs::path& zipFolder, const GameMode& mode, int number) {
    FolderIndex index(zipFolder);
    SlotFiles files;
    files.number = number;
    files.description = FindSlotFile(index, zipFolder, mode.DescriptionFileName(number));
    files.data = FindSlotFile(index, zipFolder, ArchiveFileName(mode, number));
    return files;
}

std::vector<ArchiveEntry> ListArchives(const fs::path& slotFolder, const GameMode& mode) {
    fs::path zipFolder = FindZipFolder(slotFolder);
    FolderIndex index(zipFolder);
    std::vector<ArchiveEntry> rows;
    rows.reserve(static_cast<std::size_t>(ArchiveRowCount(mode)));
    for (int number = mode.FirstRowSlot(); number <= LastArchiveSlot(mode); ++number) {
        ArchiveEntry row;
        row.number = number;
        if (!zipFolder.empty()) {
            std::vector<fs::path> copies = index.Find(mode.DescriptionFileName(number));
            if (!copies.empty()) {
                row.copyName = copies.front().filename().string();
                row.description = ReadDescription(copies.front());
            }
            row.archiveExists = !index.Find(ArchiveFileName(mode, number)).empty();
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace quorvant
