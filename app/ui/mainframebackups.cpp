#include "app/ui/mainframe.h"

#include "backups/backupsetting.h"
#include "backups/ui/backupsoptionsdialog.h"
#include "obdata/overwriteguard.h"

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

} // namespace quorvant::ui
