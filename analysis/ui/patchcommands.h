#pragma once

class QString;
class QWidget;

namespace quorvant {
struct Patch;
}

namespace quorvant::ui {

class Workspace;

// File > Export Changes...: the patch that turns the active document's file on disk into what Save
// would write.
void ExportChanges(Workspace& workspace);

// Asks where and writes the patch there atomically, saying so in the status bar; false when
// cancelled or it failed (said).
// Returns the file written; empty when the user cancelled or it could not be written (then said why).
QString SavePatch(Workspace& workspace, QWidget* parent, const Patch& patch, const QString& suggested);

// Tools > Apply Patch...: a patch file applied to the active document or every file of its
// generation, after the preview.
void ApplyPatchFile(Workspace& workspace);

// The record's fields applied by name to the other files of its generation, after the preview.
void CopyRecordToOtherFiles(Workspace& workspace, int table, int slot);

} // namespace quorvant::ui
