#pragma once

#include "gamemgr/gamemode.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvant {

// The regular files of one folder by their names folded to lower case, read in one pass, so a
// listing of 199 slots looks each name up without reading the folder again.
class FolderIndex {
  public:
    explicit FolderIndex(const std::filesystem::path& folder);
    // Every spelling of name in the folder ignoring ASCII case, the exact spelling first.
    std::vector<std::filesystem::path> Find(std::string_view name) const;

  private:
    std::filesystem::path folder_;
    std::unordered_map<std::string, std::vector<std::string>> names_;
};

// One slot file: the path to use (the existing spelling, else the program's own) and every
// spelling found, so an operation can refuse a slot whose file exists twice.
struct SlotFile {
    std::filesystem::path path;
    std::vector<std::filesystem::path> spellings;

    bool exists() const { return !spellings.empty(); }
    bool ambiguous() const { return spellings.size() > 1; }
};

struct SlotFiles {
    int number = 0;
    SlotFile data;
    SlotFile description;

    // A slot is occupied when its description file exists.
    bool occupied() const { return description.exists(); }
};

SlotFile FindSlotFile(const FolderIndex& index, const std::filesystem::path& folder, const std::string& name);
SlotFiles FindSlotFiles(const std::filesystem::path& slotFolder, const GameMode& mode, int number);
// E-mail slot k (1 or 2) of an e-mail slot folder, and its backup in "Quorvant.Bak".
SlotFiles FindEmailSlotFiles(const std::filesystem::path& slotFolder, int k);
SlotFiles FindBackupFiles(const std::filesystem::path& backupFolder, int k);

std::string FoldCase(std::string_view name);

} // namespace quorvant
