#pragma once

#include <filesystem>
#include <string>

namespace quorvant::demo {

// Writes the demo's saved-game and e-mail slots ("Save%03d.dat"/".cmt", "Email%d.dat"/".cmt") into
// the "save" and "Email" folders of the install folders under dir.
bool WriteDemoSlots(const std::filesystem::path& dir, std::string& error);

} // namespace quorvant::demo
