#pragma once

#include "app/recentfiles.h"
#include "game/appsettings.h"

#include <QEvent>
#include <QObject>
#include <QStringList>

#include <filesystem>
#include <memory>

namespace quorvant {
class SettingsDialogs;
}

namespace quorvant::ui {

class CMainFrame;

// Posted to the application object, it runs the settings routine again.
inline const QEvent::Type kRerunSettingsEvent = static_cast<QEvent::Type>(QEvent::User + 1234);

// The application object: owns the settings, the recent-file list and the main frame, and runs the
// start-up sequence.
class CQuorvantApp : public QObject {
    Q_OBJECT
  public:
    // dialogs runs the settings dialogs; nullptr shows the real ones. profileFolder: where the
    // program keeps its own files (the backups); empty keeps none there.
    explicit CQuorvantApp(Profile& profile, SettingsDialogs* dialogs = nullptr,
                          std::filesystem::path profileFolder = {});
    ~CQuorvantApp() override;

    // The start-up sequence: loads the recent files, creates and shows the main frame, opens the
    // files named on the command line, and runs the settings routine.
    bool InitInstance(const QStringList& files);
    void RunSettingsRoutine();

    CMainFrame* mainFrame() const { return frame_.get(); }
    AppSettings& settings() { return settings_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Profile& profile_;
    SettingsDialogs* dialogs_;
    std::filesystem::path profileFolder_;
    AppSettings settings_;
    RecentFileList recent_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace quorvant::ui
