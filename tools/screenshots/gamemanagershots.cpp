#include "tools/screenshots/gamemanagershots.h"

#include "gamemgr/ui/gamemanagerdlg.h"
#include "platform/ui/promptservice.h"
#include "tools/screenshots/shotfile.h"

#include <tuple>

namespace quorvant::ui {

bool SaveGameManagerShots(const AppSettings& settings, QWidget* parent, const QDir& folder) {
    bool ok = true;
    const std::pair<int, const char*> shots[] = {{1163, "60-game-manager-bw1-email"},
                                                 {1166, "61-game-manager-bw3"}};
    for (auto [button, name] : shots) {
        CGameManagerDlg dialog(settings, parent);
        dialog.SelectMode(button);
        dialog.selectRow(button == 1163 ? 2 : 1);
        dialog.show();
        ok = SaveScreenshot(&dialog, folder, QString::fromLatin1(name)) && ok;
        dialog.reject();
    }
    // The archive list in use: a slot packed, picked in the archive list so its buttons show.
    const std::tuple<int, int, const char*> archiveShots[] = {
        {1166, 15, "62-game-manager-bw3-archives"}, {1163, 2, "63-game-manager-bw1-email-archives"}};
    for (auto [button, row, name] : archiveShots) {
        CGameManagerDlg dialog(settings, parent);
        dialog.SelectMode(button);
        dialog.show();
        dialog.selectRow(row);
        if (auto* archives = dialog.findChild<QWidget*>(QStringLiteral("1361"))) archives->setFocus();
        dialog.selectArchiveRow(row);
        ok = SaveScreenshot(&dialog, folder, QString::fromLatin1(name)) && ok;
        dialog.reject();
    }
    // A slot just zipped, the status line saying so. Only a slot without an archive is packed: a
    // replace prompt is answered No, so a folder shot before keeps what it had.
    {
        ScriptedPrompts prompts;
        prompts.answers = {PromptAnswer::No};
        CGameManagerDlg dialog(settings, parent);
        dialog.SelectMode(1166);
        dialog.show();
        dialog.selectRow(1);
        dialog.OnZip();
        ok = SaveScreenshot(&dialog, folder, QStringLiteral("64-game-manager-bw3-zipped")) && ok;
        dialog.reject();
    }
    return ok;
}

} // namespace quorvant::ui
