#include "game/ui/qtsettingsdialogs.h"

#include "game/ui/gamedefaultsdialog.h"
#include "game/ui/setpathsdialog.h"

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
