#pragma once

class QWidget;

namespace quorvant::ui {

class Workspace;

// Tools > Check References: the active document's broken references; a double-click opens the
// record's editor.
void ShowReferenceCheck(Workspace& workspace);

// Tools > Find References: the records of the active document that name the slot of the table; a
// double-click opens the record's editor.
void ShowReferencesTo(Workspace& workspace, int table, int slot);

// File > Compare With...: every field where another OB file of the same generation differs from the
// active document, grouped by record; a double-click shows the record in the document.
void ShowCompare(Workspace& workspace);

// Edit > Find...: names across the active document or every OB file of its generation's folder.
void ShowFind(Workspace& workspace);

} // namespace quorvant::ui
