#include "pictures/ui/xrefcommand.h"

#include "obdata/docobserver.h"
#include "pictures/ui/xrefdialog.h"
#include "views/ui/unitview.h"
#include "workspace/ui/workspace.h"

#include <QPointer>

namespace quorvant::ui {

void ShowUnitOfFile(Workspace& workspace, const QString& path, int slot) {
    CUnitView* view = workspace.OpenDocument(path);
    if (!view) return;
    if (slot >= 1) {
        view->ShowRecord(kHintUnits, slot, true);
        return;
    }
    // Slot 0 is never listed and has no sheet; its file opens at the top.
    view->UnitRow = 0;
    view->ShowDisplayType(kHintUnits);
}

CLbmCrossRefDlg* RunLbmCrossReference(Workspace& workspace) {
    static CPicRefCache cache;
    static QPointer<CLbmCrossRefDlg> dialog;
    if (!dialog) {
        dialog = new CLbmCrossRefDlg(workspace.Settings(), cache, workspace.Window());
        dialog->setModal(true);
        dialog->setOpenUnit(
            [&workspace](const QString& path, int slot) { ShowUnitOfFile(workspace, path, slot); });
    }
    dialog->show();
    dialog->Open();
    return dialog;
}

} // namespace quorvant::ui
