#pragma once

class QWidget;

namespace quorvant::ui {

// Centres window over owner and keeps it whole on owner's screen, so a window opened from a menu
// appears where the user is looking, never half off the desktop.
void PlaceOver(QWidget* window, const QWidget* owner);

} // namespace quorvant::ui
