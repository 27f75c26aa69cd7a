#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace quorvant {

// The text of a slot without a description file.
inline const char* const kEmptySlotText = "----";
// The e-mail slots' one-level backup, inside the e-mail slot folder.
inline const char* const kBackupFolderName = "Quorvant.Bak";
// Slot numbers listed per mode.
constexpr int kListedSlots = 199;

// One of the game manager's five modes: a generation and whether it lists saved or e-mail games.
struct GameMode {
    int generation = 0;
    bool saveGames = true;

    // BW3 has no e-mail games: it always uses the saved-game names.
    bool UsesSaveNames() const;
    bool IsEmail() const { return !UsesSaveNames(); }
    // 1 for BW1 and BW2, 0 for BW3.
    int NumberingBase() const;
    // The slot numbers of the list rows: 3 to 199 (BW1, BW2) or 0 to 198 (BW3).
    int FirstRowSlot() const;
    int LastRowSlot() const { return NumberingBase() + kListedSlots - 1; }
    int RowToSlot(int row) const { return row + FirstRowSlot(); }
    int RowCount() const { return LastRowSlot() - FirstRowSlot() + 1; }
    bool IsRowSlot(int number) const { return number >= FirstRowSlot() && number <= LastRowSlot(); }

    // "Save%03d.dat" / "Save%03d.cmt" or "Email%d.dat" / "Email%d.cmt".
    std::string DataFileName(int number) const;
    std::string DescriptionFileName(int number) const;
    // The slot folder: game folder / "save" or "email", found ignoring case.
    std::filesystem::path SlotFolder(const std::filesystem::path& gameFolder) const;

    bool operator==(const GameMode&) const = default;
};

// Why a slot of mode from may not be copied or moved into a slot of mode to: each generation reads
// only its own games, so they stay within it; empty when it may (saved and e-mail games of one
// generation mix).
std::string TransferRefusal(const GameMode& from, const GameMode& to);

// The mode whose slot folder, in the generations' game folders, is folder, however its path is
// spelt; nothing when it is none of them.
std::optional<GameMode> ModeOfSlotFolder(const std::filesystem::path& folder,
                                         const std::array<std::string, 3>& gameFolders);

// The mode buttons 1162 to 1166; anything else gives BW1 saved games.
GameMode GameModeForButton(int button);
int ButtonForGameMode(const GameMode& mode);

} // namespace quorvant
