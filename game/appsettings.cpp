#include "game/appsettings.h"

#include "obdata/generation.h"

#include <system_error>

namespace quorvant {

std::string InstallPathValueName(int generation) {
    return std::string(GenerationLabel(generation)) + " Path";
}

const std::string& AppSettings::InstallFolder(int generation) const {
    static const std::string kNone;
    return IsValidGeneration(generation) ? InstallFolders[generation] : kNone;
}

int ReadDefaultGeneration(const Profile& profile) {
    std::optional<int> value = ReadProfileInt(profile, kSettingsSection, kBWDefaultValue);
    return value && IsValidGeneration(*value) ? *value : kBW1;
}

int ReadSaveDefault(const Profile& profile) {
    std::optional<int> value = ReadProfileInt(profile, kSettingsSection, kSaveDefaultValue);
    // Anything but a real button asks the user again rather than starting the game manager on a
    // list that does not exist.
    if (value && *value >= kFirstGameManagerButton && *value <= kLastGameManagerButton) return *value;
    return kGameManagerNotChosen;
}

int ReadPathSet(const Profile& profile) {
    std::optional<int> value = ReadProfileInt(profile, kSettingsSection, kPathSetValue);
    if (value && (*value == kPathsNeverAsked || *value == kPathsNoneKnown || *value == kPathsKnown))
        return *value;
    return kPathsNeverAsked;
}

std::string ReadVersion(const Profile& profile) {
    return profile.ReadString(kSettingsSection, kVersionValue).value_or("");
}

std::string ReadInstallFolder(const Profile& profile, int generation) {
    std::string folder = profile.ReadString(kSettingsSection, InstallPathValueName(generation)).value_or("");
    if (folder.empty()) return folder;
    // A folder that went away (an unmounted disk, a removed prefix) must not have working folders
    // created where it used to be.
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) ? folder : std::string();
}

} // namespace quorvant
