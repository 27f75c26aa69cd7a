#include "pictures/picfamily.h"

#include "game/obmenu.h"
#include "obdata/generation.h"
#include "platform/pathresolve.h"

#include <algorithm>
#include <cctype>
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

// The files the File menu names, in lower case as the game's installer writes them. The second
// world war family is the one that differs: its cross reference has always read the numbers kob70
// to kob90, which takes in kob73 (Hungary, a nation the File menu does not offer) and leaves out
// KOB91 (Free France, the menu's last), so its lists stay the ones players know.
std::vector<std::string> FamilyOBFiles(PicFamily family) {
    std::vector<std::string> names;
    if (family == PicFamily::BW3WWII) {
        for (int code = kFirstWarNation; code <= 90; ++code) names.push_back(NumberedFile("kob", code));
        return names;
    }
    for (const OBMenuEntry& entry : AllOBMenuEntries()) {
        if (entry.generation != FamilyGeneration(family)) continue;
        if (family == PicFamily::BW3Modern && std::stoi(entry.file.substr(3)) >= kFirstWarNation) continue;
        std::string name = entry.file;
        if (family != PicFamily::BW1)
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    if (family != PicFamily::BW1) std::sort(names.begin(), names.end());
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
