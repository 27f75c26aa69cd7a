#include "pictures/picturenames.h"

#include "obdata/generation.h"
#include "platform/pathresolve.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <system_error>

namespace quorvant {
namespace {

constexpr int kFirstSecondWorldWarNation = 70;

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}

} // namespace

PictureNameForm NameFormFor(int generation, int fileNation) {
    if (generation == kBW2 || (generation == kBW3 && fileNation < kFirstSecondWorldWarNation))
        return PictureNameForm::Long;
    return PictureNameForm::Short;
}

std::string PictureName(std::uint32_t number, PictureNameForm form) {
    char name[16];
    std::snprintf(name, sizeof name, form == PictureNameForm::Long ? "PM%05u" : "P%04u", number);
    return name;
}

std::uint32_t PictureNumber(std::string_view fileName, PictureNameForm form) {
    const std::size_t first = form == PictureNameForm::Long ? 2 : 1;
    const std::size_t digits = form == PictureNameForm::Long ? 5 : 4;
    std::uint32_t number = 0;
    for (std::size_t i = first; i < fileName.size() && i < first + digits; ++i) {
        if (fileName[i] < '0' || fileName[i] > '9') break;
        number = number * 10 + static_cast<std::uint32_t>(fileName[i] - '0');
    }
    return number;
}

std::vector<std::string> ListPictureFiles(const std::filesystem::path& folder, std::string_view prefix) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.size() < 4 ||
            !EqualsIgnoringAsciiCase(std::string_view(name).substr(name.size() - 4), ".lbm"))
            continue;
        if (!StartsWithIgnoringCase(name, prefix) || it->is_directory(ec)) continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

std::uint32_t NextFreePictureNumber(const std::vector<std::string>& listing, PictureNameForm form) {
    std::uint32_t highest = 0;
    for (const std::string& name : listing) highest = std::max(highest, PictureNumber(name, form));
    return highest + 1;
}

std::optional<std::size_t> FindPicture(const std::vector<std::string>& listing, std::string_view name) {
    for (std::size_t i = 0; i < listing.size(); ++i) {
        std::string_view entry = listing[i];
        std::size_t dot = entry.rfind('.');
        if (dot != std::string_view::npos && EqualsIgnoringAsciiCase(entry.substr(0, dot), name)) return i;
    }
    return std::nullopt;
}

ListingPlace PlaceInListing(const std::vector<std::string>& listing, std::string_view name) {
    if (std::optional<std::size_t> found = FindPicture(listing, name)) return {*found, true};
    // Compared with its extension, as the listing was sorted.
    const std::string file = std::string(name) + ".lbm";
    auto after = std::lower_bound(listing.begin(), listing.end(), file, LessIgnoringCase);
    return {static_cast<std::size_t>(after - listing.begin()), false};
}

} // namespace quorvant
