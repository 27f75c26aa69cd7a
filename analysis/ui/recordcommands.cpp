#include "analysis/ui/recordcommands.h"

#include "analysis/recordclear.h"
#include "analysis/ui/designertools.h"
#include "app/commandids.h"
#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "editors/ui/editorhost.h"
#include "editors/ui/recordeditor.h"
#include "exchange/ui/recordtransfer.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/promptservice.h"
#include "views/listrows.h"
#include "views/ui/unitview.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>

#include <optional>

namespace quorvant::ui {
namespace {

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

struct SelectedRecord {
    CChildFrame* child = nullptr;
    int table = 0;
    int slot = 0;
};

std::optional<SelectedRecord> Selected(const CMainFrame* frame) {
    CChildFrame* child = frame->activeChild();
    if (!child) return std::nullopt;
    const int row = child->view()->SelectedRow();
    if (row < 0) return std::nullopt;
    return SelectedRecord{child, child->view()->CurrentKind(), SlotOfRow(row)};
}

// The list shows the emptied row, and an editor showing the record reads it again rather than
// writing its old fields back when the user moves on.
void ShowCleared(const SelectedRecord& record) {
    CUnitView* view = record.child->view();
    *view->RowOf(record.table) = record.slot - 1;
    record.child->document().UpdateAllViews(record.table == kWeaponTable ? kHintWeaponRow
                                            : record.table == kUnitTable ? kHintUnitRow
                                                                         : kHintFormationsEdited);
    CRecordEditor* editor = record.child->editors()->editor(record.table);
    if (editor && !editor->IsFinished() && editor->CurrentSlot() == record.slot)
        editor->ShowSlot(record.slot);
}

// Clear Record, and Cut with its copy first; a record others name is cleared only when the user says so.
void ClearSelected(CMainFrame* frame, bool cut) {
    const std::optional<SelectedRecord> record = Selected(frame);
    if (!record) return;
    CQuorvantDoc& doc = record->child->document();
    RecordTransfer* transfer = RecordTransfer::Of(record->child->view());
    if (!CanClearRecord(doc, record->table, record->slot) || (cut && !(transfer && transfer->ShownKind())))
        return;
    const std::vector<Reference> references = ReferencesTo(doc, record->table, record->slot);
    if (!references.empty() &&
        Prompt(PromptKind::YesNo, Latin1(ClearQuestion(doc, record->table, record->slot, references)),
               record->child->view()) != PromptAnswer::Yes)
        return;
    const QString title = Latin1(RecordTitle(doc, record->table, record->slot));
    if (cut) transfer->Copy();
    if (!ClearRecord(doc, record->table, record->slot, cut ? "Cut" : "Clear")) return;
    ShowCleared(*record);
    QString report = (cut ? QStringLiteral("Cut %1") : QStringLiteral("Cleared %1")).arg(title);
    if (!references.empty())
        report += references.size() == 1
                      ? QStringLiteral("; 1 record now names an empty slot")
                      : QStringLiteral("; %1 records now name an empty slot").arg(references.size());
    frame->ShowStatusMessage(report);
    frame->UpdateCommandStates();
}

// Opened where the view asks, on the view's document, with the frame's own commands where there are
// such, so their states and shortcuts are the ones the menus show.
void ShowRowMenu(CMainFrame* frame, CChildFrame* child, const QPoint& at) {
    frame->mdiArea()->setActiveSubWindow(child);
    frame->UpdateCommandStates();
    auto* menu = new QMenu(child->view());
    menu->setObjectName(QStringLiteral("RowMenu"));
    QAction* edit = menu->addAction(QStringLiteral("&Edit\tEnter"));
    edit->setStatusTip(QStringLiteral("Open the record in its editor"));
    QObject::connect(edit, &QAction::triggered, child->view(), &CUnitView::EditSelectedRow);
    menu->setDefaultAction(edit);
    menu->addSeparator();
    for (int command :
         std::initializer_list<int>{ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR, 0, ID_TOOLS_FIND_REFERENCES})
        command ? (void)menu->addAction(frame->action(command)) : (void)menu->addSeparator();
    // Gone once the chosen command has run.
    QObject::connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->popup(at);
}

} // namespace

void InstallRecordCommands(CMainFrame* frame) {
    QObject::connect(frame->action(ID_EDIT_CLEAR), &QAction::triggered, frame,
                     [frame] { ClearSelected(frame, false); });
    QObject::connect(frame->action(ID_EDIT_CUT), &QAction::triggered, frame,
                     [frame] { ClearSelected(frame, true); });
    QObject::connect(frame->action(ID_TOOLS_FIND_REFERENCES), &QAction::triggered, frame, [frame] {
        if (const std::optional<SelectedRecord> record = Selected(frame))
            ShowReferencesTo(frame, record->table, record->slot);
    });
}

void AttachRecordCommands(CMainFrame* frame, CChildFrame* child) {
    QObject::connect(child->view(), &CUnitView::rowMenuRequested, frame,
                     [frame, child](const QPoint& at) { ShowRowMenu(frame, child, at); });
    QObject::connect(child->view(), &CUnitView::selectedRowChanged, frame, [frame, child] {
        if (frame->activeChild() == child) UpdateRecordCommands(frame);
    });
    // A step undone or an editor closed may have given the selected slot a name or taken it away.
    QObject::connect(child, &CChildFrame::undoStateChanged, frame, [frame, child] {
        if (frame->activeChild() == child) UpdateRecordCommands(frame);
    });
}

void UpdateRecordCommands(CMainFrame* frame) {
    const std::optional<SelectedRecord> record = Selected(frame);
    const bool clearable = record && CanClearRecord(record->child->document(), record->table, record->slot);
    const RecordTransfer* transfer = record ? RecordTransfer::Of(record->child->view()) : nullptr;
    frame->action(ID_EDIT_CLEAR)->setEnabled(clearable);
    // A formation cannot go to the clipboard, so cutting one would only lose it.
    frame->action(ID_EDIT_CUT)->setEnabled(clearable && transfer && transfer->ShownKind());
    frame->action(ID_TOOLS_FIND_REFERENCES)->setEnabled(record.has_value());
}

} // namespace quorvant::ui
