#include "editors/ui/recordeditor.h"

#include "editors/tablecommit.h"

namespace quorvant::ui {

CRecordEditor::CRecordEditor(CQuorvantDoc& doc, int kind) : QDialog(nullptr), doc_(doc), kind_(kind) {
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
}

void CRecordEditor::accept() {
    if (finished_ || !StoreForCommit()) return;
    finished_ = true;
    CommitTable(doc_, kind_);
    QDialog::accept();
    emit editorClosed(1, kind_);
}

bool CRecordEditor::Revert() {
    if (finished_) return false;
    finished_ = true;
    RevertTable(doc_, kind_);
    QDialog::reject();
    return true;
}

void CRecordEditor::reject() {
    if (Revert()) emit editorClosed(2, kind_);
}

void CRecordEditor::CloseAsCancel() {
    Revert();
}

} // namespace quorvant::ui
