#pragma once

#include <QDir>

#include <functional>

namespace quorvant::ui {

class CMainFrame;

// Pictures of the Find, Check References and Compare windows over the active document; save takes
// a widget and a name and says whether the picture was written.
bool ShootDesignerTools(CMainFrame* frame, const std::function<bool(QWidget*, const QString&)>& save);

// The preview of a patch that mends the unit most files carry, applied by name to every file of the
// active document's generation (closed unapplied).
bool ShootPatchPreview(CMainFrame* frame, const std::function<bool(QWidget*, const QString&)>& save);

// The row menu of the active document's units list over the main window, and the question Clear
// Record asks of the weapon the most units carry (answered No: the document stays as it was).
bool ShootRecordCommands(CMainFrame* frame, const std::function<bool(QWidget*, const QString&)>& save);

} // namespace quorvant::ui
