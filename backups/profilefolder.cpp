#include "backups/profilefolder.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace quorvant {
namespace {

// An empty variable counts as unset, as a relative one does for the XDG folders: both would put the
// profile wherever the program happened to be started.
std::optional<fs::path> AbsoluteFolder(const EnvironmentLookup& environment, const char* name) {
    std::optional<std::string> value = environment(name);
    if (!value || value->empty()) return std::nullopt;
    fs::path folder(*value);
    if (!folder.is_absolute()) return std::nullopt;
    return folder;
}

fs::path SettingsFolder(const EnvironmentLookup& environment) {
#ifdef _WIN32
    if (auto appData = AbsoluteFolder(environment, "APPDATA")) return *appData;
    return {};
#else
    if (auto config = AbsoluteFolder(environment, "XDG_CONFIG_HOME")) return *config;
    if (auto home = AbsoluteFolder(environment, "HOME")) return *home / ".config";
    return {};
#endif
}

} // namespace

std::optional<std::string> ProcessEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
}

fs::path ProfileFolder(const std::optional<std::string>& given, const EnvironmentLookup& environment) {
    if (given && !given->empty()) return fs::path(*given);
    std::optional<std::string> named = environment("QUORVANT_PROFILE");
    if (named && !named->empty()) return fs::path(*named);
    fs::path settings = SettingsFolder(environment);
    if (settings.empty()) return {};
    return settings / "Vexmoor Software" / "Quorvant";
}

fs::path BackupRoot(const fs::path& profileFolder) {
    return profileFolder / "backups";
}

} // namespace quorvant
