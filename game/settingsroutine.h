#pragma once

#include "game/appsettings.h"

namespace quorvant {

// Runs the two settings dialogs modally. The application shows real dialogs; tests script them.
class SettingsDialogs {
  public:
    virtual ~SettingsDialogs() = default;
    // Set Paths; true when the user confirmed it (the dialog has then applied its fields).
    virtual bool RunSetPaths(AppSettings& settings) = 0;
    // Game Defaults; true when the user confirmed it.
    virtual bool RunGameDefaults(AppSettings& settings) = 0;
};

struct SettingsRoutineResult {
    bool askedForPaths = false;
    bool askedForDefaults = false;
    bool foldersKnown = false;
};

// The start-up settings routine, also run again on request: reads the profile into settings, asks
// for the install folders the first time, creates the working folders, asks for the game defaults
// while none were chosen and looks up the archiver command.
SettingsRoutineResult RunSettingsRoutine(Profile& profile, SettingsDialogs& dialogs, AppSettings& settings);

} // namespace quorvant
