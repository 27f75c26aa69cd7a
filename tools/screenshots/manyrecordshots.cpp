#include "tools/screenshots/manyrecordshots.h"

#include "analysis/ui/changefielddialog.h"
#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "obdata/quorvantdoc.h"
#include "tools/screenshots/shotfile.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QToolTip>

namespace quorvant::ui {

bool ShootManyRecords(CMainFrame* frame, const std::function<bool(QWidget*, const QString&)>& save) {
    CChildFrame* child = frame->activeChild();
    if (!child) return false;
    child->showMaximized();
    if (child->document().ViewMode != kViewUnits) frame->action(ViewModeCommand(kViewUnits))->trigger();
    CUnitView* view = child->view();
    QLineEdit* filter = view->filterBox();
    bool ok = true;

    filter->setText(QStringLiteral("Cost > 100 and Available < 1980 or Name ~ HQ"));
    frame->action(ID_VIEW_SELECT_FILTERED)->trigger();
    ok = save(frame, QStringLiteral("55-filtered-units")) && ok;

    frame->action(ID_EDIT_CHANGE_FIELD)->trigger();
    auto* dialog = frame->findChild<ChangeFieldDialog*>();
    if (dialog) {
        dialog->operationBox()->setCurrentIndex(static_cast<int>(ChangeKind::MultiplyBy));
        dialog->valueBox()->setText(QStringLiteral("1.1"));
        ok = save(dialog, QStringLiteral("56-change-field")) && ok;
        dialog->reject();
    }
    ok = dialog && ok;

    // The reason shows as the box's tool tip, drawn where pointing at the box shows it.
    filter->setText(QStringLiteral("Cost > 100 and (Name ~ HQ"));
    filter->setFocus();
    QToolTip::showText(filter->mapToGlobal(QPoint(filter->width() / 4, filter->height())), filter->toolTip(),
                       filter);
    QWidget* tip = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible()) tip = w;
    ok = tip && SaveWithPopup(frame, tip, QStringLiteral("57-filter-wrong-expression"), save) && ok;
    QToolTip::hideText();
    filter->clear();
    return ok;
}

} // namespace quorvant::ui
