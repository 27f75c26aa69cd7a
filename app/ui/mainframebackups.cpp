#include "app/ui/mainframe.h"

#include "app/ui/childframe.h"
#include "backups/backupsetting.h"
#include "backups/ui/backupsoptionsdialog.h"
#include "backups/ui/reverttodialog.h"
#include "obdata/overwriteguard.h"
#include "obdata/quorvantdoc.h"

namespace quorvant::ui {

void CMainFrame::UseBackups(const std::filesystem::path& folder) {
    backupStore_ = std::make_unique<BackupStore>(folder);
    // Read at each write, so a change in Options > Backups counts at once.
    backupGuard_ = std::make_unique<BackupGuard>(*backupStore_, [this] { return ReadBackupsKept(profile_); });
    InstallOverwriteGuard(
        [guard = backupGuard_.get()](const std::filesystem::path& path, int generation, std::string& error) {
            return guard->BeforeOverwrite(path, generation, error);
        });
    UpdateCommandStates();
}

void CMainFrame::OnBackupsOptions() {
    if (!backupStore_) return;
    BackupsOptionsDialog dialog(profile_, backupStore_->root(), this);
    dialog.exec();
}

void CMainFrame::OnRevertTo() {
    CChildFrame* child = activeChild();
    if (!child || !child->document().LoadedFromFile()) return;
    // Without a backup folder (a test's frame) only the file as last saved is offered.
    auto* dialog = new RevertToDialog(*this, *child->view(),
                                      backupStore_ ? backupStore_->root() : std::filesystem::path(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The versions and their counts stand for the document as it is while the window is open.
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->open();
}

} // namespace quorvant::ui
