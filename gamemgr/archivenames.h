#pragma once

#include "gamemgr/gamemode.h"
#include "gamemgr/slotfiles.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quorvant {

// The archive folder inside a slot folder.
inline const char* const kZipFolderName = "ZipFiles";
// Slot numbers the archive list covers from the numbering base; slots 1 and 2 of BW1 and BW2 (the
// e-mail slot boxes) have no row.
constexpr int kArchiveNumbers = 197;

// "Save%03d.zip" (saved games, all of BW3) or "Email%d.zip"; the description copy beside it has the
// slot's description file name.
std::string ArchiveFileName(const GameMode& mode, int number);

// Archive rows: slots 3 to 197 (BW1, BW2) or 0 to 196 (BW3), row r holding the slot of the slot
// list's row r.
int LastArchiveSlot(const GameMode& mode);
int ArchiveRowCount(const GameMode& mode);
bool IsArchiveSlot(const GameMode& mode, int number);

// The "ZipFiles" folder of a slot folder, found ignoring case; empty when there is none.
std::filesystem::path FindZipFolder(const std::filesystem::path& slotFolder);

// A slot's archive and description copy, kept as a slot's pair of files (copy as the
// description, archive as the data) so the slot helpers delete and check them alike.
SlotFiles FindArchiveFiles(const std::filesystem::path& zipFolder, const GameMode& mode, int number);

struct ArchiveEntry {
    int number = 0;
    std::string copyName;    // the description copy's name as spelled on disk; empty when none
    std::string description; // its first line, by the slot list's rules
    bool archiveExists = false;

    bool occupied() const { return !copyName.empty(); }
    // Column 0 of the archive list: the copy's name, or "----".
    std::string Name() const { return occupied() ? copyName : kEmptySlotText; }
};

// The archive list's rows in order, read from the slot folder's "ZipFiles" folder in one pass; a
// missing folder gives rows that are all "----".
std::vector<ArchiveEntry> ListArchives(const std::filesystem::path& slotFolder, const GameMode& mode);

} // namespace quorvant
