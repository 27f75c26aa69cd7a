#include "game/settingsroutine.h"

#include "game/archivercommand.h"
#include "game/workingfolders.h"
#include "obdata/generation.h"
#include "platform/currentfolder.h"

namespace quorvant {
namespace {

// Reads the three folders; true when any is set.
bool ReadInstallFolders(const Profile& profile, AppSettings& settings) {
    bool any = false;
    for (int generation : {kBW1, kBW2, kBW3}) {
        settings.InstallFolders[generation] = ReadInstallFolder(profile, generation);
        any = any || settings.HasInstallFolder(generation);
    }
    return any;
}

// After asking, or when the version is not yet set: the folders are known when any is set.
bool RereadInstallFolders(Profile& profile, AppSettings& settings) {
    if (ReadInstallFolders(profile, settings)) return true;
    profile.WriteInt(kSettingsSection, kPathSetValue, kPathsNoneKnown);
    return false;
}

} // namespace

SettingsRoutineResult RunSettingsRoutine(Profile& profile, SettingsDialogs& dialogs, AppSettings& settings) {
    SettingsRoutineResult result;
    settings.InstallFolders = {};
    settings.DefaultGeneration = ReadDefaultGeneration(profile);
    settings.SaveDefault = ReadSaveDefault(profile);
    settings.Version = ReadVersion(profile);

    int pathSet = ReadPathSet(profile);
    bool known = false;
    if (pathSet == kPathsKnown) {
        ReadInstallFolders(profile, settings);
        ChangeCurrentFolder(settings.InstallFolder(settings.DefaultGeneration));
        known = true;
    }

    if (pathSet == kPathsNeverAsked) {
        result.askedForPaths = true;
        bool confirmed = dialogs.RunSetPaths(settings);
        if (confirmed || settings.Version.empty()) {
            known = RereadInstallFolders(profile, settings);
        } else {
            profile.WriteInt(kSettingsSection, kPathSetValue, kPathsNoneKnown);
            known = false;
        }
    } else if (settings.Version == kSettingsVersion) {
        // keep what was read above
    } else if (settings.Version.empty()) {
        known = RereadInstallFolders(profile, settings);
    } else {
        profile.WriteInt(kSettingsSection, kPathSetValue, kPathsNoneKnown);
        known = false;
    }
    if (!known) settings.InstallFolders = {};

    if (known) {
        if (settings.Version.empty()) {
            settings.Version = kSettingsVersion;
            profile.WriteString(kSettingsSection, kVersionValue, settings.Version);
        }
        CreateWorkingFolders(settings);
    }
    result.foldersKnown = known;

    if (settings.SaveDefault < kFirstGameManagerButton) {
        result.askedForDefaults = true;
        dialogs.RunGameDefaults(settings);
    }
    settings.ArchiverCommand = LookupArchiverCommand();
    return result;
}

} // namespace quorvant
