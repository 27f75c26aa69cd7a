#pragma once

#include <functional>

class QDir;
class QString;
class QWidget;

namespace quorvant::ui {

// Lets pending paints happen, then writes the widget as folder/name.png and says so on stdout.
bool SaveScreenshot(QWidget* widget, const QDir& folder, const QString& name);

// A popup (a menu, a tool tip) is a window of its own, so a picture of the window under it leaves it
// out: it is drawn over that picture, which save then writes.
bool SaveWithPopup(QWidget* window, QWidget* popup, const QString& name,
                   const std::function<bool(QWidget*, const QString&)>& save);

} // namespace quorvant::ui
