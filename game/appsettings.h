#pragma once

#include "game/profile.h"

#include <array>
#include <filesystem>
#include <string>

namespace quorvant {

// The profile section and value names of the program's settings.
inline const std::string kSettingsSection = "Settings";
inline const std::string kBWDefaultValue = "BW Default";
inline const std::string kSaveDefaultValue = "Save Default";
inline const std::string kVersionValue = "Version";
inline const std::string kPathSetValue = "PathSet";
// "BW1 Path", "BW2 Path", "BW3 Path"
std::string InstallPathValueName(int generation);

// The version text written once the install folders have been set up.
inline const std::string kSettingsVersion = "2";

// The game manager's start types are the control numbers of the Game Defaults dialog.
constexpr int kFirstGameManagerButton = 1162;
constexpr int kLastGameManagerButton = 1166;
// "Save Default" when absent: below the first button, meaning the user never chose one.
constexpr int kGameManagerNotChosen = 1;

// PathSet: -1 never asked, 0 asked and none known, 1 at least one install folder known.
enum PathSetState : int { kPathsNeverAsked = -1, kPathsNoneKnown = 0, kPathsKnown = 1 };

// What the application holds of its settings for the program's lifetime.
struct AppSettings {
    std::array<std::string, 3> InstallFolders; // BW1, BW2, BW3; empty when unknown
    std::string Version;
    int DefaultGeneration = 0;
    int SaveDefault = kGameManagerNotChosen;
    std::string ArchiverCommand; // empty when no outside archiver is registered

    const std::string& InstallFolder(int generation) const;
    bool HasInstallFolder(int generation) const { return !InstallFolder(generation).empty(); }
};

// Readers that turn whatever the profile holds into a value the program can use safely.
int ReadDefaultGeneration(const Profile& profile); // 0-2; anything else gives 0
int ReadSaveDefault(const Profile& profile);       // 1162-1166 or kGameManagerNotChosen
int ReadPathSet(const Profile& profile);           // -1, 0 or 1; anything else counts as never asked
std::string ReadVersion(const Profile& profile);
// The install folder value; empty when absent or when it names no existing folder.
std::string ReadInstallFolder(const Profile& profile, int generation);

} // namespace quorvant
