#include "editors/ui/recordeditor.h"

#include "editors/tablecommit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace quorvant::ui {

CRecordEditor::CRecordEditor(CQuorvantDoc& doc, int kind) : QDialog(nullptr), doc_(doc), kind_(kind) {
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
}

bool CRecordEditor::HasUnconfirmedChanges() const {
    if (finished_) return false;
    return TableDiffersFromSnapshot(doc_, kind_) || (edited_ && seenSlot_ == CurrentSlot());
}

void CRecordEditor::ShowSlot(int slot) {
    RePoint(slot);
    edited_ = false;
    seenSlot_ = CurrentSlot();
}

void CRecordEditor::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void CRecordEditor::showEvent(QShowEvent* event) {
    WatchUserEdits();
    QDialog::showEvent(event);
}

// The editors' fields are all in place once the window shows.
void CRecordEditor::WatchUserEdits() {
    if (watching_) return;
    watching_ = true;
    seenSlot_ = CurrentSlot();
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textEdited, this, [this] { AfterUserAction(true); });
    // Choosing in an editable list (a name box) moves to that record; typing in it is an edit.
    for (QComboBox* list : findChildren<QComboBox*>())
        connect(list, &QComboBox::activated, this, [this, list] { AfterUserAction(!list->isEditable()); });
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { AfterUserAction(button->isCheckable()); });
}

void CRecordEditor::AfterUserAction(bool edit) {
    if (CurrentSlot() != seenSlot_) {
        seenSlot_ = CurrentSlot();
        edited_ = false;
        return;
    }
    edited_ = edited_ || edit;
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
