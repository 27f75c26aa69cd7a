#pragma once

namespace quorvant {
class CQuorvantDoc;
struct AppSettings;
} // namespace quorvant

namespace quorvant::ui {

class CRecordEditor;

// A new editor of kind (0 weapons, 1 units, 2 formations) on slot of doc, not shown yet; nullptr for
// a kind that has no editor.
CRecordEditor* MakeRecordEditor(int kind, CQuorvantDoc& doc, int slot, const AppSettings* settings = nullptr);

} // namespace quorvant::ui
