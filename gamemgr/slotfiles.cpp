#include "gamemgr/slotfiles.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {

std::string FoldCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

FolderIndex::FolderIndex(const fs::path& folder) : folder_(folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        // A folder named like a slot file is no slot.
        if (!it->is_regular_file(typeError)) continue;
        std::string name = it->path().filename().string();
        names_[FoldCase(name)].push_back(std::move(name));
    }
    for (auto& [folded, spellings] : names_) std::sort(spellings.begin(), spellings.end());
}

std::vector<fs::path> FolderIndex::Find(std::string_view name) const {
    std::vector<fs::path> found;
    auto it = names_.find(FoldCase(name));
    if (it == names_.end()) return found;
    for (const std::string& spelling : it->second) {
        if (spelling == name)
            found.insert(found.begin(), folder_ / spelling);
        else
            found.push_back(folder_ / spelling);
    }
    return found;
}

SlotFile FindSlotFile(const FolderIndex& index, const fs::path& folder, const std::string& name) {
    SlotFile file;
    file.spellings = index.Find(name);
    file.path = file.spellings.empty() ? folder / name : file.spellings.front();
    return file;
}

SlotFiles FindSlotFiles(const fs::path& slotFolder, const GameMode& mode, int number) {
    FolderIndex index(slotFolder);
    SlotFiles files;
    files.number = number;
    files.data = FindSlotFile(index, slotFolder, mode.DataFileName(number));
    files.description = FindSlotFile(index, slotFolder, mode.DescriptionFileName(number));
    return files;
}

SlotFiles FindEmailSlotFiles(const fs::path& slotFolder, int k) {
    return FindSlotFiles(slotFolder, GameMode{0, false}, k);
}

SlotFiles FindBackupFiles(const fs::path& backupFolder, int k) {
    FolderIndex index(backupFolder);
    SlotFiles files;
    files.number = k;
    std::string number = std::to_string(k);
    // The backup's data file is written with this spelling.
    files.data = FindSlotFile(index, backupFolder, "Email" + number + ".Dat");
    files.description = FindSlotFile(index, backupFolder, "Email" + number + ".cmt");
    return files;
}

} // namespace quorvant
