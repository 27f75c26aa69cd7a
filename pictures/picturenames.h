#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant {

// Short "P%0.4d" (BW1, BW3 second-world-war files) or long "PM%0.5d" (BW2, BW3 modern files).
enum class PictureNameForm { Short, Long };

// The form a document's pictures are named in.
PictureNameForm NameFormFor(int generation, int fileNation);

// "P0007", "PM00123", "P123456": at least four or five digits, every digit printed. No extension.
std::string PictureName(std::uint32_t number, PictureNameForm form);

// The decimal digits after the prefix: four of a short name, five of a long one, up to the first
// character that is not a digit; 0 when there is none.
std::uint32_t PictureNumber(std::string_view fileName, PictureNameForm form);

// The ".lbm" files of folder whose names begin with prefix, both ignoring ASCII case, sorted by name
// ignoring case. Empty when the folder is missing or unreadable.
std::vector<std::string> ListPictureFiles(const std::filesystem::path& folder, std::string_view prefix = {});

// One past the highest number of the listed pictures of form (1 for none), so a new picture takes
// a number no unit's missing picture may already stand for below it.
std::uint32_t NextFreePictureNumber(const std::vector<std::string>& listing, PictureNameForm form);

// The position in listing of the file named name plus an extension, ignoring ASCII case.
std::optional<std::size_t> FindPicture(const std::vector<std::string>& listing, std::string_view name);

// Where the picture named name (no extension) stands in a listing sorted as ListPictureFiles sorts
// it: its own position when listed, else the position of the first picture after it (the listing's
// size when none is), so the pictures before and after it are one step away.
struct ListingPlace {
    std::size_t position = 0;
    bool listed = false;
};
ListingPlace PlaceInListing(const std::vector<std::string>& listing, std::string_view name);

} // namespace quorvant
