#pragma once

#include "game/profile.h"

#include <QString>

namespace quorvant::ui {

// Starts the editor on the profile's folders, opens a file of each generation and writes pictures of
// the main window and the dialogs into folder. Returns the process exit code.
int RunScreenshotMode(Profile& profile, const QString& folder);

} // namespace quorvant::ui
