#include "analysis/ui/fieldchangecommands.h"

#include "analysis/ui/changefielddialog.h"
#include "obdata/quorvantdoc.h"
#include "obdata/ui/gametext.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"
#include "workspace/ui/workspace.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>

namespace quorvant::ui {
namespace {

// The plan is worked out again on OK: an editor may have changed the records since the preview.
void ApplyChange(Workspace& workspace, CUnitView* view, const std::vector<int>& rows,
                 const FieldChangeRequest& request) {
    CQuorvantDoc& doc = view->document();
    const int table = view->CurrentKind();
    std::vector<int> chosen;
    for (int row : rows) chosen.push_back(row + 1);
    const FieldChangePlan plan(doc, table, chosen, request);
    if (!plan.Apply(doc)) return;
    std::vector<int> changed;
    for (const ChangedRow& row : plan.rows())
        if (row.changed) changed.push_back(row.slot);
    view->onRecordsChanged(table, changed);
    for (int slot : changed) emit view->recordReplaced(table, slot);
    view->SelectRows(rows);
    QString report = GameText(plan.stepName());
    // The count is of the records changed; the dialog counted those selected.
    if (const int kept = plan.recordCount() - plan.changedCount(); kept > 0)
        report +=
            QStringLiteral("; %1 of the %2 selected kept their value").arg(kept).arg(plan.recordCount());
    if (plan.clampedCount() > 0)
        report += QStringLiteral("; %1 held to the field's range").arg(plan.clampedCount());
    workspace.ShowStatusMessage(report);
    workspace.UpdateCommandStates();
}

void ShowChangeField(Workspace& workspace) {
    CUnitView* view = workspace.ActiveView();
    if (!view) return;
    const std::vector<int> rows = view->SelectedRows();
    std::vector<int> chosen;
    for (int row : rows) chosen.push_back(row + 1);
    auto* dialog = new ChangeFieldDialog(view->document(), view->CurrentKind(), chosen,
                                         view->reportView()->currentIndex().column(), workspace.Window());
    // OK and Cancel only hide a dialog; each Change Field is a new one.
    QObject::connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    // Nothing may change the records while the preview shows them.
    dialog->setWindowModality(Qt::ApplicationModal);
    QPointer<CUnitView> target(view);
    QObject::connect(dialog, &QDialog::accepted, workspace.Window(), [&workspace, target, rows, dialog] {
        if (target) ApplyChange(workspace, target, rows, dialog->request());
    });
    dialog->open();
}

void SelectShownRows(Workspace& workspace) {
    CUnitView* view = workspace.ActiveView();
    if (!view) return;
    view->SelectShownRows();
    const auto count = view->SelectedRows().size();
    workspace.ShowStatusMessage(count == 1 ? QStringLiteral("Selected the 1 row shown")
                                           : QStringLiteral("Selected the %1 rows shown").arg(count));
}

} // namespace

void InstallFieldChangeCommands(Workspace& workspace) {
    QObject* owner = workspace.Window();
    QObject::connect(workspace.Command(ID_EDIT_CHANGE_FIELD), &QAction::triggered, owner,
                     [&workspace] { ShowChangeField(workspace); });
    QObject::connect(workspace.Command(ID_VIEW_SELECT_FILTERED), &QAction::triggered, owner,
                     [&workspace] { SelectShownRows(workspace); });
    QObject::connect(workspace.Command(ID_EDIT_SELECT_ALL), &QAction::triggered, owner, [&workspace] {
        // In the filter box the keys mean its text, as everywhere else one types.
        if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            field->selectAll();
            return;
        }
        SelectShownRows(workspace);
    });
}

} // namespace quorvant::ui
