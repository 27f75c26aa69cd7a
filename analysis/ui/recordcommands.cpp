#include "analysis/ui/recordcommands.h"

#include "analysis/recordclear.h"
#include "analysis/ui/designertools.h"
#include "analysis/ui/patchcommands.h"
#include "exchange/ui/recordtransfer.h"
#include "obdata/quorvantdoc.h"
#include "obdata/ui/gametext.h"
#include "platform/ui/promptservice.h"
#include "views/listrows.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"
#include "workspace/ui/workspace.h"

#include <QAction>
#include <QMenu>

#include <algorithm>
#include <optional>

namespace quorvant::ui {
namespace {

struct SelectedRecord {
    CUnitView* view = nullptr;
    int table = 0;
    int slot = 0;
};

std::optional<SelectedRecord> Selected(const Workspace& workspace) {
    CUnitView* view = workspace.ActiveView();
    if (!view) return std::nullopt;
    const int row = view->SelectedRow();
    if (row < 0) return std::nullopt;
    return SelectedRecord{view, view->CurrentKind(), SlotOfRow(row)};
}

// The list shows the emptied row, and an editor showing the record reads it again rather than
// writing its old fields back when the user moves on.
void ShowCleared(const SelectedRecord& record) {
    CUnitView* view = record.view;
    *view->RowOf(record.table) = record.slot - 1;
    view->document().UpdateAllViews(record.table == kWeaponTable ? kHintWeaponRow
                                    : record.table == kUnitTable ? kHintUnitRow
                                                                 : kHintFormationsEdited);
    emit view->recordReplaced(record.table, record.slot);
}

// Clear Record of several rows: one question, one step.
void ClearMany(Workspace& workspace, CUnitView* view, const std::vector<int>& rows) {
    CQuorvantDoc& doc = view->document();
    const int table = view->CurrentKind();
    std::vector<int> chosen;
    std::vector<Reference> references;
    for (int row : rows) {
        if (!CanClearRecord(doc, table, SlotOfRow(row))) continue;
        chosen.push_back(SlotOfRow(row));
        for (const Reference& r : ReferencesTo(doc, table, SlotOfRow(row))) references.push_back(r);
    }
    if (chosen.empty() ||
        Prompt(PromptKind::YesNo, GameText(ClearManyQuestion(table, chosen.size(), references)), view) !=
            PromptAnswer::Yes)
        return;
    const std::vector<int> cleared = ClearRecords(doc, table, chosen);
    view->onRecordsChanged(table, cleared);
    for (int slot : cleared) emit view->recordReplaced(table, slot);
    view->SelectRows(rows);
    QString report = QStringLiteral("Cleared %1 records").arg(cleared.size());
    if (!references.empty())
        report += QStringLiteral("; %1 references now name an empty slot").arg(references.size());
    workspace.ShowStatusMessage(report);
    workspace.UpdateCommandStates();
}

// Clear Record, and Cut with its copy first; a record others name is cleared only when the user says so.
void ClearSelected(Workspace& workspace, bool cut) {
    const std::optional<SelectedRecord> record = Selected(workspace);
    if (!record) return;
    const std::vector<int> rows = record->view->SelectedRows();
    if (rows.size() > 1) {
        // The clipboard holds one record: cutting several would lose all but the first.
        if (cut)
            workspace.ShowStatusMessage(
                QStringLiteral("Cut takes one record at a time: the clipboard holds one"));
        else
            ClearMany(workspace, record->view, rows);
        return;
    }
    CQuorvantDoc& doc = record->view->document();
    RecordTransfer* transfer = RecordTransfer::Of(record->view);
    if (!CanClearRecord(doc, record->table, record->slot) || (cut && !(transfer && transfer->ShownKind())))
        return;
    const std::vector<Reference> references = ReferencesTo(doc, record->table, record->slot);
    if (!references.empty() &&
        Prompt(PromptKind::YesNo, GameText(ClearQuestion(doc, record->table, record->slot, references)),
               record->view) != PromptAnswer::Yes)
        return;
    const QString title = GameText(RecordTitle(doc, record->table, record->slot));
    if (cut) transfer->Copy();
    if (!ClearRecord(doc, record->table, record->slot, cut ? "Cut" : "Clear")) return;
    ShowCleared(*record);
    QString report = (cut ? QStringLiteral("Cut %1") : QStringLiteral("Cleared %1")).arg(title);
    if (!references.empty())
        report += references.size() == 1
                      ? QStringLiteral("; 1 record now names an empty slot")
                      : QStringLiteral("; %1 records now name an empty slot").arg(references.size());
    workspace.ShowStatusMessage(report);
    workspace.UpdateCommandStates();
}

// Opened where the view asks, on the view's document, with the window's own commands where there are
// such, so their states and shortcuts are the ones the menus show.
void ShowRowMenu(Workspace& workspace, CUnitView* view, const QPoint& at) {
    workspace.Activate(view);
    workspace.UpdateCommandStates();
    auto* menu = new QMenu(view);
    menu->setObjectName(QStringLiteral("RowMenu"));
    QAction* edit = menu->addAction(QStringLiteral("&Edit\tEnter"));
    edit->setStatusTip(QStringLiteral("Open the record in its editor"));
    QObject::connect(edit, &QAction::triggered, view, &CUnitView::EditSelectedRow);
    menu->setDefaultAction(edit);
    menu->addSeparator();
    for (int command : std::initializer_list<int>{ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR, 0,
                                                  ID_TOOLS_FIND_REFERENCES, ID_EDIT_COPY_TO_FILES})
        command ? (void)menu->addAction(workspace.Command(command)) : (void)menu->addSeparator();
    // Gone once the chosen command has run.
    QObject::connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->popup(at);
}

} // namespace

void InstallRecordCommands(Workspace& workspace) {
    QObject* owner = workspace.Window();
    QObject::connect(workspace.Command(ID_EDIT_CLEAR), &QAction::triggered, owner,
                     [&workspace] { ClearSelected(workspace, false); });
    QObject::connect(workspace.Command(ID_EDIT_CUT), &QAction::triggered, owner,
                     [&workspace] { ClearSelected(workspace, true); });
    QObject::connect(workspace.Command(ID_TOOLS_FIND_REFERENCES), &QAction::triggered, owner, [&workspace] {
        if (const std::optional<SelectedRecord> record = Selected(workspace))
            ShowReferencesTo(workspace, record->table, record->slot);
    });
    QObject::connect(workspace.Command(ID_EDIT_COPY_TO_FILES), &QAction::triggered, owner, [&workspace] {
        if (const std::optional<SelectedRecord> record = Selected(workspace))
            CopyRecordToOtherFiles(workspace, record->table, record->slot);
    });
}

void AttachRecordCommands(Workspace& workspace, CUnitView* view) {
    QObject::connect(view, &CUnitView::rowMenuRequested, workspace.Window(),
                     [&workspace, view](const QPoint& at) { ShowRowMenu(workspace, view, at); });
    QObject::connect(view, &CUnitView::selectedRowChanged, workspace.Window(), [&workspace, view] {
        if (workspace.ActiveView() == view) UpdateRecordCommands(workspace);
    });
}

void UpdateRecordCommands(Workspace& workspace) {
    const std::optional<SelectedRecord> record = Selected(workspace);
    const std::vector<int> rows = record ? record->view->SelectedRows() : std::vector<int>();
    const bool clearable = std::any_of(rows.begin(), rows.end(), [&](int row) {
        return CanClearRecord(record->view->document(), record->table, SlotOfRow(row));
    });
    const RecordTransfer* transfer = record ? RecordTransfer::Of(record->view) : nullptr;
    workspace.Command(ID_EDIT_CLEAR)->setEnabled(clearable);
    // A formation cannot go to the clipboard, so cutting one would only lose it.
    workspace.Command(ID_EDIT_CUT)
        ->setEnabled(clearable && rows.size() == 1 && transfer && transfer->ShownKind());
    workspace.Command(ID_TOOLS_FIND_REFERENCES)->setEnabled(record.has_value());
    // Copies go by name, so a record without one has nowhere to go; the copy is of one record, so a
    // selection of many is not taken for its first.
    workspace.Command(ID_EDIT_COPY_TO_FILES)
        ->setEnabled(record && rows.size() == 1 &&
                     NameOfNamedRow(record->view->document(), record->table, record->slot - 1).size() > 0);
}

} // namespace quorvant::ui
