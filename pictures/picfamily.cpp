#include "pictures/picfamily.h"

#include "obdata/generation.h"
#include "platform/pathresolve.h"

#include <cstdio>

namespace quorvant {

PicFamily FamilyOf(int generation, bool modern) {
    if (generation == kBW2) return PicFamily::BW2;
    if (generation == kBW3) return modern ? PicFamily::BW3Modern : PicFamily::BW3WWII;
    return PicFamily::BW1;
}

int FamilyGeneration(PicFamily family) {
    switch (family) {
    case PicFamily::BW1:
        return kBW1;
    case PicFamily::BW2:
        return kBW2;
    default:
        return kBW3;
    }
}

std::vector<std::string> FamilyOBFiles(PicFamily family) {
    if (family == PicFamily::BW1) return {"OBPZ", "OBBR", "OBUS", "OBMA", "OBJA"};
    const char* pattern = family == PicFamily::BW2 ? "mob%02d" : "kob%02d";
    int first = family == PicFamily::BW3WWII ? 70 : 0;
    int last = family == PicFamily::BW3WWII ? 90 : 43;
    std::vector<std::string> names;
    for (int n = first; n <= last; ++n) {
        if (n == 41) continue;
        char name[8];
        std::snprintf(name, sizeof name, pattern, n);
        names.emplace_back(name);
    }
    return names;
}

std::string FamilyPicturePrefix(PicFamily family) {
    switch (family) {
    case PicFamily::BW3Modern:
        return "PM";
    case PicFamily::BW3WWII:
        return "P0";
    default:
        return "";
    }
}

PictureNameForm FamilyNameForm(PicFamily family) {
    return family == PicFamily::BW2 || family == PicFamily::BW3Modern ? PictureNameForm::Long
                                                                      : PictureNameForm::Short;
}

std::string CdGameFolder(int generation) {
    static const char* const folders[] = {"brass", "brass2", "brass3"};
    return folders[IsValidGeneration(generation) ? generation : kBW1];
}

PictureSource FindPictureSource(const std::filesystem::path& gameFolder, const std::filesystem::path& cdRoot,
                                int generation, const std::string& prefix) {
    PictureSource source;
    if (!gameFolder.empty()) {
        source.folder = ResolveCaseInsensitive(gameFolder, "pic");
        source.listing = ListPictureFiles(source.folder, prefix);
    }
    if (source.listing.empty() && !cdRoot.empty()) {
        source.folder = ResolvePath(cdRoot, std::filesystem::path(CdGameFolder(generation)) / "pic");
        source.listing = ListPictureFiles(source.folder, prefix);
    }
    return source;
}

} // namespace quorvant
