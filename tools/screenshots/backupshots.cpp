#include "tools/screenshots/backupshots.h"

#include "app/ui/mainframe.h"
#include "backups/ui/backupsoptionsdialog.h"
#include "backups/ui/reverttodialog.h"
#include "game/profile.h"
#include "workspace/commandids.h"

#include <QAction>

namespace quorvant::ui {

bool ShootBackups(CMainFrame* frame, const std::function<bool(QWidget*, const QString&)>& save) {
    if (!frame->backupStore()) return false;
    MemoryProfile untouched;
    BackupsOptionsDialog options(untouched, frame->backupStore()->root(), frame);
    options.show();
    bool ok = save(&options, QStringLiteral("65-backups-options"));
    options.reject();

    frame->action(ID_FILE_REVERT_TO)->trigger();
    auto* revert = frame->findChild<RevertToDialog*>();
    ok = revert && save(revert, QStringLiteral("66-revert-to")) && ok;
    if (revert) revert->reject();
    return ok;
}

} // namespace quorvant::ui
