#pragma once

#include "pictures/picturenames.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quorvant {

// The four sets of OB files and pictures the cross reference works on.
enum class PicFamily { BW1 = 0, BW2 = 1, BW3Modern = 2, BW3WWII = 3 };
constexpr int kPicFamilyCount = 4;

PicFamily FamilyOf(int generation, bool modern);
int FamilyGeneration(PicFamily family);

// The OB file names in scanning order, as the game spells them ("OBPZ", "mob00", "kob70").
std::vector<std::string> FamilyOBFiles(PicFamily family);

// The prefix a picture file of the family begins with ("" for every .lbm file, "PM", "P0").
std::string FamilyPicturePrefix(PicFamily family);
PictureNameForm FamilyNameForm(PicFamily family);
// The game's folder on its CD: "brass", "brass2", "brass3".
std::string CdGameFolder(int generation);

// Where a family's or a document's pictures are: the game folder's "pic" folder, or, when that holds
// none of them, the game CD's. folder is where the listed files are.
struct PictureSource {
    std::filesystem::path folder;
    std::vector<std::string> listing;
};
PictureSource FindPictureSource(const std::filesystem::path& gameFolder, const std::filesystem::path& cdRoot,
                                int generation, const std::string& prefix);

} // namespace quorvant
