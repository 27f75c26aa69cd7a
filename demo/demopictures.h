#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quorvant::demo {

// The picture numbers the demo units use (their SideView values run from 1 to 40) that have no file,
// so the editor's placeholder shows too.
bool IsMissingDemoPicture(int number);

// An IFF picture of a drawn side view (a tank, a gun, a truck or a soldier, by number), chunky (PBM)
// or planar and packed (ILBM).
std::vector<std::uint8_t> DemoPicture(int number, bool planar);

// Writes the "pic" folder of each install folder of the demo game, named in each generation's forms.
bool WriteDemoPictures(const std::filesystem::path& dir, std::string& error);

} // namespace quorvant::demo
