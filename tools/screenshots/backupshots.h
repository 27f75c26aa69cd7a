#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quorvant::ui {

class CMainFrame;

// Options > Backups, and File > Revert To over the active document once its file has a backup.
bool ShootBackups(CMainFrame* frame, const std::function<bool(QWidget*, const QString&)>& save);

} // namespace quorvant::ui
