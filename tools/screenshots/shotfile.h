#pragma once

class QDir;
class QString;
class QWidget;

namespace quorvant::ui {

// Lets pending paints happen, then writes the widget as folder/name.png and says so on stdout.
bool SaveScreenshot(QWidget* widget, const QDir& folder, const QString& name);

} // namespace quorvant::ui
