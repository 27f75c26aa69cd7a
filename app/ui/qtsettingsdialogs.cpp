#include "app/ui/qtsettingsdialogs.h"

#include "app/ui/gamedefaultsdialog.h"
#include "app/ui/setpathsdialog.h"

namespace quorvant::ui {

bool QtSettingsDialogs::RunSetPaths(AppSettings& settings) {
    CSetPathsDlg dialog(settings, profile_, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtSettingsDialogs::RunGameDefaults(AppSettings& settings) {
    CGameDefaultsDlg dialog(settings, profile_, parent_);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace quorvant::ui
