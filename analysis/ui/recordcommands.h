#pragma once

// Edit > Clear Record and Cut, Tools > Find References, and the row menu of the record lists: they act
// on the selected row of the active document's list.

namespace quorvant::ui {

class CChildFrame;
class CMainFrame;

void InstallRecordCommands(CMainFrame* frame);
// The row menu of the child's lists, and the commands' states following its selection.
void AttachRecordCommands(CMainFrame* frame, CChildFrame* child);
// Clear Record needs a selected row whose slot may be cleared; Cut also a table the clipboard takes.
void UpdateRecordCommands(CMainFrame* frame);

} // namespace quorvant::ui
