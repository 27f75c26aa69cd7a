#pragma once

#include <filesystem>
#include <string>

namespace quorvant::demo {

// The install folder of a generation (kBW1, kBW2, kBW3) in a demo game: dir / "bw1", "bw2", "bw3".
std::filesystem::path DemoInstallFolder(const std::filesystem::path& dir, int generation);

// Writes a made-up game installation into dir: for each generation its install folder with the
// game's executable (a placeholder), every OB file the File menu names, filled with invented
// weapons, units and formations, and saved-game and e-mail slots where the game manager looks for
// them. The same bytes on every run. dir must be missing, empty or an earlier demo game, so a real
// installation is never overwritten. False with the reason in error when it cannot be written.
bool WriteDemoGame(const std::filesystem::path& dir, std::string& error);

} // namespace quorvant::demo
