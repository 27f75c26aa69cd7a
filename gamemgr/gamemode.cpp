#include "gamemgr/gamemode.h"

#include "obdata/generation.h"
#include "platform/pathresolve.h"

#include <cstdio>
#include <system_error>

namespace quorvant {

bool GameMode::UsesSaveNames() const {
    return saveGames || generation == kBW3;
}

int GameMode::NumberingBase() const {
    return generation == kBW3 ? 0 : 1;
}

int GameMode::FirstRowSlot() const {
    // Slots 1 and 2 of BW1 and BW2 are the e-mail slot boxes, not rows.
    return generation == kBW3 ? 0 : 3;
}

std::string GameMode::DataFileName(int number) const {
    char name[32];
    std::snprintf(name, sizeof name, UsesSaveNames() ? "Save%03d.dat" : "Email%d.dat", number);
    return name;
}

std::string GameMode::DescriptionFileName(int number) const {
    char name[32];
    std::snprintf(name, sizeof name, UsesSaveNames() ? "Save%03d.cmt" : "Email%d.cmt", number);
    return name;
}

std::filesystem::path GameMode::SlotFolder(const std::filesystem::path& gameFolder) const {
    return ResolveCaseInsensitive(gameFolder, UsesSaveNames() ? "save" : "email");
}

std::string TransferRefusal(const GameMode& from, const GameMode& to) {
    if (from.generation == to.generation) return {};
    return std::string("A ") + GenerationLabel(from.generation) + " game cannot go into a " +
           GenerationLabel(to.generation) + " slot: each generation of the game reads only its own games";
}

std::optional<GameMode> ModeOfSlotFolder(const std::filesystem::path& folder,
                                         const std::array<std::string, 3>& gameFolders) {
    for (int generation : {kBW1, kBW2, kBW3}) {
        const std::string& game = gameFolders[static_cast<std::size_t>(generation)];
        if (game.empty()) continue;
        for (bool saveGames : {true, false}) {
            GameMode mode{generation, saveGames};
            std::error_code ec;
            if (std::filesystem::equivalent(mode.SlotFolder(game), folder, ec)) return mode;
            if (generation == kBW3) break; // no e-mail games
        }
    }
    return std::nullopt;
}

GameMode GameModeForButton(int button) {
    switch (button) {
    case 1163:
        return {kBW1, false};
    case 1164:
        return {kBW2, true};
    case 1165:
        return {kBW2, false};
    case 1166:
        return {kBW3, true};
    default:
        return {kBW1, true};
    }
}

int ButtonForGameMode(const GameMode& mode) {
    if (mode.generation == kBW3) return 1166;
    return 1162 + 2 * (mode.generation == kBW2 ? 1 : 0) + (mode.saveGames ? 0 : 1);
}

} // namespace quorvant
