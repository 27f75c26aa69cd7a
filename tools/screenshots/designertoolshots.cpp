#include "tools/screenshots/designertoolshots.h"

#include "analysis/referencecheck.h"
#include "analysis/ui/designertools.h"
#include "analysis/ui/finddialog.h"
#include "analysis/ui/patchpreview.h"
#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/filechooser.h"
#include "tools/screenshots/shotfile.h"
#include "views/columnsets.h"
#include "views/ui/recordsortproxy.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>
#include <QTimer>

namespace quorvant::ui {
namespace {

int MostCarriedWeapon(const CQuorvantDoc& doc) {
    int best = 0;
    std::size_t most = 0;
    for (int slot = 1; slot < static_cast<int>(doc.Weapons.size()); ++slot)
        if (std::size_t n = ReferencesTo(doc, kWeaponTable, slot).size(); n > most) best = slot, most = n;
    return best;
}

} // namespace

bool ShootDesignerTools(CMainFrame* frame, const std::function<bool(QWidget*, const QString&)>& save) {
    CChildFrame* child = frame->activeChild();
    if (!child) return false;
    bool ok = true;

    auto* find = new FindDialog(*frame);
    find->textBox()->setText(QStringLiteral("tank"));
    find->scopeBox()->setCurrentIndex(1);
    find->show();
    find->Find();
    ok = save(find, QStringLiteral("51-find")) && ok;
    find->close();

    ShowReferenceCheck(*frame);
    if (auto* check = frame->findChild<FindingsWindow*>(QStringLiteral("CheckReferences"))) {
        ok = save(check, QStringLiteral("52-check-references")) && ok;
        check->close();
    }

    // The same file against itself saved elsewhere would show nothing: compare with a neighbour.
    ScriptedFileChooser chooser;
    for (CChildFrame* other : frame->childFrames())
        if (other != child && other->document().Generation == child->document().Generation)
            chooser.answers.push_back(QString::fromStdString(other->document().PathName().string()));
    if (chooser.answers.empty()) return ok;
    ShowCompare(*frame);
    if (auto* compare = frame->findChild<FindingsWindow*>(QStringLiteral("CompareFiles"))) {
        ok = save(compare, QStringLiteral("53-compare")) && ok;
        compare->close();
    }
    return ok;
}

bool ShootPatchPreview(CMainFrame* frame, const std::function<bool(QWidget*, const QString&)>& save) {
    CChildFrame* child = frame->activeChild();
    if (!child) return false;
    const CQuorvantDoc& doc = child->document();
    // The unit most files carry, mended in two fields: where another file holds other values than this
    // one, the preview shows conflicts.
    int slot = 1;
    for (int s = 1; s < static_cast<int>(doc.Units.size()); ++s)
        if (doc.Units[static_cast<std::size_t>(s)].Name.trimmed() == "Command Section") slot = s;
    const CUnitRecord& unit = doc.Units[static_cast<std::size_t>(slot)];
    Patch patch{doc.Generation,
                {{kUnitTable,
                  slot,
                  unit.Name.trimmed(),
                  {{"Men", std::to_string(unit.Men), std::to_string(unit.Men + 1)},
                   {"Cost", std::to_string(unit.Cost), std::to_string(unit.Cost + 5)}}}}};
    auto* preview = new PatchPreviewWindow(*frame, {QStringLiteral("Apply Patch - mended.json"),
                                                    std::move(patch), QStringLiteral("Apply Patch"), false});
    preview->show();
    preview->findChild<QAbstractButton*>(QStringLiteral("PatchToEveryFile"))->click();
    preview->findChild<QAbstractButton*>(QStringLiteral("PatchByName"))->click();
    const bool ok = save(preview, QStringLiteral("58-apply-patch-preview"));
    preview->close();
    return ok;
}

bool ShootRecordCommands(CMainFrame* frame, const std::function<bool(QWidget*, const QString&)>& save) {
    CChildFrame* child = frame->activeChild();
    if (!child) return false;
    CUnitView* view = child->view();
    const int unitSlot = view->UnitRow + 1;
    bool ok = true;

    constexpr int kClickedSlot = 3;
    view->ShowRecord(kUnitTable, kClickedSlot);
    RecordSortProxy* rows = view->shownRows(kUnitTable);
    QTableView* list = view->reportView();
    const QRect cell = list->visualRect(rows->index(rows->proxyRow(kClickedSlot - 1), 1));
    const QPoint at = cell.topLeft() + QPoint(cell.width() / 3, cell.height() / 2);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ok = menu && SaveWithPopup(frame, menu, QStringLiteral("27-units-context-menu"), save);
    if (menu) menu->close();

    // The question is a modal box: it is pictured and answered from the loop it runs.
    const int weapon = MostCarriedWeapon(child->document());
    if (weapon > 0) {
        view->ShowRecord(kWeaponTable, weapon);
        bool asked = false;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, frame, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible() || asked) continue;
                asked = true;
                ok = save(box, QStringLiteral("28-clear-record-question")) && ok;
                box->button(QMessageBox::No)->click();
            }
        });
        poll.start();
        frame->action(ID_EDIT_CLEAR)->trigger();
        poll.stop();
        ok = asked && ok;
    }
    view->ShowRecord(kUnitTable, unitSlot);
    return ok;
}

} // namespace quorvant::ui
