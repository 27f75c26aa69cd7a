#include "pictures/ui/lbmcrossrefcommand.h"

#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "obdata/docobserver.h"
#include "pictures/ui/lbmcrossrefdlg.h"
#include "views/ui/unitview.h"

#include <QPointer>

namespace quorvant::ui {

void ShowUnitOfFile(CMainFrame* frame, const QString& path, int slot) {
    CChildFrame* child = frame->OpenDocumentFile(path);
    if (!child || !child->view()) return;
    if (slot >= 1) {
        child->view()->ShowRecord(kHintUnits, slot, true);
        return;
    }
    // Slot 0 is never listed and has no sheet; its file opens at the top.
    child->view()->UnitRow = 0;
    child->view()->ShowDisplayType(kHintUnits);
}

CLbmCrossRefDlg* RunLbmCrossReference(CMainFrame* frame, const AppSettings& settings) {
    static CPicRefCache cache;
    static QPointer<CLbmCrossRefDlg> dialog;
    if (!dialog) {
        dialog = new CLbmCrossRefDlg(settings, cache, frame);
        dialog->setModal(true);
        dialog->setOpenUnit([frame](const QString& path, int slot) { ShowUnitOfFile(frame, path, slot); });
    }
    dialog->show();
    dialog->Open();
    return dialog;
}

} // namespace quorvant::ui
