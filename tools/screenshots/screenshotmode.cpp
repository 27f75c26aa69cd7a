#include "tools/screenshots/screenshotmode.h"

#include "app/ui/aboutbox.h"
#include "app/ui/childframe.h"
#include "app/ui/helpwindow.h"
#include "app/ui/mainframe.h"
#include "app/ui/messageswindow.h"
#include "app/ui/quorvantapp.h"
#include "game/settingsroutine.h"
#include "game/ui/gamedefaultsdialog.h"
#include "game/ui/setpathsdialog.h"
#include "obdata/quorvantdoc.h"
#include "tools/screenshots/backupshots.h"
#include "tools/screenshots/designertoolshots.h"
#include "tools/screenshots/gamemanagershots.h"
#include "tools/screenshots/manyrecordshots.h"
#include "tools/screenshots/pictureshots.h"
#include "tools/screenshots/shotfile.h"
#include "tools/screenshots/tableeditorshots.h"
#include "tools/screenshots/unitsheetshots.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTextStream>

namespace quorvant::ui {
namespace {

// The pictures are taken of a set-up profile; nothing may stop to ask.
class NoDialogs : public SettingsDialogs {
  public:
    bool RunSetPaths(AppSettings&) override { return false; }
    bool RunGameDefaults(AppSettings&) override { return false; }
};

} // namespace

int RunScreenshotMode(Profile& profile, const QString& folderName) {
    QDir folder(folderName);
    if (!folder.mkpath(QStringLiteral("."))) return 1;
    NoDialogs dialogs;
    CQuorvantApp app(profile, &dialogs);
    app.InitInstance({});
    CMainFrame* frame = app.mainFrame();
    frame->resize(1180, 760);
    bool ok = SaveScreenshot(frame, folder, QStringLiteral("01-start"));
    const auto save = [&](QWidget* w, const QString& name) { return SaveScreenshot(w, folder, name); };

    struct Shot {
        int command;
        int mode;
        const char* name;
    };
    static const Shot kShots[] = {{32842, kViewUnits, "02-bw1-units"},
                                  {32791 + 31, kViewWeapons, "03-bw2-weapons"},
                                  {32822 + 70, kViewFormations, "04-bw3-formations"},
                                  {32847 + 12, kViewUnits, "05-bw3-units"}};
    for (const Shot& shot : kShots) {
        frame->OnOpenByMenu(shot.command);
        CChildFrame* child = frame->activeChild();
        if (!child) {
            QTextStream(stderr) << "could not open the file of command " << shot.command << Qt::endl;
            ok = false;
            continue;
        }
        child->showMaximized();
        if (child->document().ViewMode != shot.mode) frame->action(ViewModeCommand(shot.mode))->trigger();
        ok = SaveScreenshot(frame, folder, QString::fromLatin1(shot.name)) && ok;
    }
    ok = ShootRecordCommands(frame, save) && ok;
    frame->mdiArea()->tileSubWindows();
    ok = SaveScreenshot(frame, folder, QStringLiteral("06-tiled")) && ok;
    ok = ShootUnitSheets(*frame, save) && ok;
    ok = ShootFormationAndWeaponEditors(*frame, save) && ok;

    // The last document as a tab, sorted by cost (dearest first) with its empty slots hidden.
    frame->SetTabbedView(true);
    if (CChildFrame* child = frame->activeChild()) {
        constexpr int kCostColumn = 2;
        child->view()->SortByColumn(kCostColumn);
        child->view()->SortByColumn(kCostColumn);
        frame->action(ID_VIEW_HIDE_EMPTY)->trigger();
        frame->ShowStatusMessage(QStringLiteral("Sorted by Cost, dearest first"));
        ok = SaveScreenshot(frame, folder, QStringLiteral("50-sorted-tabbed")) && ok;
        frame->action(ID_VIEW_HIDE_EMPTY)->trigger();
        child->view()->SortByColumn(kCostColumn);
    }
    frame->SetTabbedView(false);
    ok = ShootDesignerTools(frame, save) && ok;
    ok = ShootManyRecords(frame, save) && ok;
    ok = ShootPatchPreview(frame, save) && ok;

    // The reports of the pictures above and of a save (of the demo copy), as View > Messages lists them;
    // the save keeps a backup, which Revert To then offers.
    QTemporaryDir backups;
    frame->UseBackups(std::filesystem::path(backups.path().toStdString()));
    if (CChildFrame* child = frame->activeChild()) {
        CQuorvantDoc& doc = child->document();
        doc.Units[1].Cost = static_cast<std::uint8_t>(doc.Units[1].Cost + 5);
        doc.RecordStep("Edit Cost", {{{}, {1}, {}}});
    }
    frame->action(ID_FILE_SAVE)->trigger();
    ok = ShootBackups(frame, save) && ok;
    frame->action(ID_VIEW_MESSAGES)->trigger();
    ok = SaveScreenshot(frame->messages(), folder, QStringLiteral("54-messages")) && ok;
    frame->messages()->close();

    CSetPathsDlg paths(app.settings(), profile, frame);
    paths.show();
    ok = SaveScreenshot(&paths, folder, QStringLiteral("07-set-paths")) && ok;
    paths.reject();
    CGameDefaultsDlg defaults(app.settings(), profile, frame);
    defaults.show();
    ok = SaveScreenshot(&defaults, folder, QStringLiteral("08-game-defaults")) && ok;
    defaults.reject();
    CAboutDlg about(frame);
    about.show();
    ok = SaveScreenshot(&about, folder, QStringLiteral("09-about")) && ok;
    about.reject();
    // The help page where it starts and at its widest part, the keyboard tables.
    auto* help = new HelpWindow(frame);
    for (const char* topic : {"", "keys"}) {
        help->ShowTopic(QString::fromLatin1(topic), frame);
        ok = SaveScreenshot(help, folder,
                            *topic ? QStringLiteral("80-help-keys") : QStringLiteral("80-help")) &&
             ok;
    }
    help->close();
    ok = SaveGameManagerShots(app.settings(), frame, folder) && ok;
    ok = SavePictureScreenshots(frame, app.settings(), folder) && ok;

    // Nothing was changed, so closing asks nothing.
    frame->close();
    return ok ? 0 : 1;
}

} // namespace quorvant::ui
