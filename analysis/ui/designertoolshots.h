#pragma once

#include <QDir>

#include <functional>

namespace quorvant::ui {

class CMainFrame;

// Pictures of the Find, Check References and Compare windows over the active document; save takes
// a widget and a name and says whether the picture was written.
bool ShootDesignerTools(CMainFrame* frame, const std::function<bool(QWidget*, const QString&)>& save);

} // namespace quorvant::ui
