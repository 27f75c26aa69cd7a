#include "analysis/ui/designertoolshots.h"

#include "analysis/ui/designertools.h"
#include "analysis/ui/finddialog.h"
#include "app/commandids.h"
#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/filechooser.h"

#include <QComboBox>
#include <QLineEdit>

namespace quorvant::ui {

bool ShootDesignerTools(CMainFrame* frame, const std::function<bool(QWidget*, const QString&)>& save) {
    CChildFrame* child = frame->activeChild();
    if (!child) return false;
    bool ok = true;

    auto* find = new FindDialog(frame);
    find->textBox()->setText(QStringLiteral("tank"));
    find->scopeBox()->setCurrentIndex(1);
    find->show();
    find->Find();
    ok = save(find, QStringLiteral("51-find")) && ok;
    find->close();

    ShowReferenceCheck(frame);
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
    ShowCompare(frame);
    if (auto* compare = frame->findChild<FindingsWindow*>(QStringLiteral("CompareFiles"))) {
        ok = save(compare, QStringLiteral("53-compare")) && ok;
        compare->close();
    }
    return ok;
}

} // namespace quorvant::ui
