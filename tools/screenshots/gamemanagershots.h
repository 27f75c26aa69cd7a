#pragma once

#include "game/appsettings.h"

#include <QDir>

class QWidget;

namespace quorvant::ui {

// Pictures of the game manager in BW1 e-mail mode and in BW3 mode, and of its archive list in
// use; false when one failed.
bool SaveGameManagerShots(const AppSettings& settings, QWidget* parent, const QDir& folder);

} // namespace quorvant::ui
