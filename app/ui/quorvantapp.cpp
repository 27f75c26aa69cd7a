#include "app/ui/quorvantapp.h"

#include "app/ui/mainframe.h"
#include "backups/profilefolder.h"
#include "game/settingsroutine.h"
#include "game/ui/qtsettingsdialogs.h"

#include <QCoreApplication>

namespace quorvant::ui {

CQuorvantApp::CQuorvantApp(Profile& profile, SettingsDialogs* dialogs, std::filesystem::path profileFolder)
    : profile_(profile), dialogs_(dialogs), profileFolder_(std::move(profileFolder)) {
    if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

CQuorvantApp::~CQuorvantApp() = default;

bool CQuorvantApp::InitInstance(const QStringList& files) {
    recent_.Load(profile_);
    frame_ = std::make_unique<CMainFrame>(settings_, profile_, recent_);
    if (!profileFolder_.empty()) {
        frame_->UseBackups(BackupRoot(profileFolder_));
        frame_->UseRecovery(profileFolder_ / "recovery");
    }
    if (dialogs_) frame_->setSettingsDialogs(dialogs_);
    for (const QString& file : files) frame_->OpenDocumentFile(file);
    frame_->show();
    frame_->repaint();
    RunSettingsRoutine();
    frame_->OfferRecovery();
    return true;
}

void CQuorvantApp::RunSettingsRoutine() {
    QtSettingsDialogs realDialogs(profile_, frame_.get());
    quorvant::RunSettingsRoutine(profile_, dialogs_ ? *dialogs_ : realDialogs, settings_);
    if (frame_) frame_->UpdateGenerationMenus();
}

bool CQuorvantApp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == kRerunSettingsEvent && watched == QCoreApplication::instance()) {
        RunSettingsRoutine();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorvant::ui
