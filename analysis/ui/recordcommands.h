#pragma once

// Edit > Clear Record and Cut, Tools > Find References, and the row menu of the record lists: they act
// on the selected row of the active document's list.

namespace quorvant::ui {

class CUnitView;
class Workspace;

void InstallRecordCommands(Workspace& workspace);
// The row menu of the view's lists, and the commands' states following its selection.
void AttachRecordCommands(Workspace& workspace, CUnitView* view);
// Clear Record needs a selected row whose slot may be cleared; Cut also a table the clipboard takes.
void UpdateRecordCommands(Workspace& workspace);

} // namespace quorvant::ui
