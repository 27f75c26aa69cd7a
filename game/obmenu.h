#pragma once

// The File menu's OB file entries: one per OB file of the three generations, and the rule that
// turns an entry's command number into a generation folder and a file name.

#include <optional>
#include <string>
#include <vector>

namespace quorvant {

struct OBMenuEntry {
    int command;       // command number of the menu entry
    std::string label; // with its mnemonic ampersand
    int generation;    // kBW1, kBW2, kBW3
    std::string file;  // "OBPZ", "MOB31", "KOB70"
};

struct OBSubmenu {
    std::string label;               // "&NATO", "&WWII"
    std::vector<OBSubmenu> submenus; // BW3 > &Modern holds the regional submenus
    std::vector<OBMenuEntry> entries;
};

// "BW&1 Files", "BW&2 Files", "BW&3 Files" with their entries and submenus, in menu order.
const std::vector<OBSubmenu>& OBFileMenus();

// Every entry of every generation submenu.
std::vector<OBMenuEntry> AllOBMenuEntries();

struct OBOpenTarget {
    int generation; // whose install folder holds the file
    std::string file;
    // BW2 and BW3 entries make their generation the default; BW1 entries leave it as it is.
    bool setsDefaultGeneration;
};

// What an open-by-menu command opens; nothing for a number outside the menu's ranges.
std::optional<OBOpenTarget> OBOpenTargetFor(int command);

// The nation codes the menus name: BW2 and BW3 modern 0-43 without 41; BW3 second world war 70-91.
std::vector<int> BW2MenuNationCodes();
std::vector<int> BW3MenuNationCodes();

// A BW2 or BW3 file's name: prefix and the nation code in two digits ("MOB07", "KOB70").
std::string NumberedFile(const char* prefix, int code);

// BW3's second world war nations are numbered from 70, its modern ones below.
constexpr int kFirstWarNation = 70;

constexpr int kFirstBW2Command = 32791;
constexpr int kFirstBW3ModernCommand = 32847;
constexpr int kBW3WarCommandBase = 32822;

} // namespace quorvant
