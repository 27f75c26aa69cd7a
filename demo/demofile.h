#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvant::demo {

// Writes a file of the demo game, replacing any earlier one. Unlike a save it does not wait for
// the disk: the demo game can always be written again, and a hundred synced files would be slow.
bool WriteDemoFile(const std::filesystem::path& path, std::string_view bytes, std::string& error);

} // namespace quorvant::demo
