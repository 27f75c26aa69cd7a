#include "editors/ui/editorhost.h"

#include "editors/tablecommit.h"
#include "editors/ui/editorfactory.h"
#include "editors/ui/recordeditor.h"
#include "platform/ui/promptservice.h"
#include "views/ui/unitview.h"

namespace quorvant::ui {

EditorHost::EditorHost(CUnitView* view, CQuorvantDoc& doc, const AppSettings* settings)
    : view_(view), doc_(doc), settings_(settings) {
    connect(view, &CUnitView::editRequested, this, &EditorHost::Open);
    connect(view, &CUnitView::recordReplaced, this, [this](int kind, int slot) {
        CRecordEditor* shown = editor(kind);
        if (shown && !shown->IsFinished() && shown->CurrentSlot() == slot) shown->ShowSlot(slot);
    });
}

EditorHost::~EditorHost() {
    CloseEditors();
}

CRecordEditor* EditorHost::editor(int kind) const {
    if (!IsRecordTable(kind)) return nullptr;
    return editors_[static_cast<std::size_t>(kind)];
}

void EditorHost::Open(int kind, int slot) {
    if (!IsRecordTable(kind)) return;
    QPointer<CRecordEditor>& held = editors_[static_cast<std::size_t>(kind)];
    // An editor that closed but whose notice is still on its way is done with.
    if (held && held->IsFinished()) OnEditorClosed(held, held->result() == QDialog::Accepted ? 1 : 2);
    if (held) {
        held->ShowSlot(slot);
    } else {
        held = MakeRecordEditor(kind, doc_, slot, settings_);
        if (!held) return;
        CRecordEditor* created = held;
        // A window of its own that stays above the main window, modeless, and still ours to delete.
        if (view_) created->setParent(view_->window(), created->windowFlags() | Qt::Dialog);
        // Its OK or Cancel already ends what Undo and Redo may do; the notice below comes later.
        connect(created, &QDialog::finished, this, &EditorHost::editorsChanged);
        connect(created, &CRecordEditor::statusMessage, this, &EditorHost::statusMessage);
        // The notice is posted, so the editor has returned from its own handler before it goes.
        connect(
            created, &CRecordEditor::editorClosed, this,
            [this, created = QPointer<CRecordEditor>(created)](int result, int) {
                if (created) OnEditorClosed(created, result);
            },
            Qt::QueuedConnection);
    }
    if (view_) *view_->RowOf(kind) = slot - 1;
    held->BringToFront();
    emit editorsChanged();
}

bool EditorHost::AnyOpen() const {
    for (const QPointer<CRecordEditor>& held : editors_)
        if (held && !held->IsFinished()) return true;
    return false;
}

void EditorHost::OnEditorClosed(CRecordEditor* editor, int result) {
    int kind = editor->Kind();
    if (editors_[static_cast<std::size_t>(kind)] != editor) return;
    Forget(editor);
    editor->deleteLater();
    if (view_ && result == 1) view_->ShowDisplayType(kind);
}

void EditorHost::Forget(CRecordEditor* editor) {
    int kind = editor->Kind();
    if (view_) *view_->RowOf(kind) = editor->CurrentSlot() - 1;
    editors_[static_cast<std::size_t>(kind)] = nullptr;
    editor->disconnect(this);
    editor->hide();
    emit editorsChanged();
}

bool EditorHost::ConfirmChanges(const QString& documentName) {
    for (const QPointer<CRecordEditor>& held : editors_) {
        if (!held || !held->HasUnconfirmedChanges()) continue;
        held->BringToFront();
        PromptAnswer answer =
            Prompt(PromptKind::ApplyDiscardCancel,
                   tr("Apply the changes in %1 to %2?").arg(held->windowTitle(), documentName), held);
        if (answer == PromptAnswer::Cancel || !held) return false;
        answer == PromptAnswer::Yes ? held->accept() : held->reject();
        if (!held->IsFinished()) return false;
        OnEditorClosed(held, answer == PromptAnswer::Yes ? 1 : 2);
    }
    return true;
}

void EditorHost::CloseEditors() {
    for (QPointer<CRecordEditor>& held : editors_) {
        if (!held) continue;
        CRecordEditor* editor = held;
        editor->CloseAsCancel();
        Forget(editor);
        // Nothing of the document may be touched once it is gone.
        delete editor;
    }
}

} // namespace quorvant::ui
