#pragma once

#include "app/recentfiles.h"
#include "backups/backupguard.h"
#include "backups/backupstore.h"
#include "game/appsettings.h"
#include "workspace/ui/workspace.h"

#include <QMainWindow>
#include <QPointer>

#include <filesystem>
#include <map>
#include <memory>
#include <vector>

class QLabel;
class QMdiArea;
class QMenu;
class QMenuBar;
class QStackedWidget;
class QToolBar;

namespace quorvant {
class SettingsDialogs;
struct OBSubmenu;
} // namespace quorvant

namespace quorvant::ui {

class CChildFrame;
class CUnitView;
class HelpWindow;
class LockIndicators;
class MessagesWindow;

// The main window: a multiple-document area with the menus, toolbar and status bar, and the
// commands that open, save and close OB files.
class CMainFrame : public QMainWindow, public Workspace {
    Q_OBJECT
  public:
    CMainFrame(AppSettings& settings, Profile& profile, RecentFileList& recent, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The command numbered command (its object name); nullptr when there is none.
    QAction* action(int command) const;
    AppSettings& settings() const { return settings_; }
    // "BW&1 Files", "BW&2 Files", "BW&3 Files".
    QMenu* generationMenu(int generation) const;
    // Menu 111 while no document is open, 113 while one is.
    QMenuBar* currentMenuBar() const;
    QToolBar* toolBar() const { return toolBar_; }
    QMdiArea* mdiArea() const { return mdi_; }

    CChildFrame* activeChild() const;
    const std::vector<CChildFrame*>& childFrames() const { return children_; }

    // From now on each OB file is kept in folder (the profile's backup folder) before it is first
    // written over in the session, as Options > Backups says. Without it nothing is kept (tests).
    void UseBackups(const std::filesystem::path& folder);
    const BackupStore* backupStore() const { return backupStore_.get(); }
    // From now on each document's unsaved changes are journaled in folder (the profile's recovery
    // folder), and a journal a crash left there is offered when its file is opened.
    void UseRecovery(const std::filesystem::path& folder);
    // At start: offers each journal left behind (Recover opens its file with the changes, Discard
    // deletes it, Later keeps it for the next time).
    void OfferRecovery();
    // Writes every document's journal now rather than within the second.
    void FlushJournals();

    // Replaces the dialogs the Options commands run (not owned); nullptr restores the real ones.
    void setSettingsDialogs(SettingsDialogs* dialogs);

    // Opens path as a document and shows it, or brings forward the window already showing it.
    // Returns that window, or nullptr when the file could not be opened (the user was told why).
    CChildFrame* OpenDocumentFile(const QString& path);
    // The window of the document read from the file at path (the same file, however spelled), if open.
    CChildFrame* FindOpenDocument(const QString& path) const;
    void OnOpenByMenu(int command);
    void OnFileOpen();

    // Greys each generation's submenu while its install folder is unknown.
    void UpdateGenerationMenus();
    // Menu state, enabled and checked states of the commands, after anything that may change them.
    void UpdateCommandStates() override;

    // Window > Tabbed View: the documents as tabs rather than windows; kept in the profile.
    void SetTabbedView(bool tabbed);
    // Says what a command did in the status bar for a few seconds, shortened to the room there (whole as
    // the bar's tool tip), and keeps it in View > Messages.
    void ShowStatusMessage(const QString& text) override;
    MessagesWindow* messages() const { return messages_; }

    const AppSettings& Settings() const override { return settings_; }
    QWidget* Window() override { return this; }
    CUnitView* ActiveView() const override;
    CUnitView* OpenDocument(const QString& path) override;
    CUnitView* OpenView(const QString& path) const override;
    void Activate(CUnitView* view) override;
    QAction* Command(int command) const override { return action(command); }
    QLabel* documentSummary() const { return summary_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // mainframemenus.cpp
    void CreateActions();
    QAction* AddCommand(int command, const QString& text, const QList<QKeySequence>& shortcuts = {});
    QMenu* BuildSubmenu(const OBSubmenu& menu, QWidget* parent);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void FillWindowMenu();
    void RebuildRecentFiles();

    // mainframedocuments.cpp
    void AddChild(CChildFrame* child);
    void PlaceNewChild(CChildFrame* child);
    void CascadeWindows();
    void OnHideEmptySlots(bool hide);
    void RememberRecent(const QString& path);
    void OnSave(bool askForName);
    void OnCloseDocument();
    void OnCsvCommand(bool import);
    void OnUndoRedo(bool undo);
    void UpdateUndoCommands(CChildFrame* child);
    void OnViewMode(int mode);
    void OnReportStyle(bool report);
    void OnDirectories();
    void OnStartup();
    void OnAbout();
    void OnHelpTopics(const QString& topic = QString());
    // mainframebackups.cpp
    void OnBackupsOptions();
    void OnRevertTo();
    // mainframerecovery.cpp
    void AttachJournal(CChildFrame* child);
    // The user chose Later: the next start offers the journal as kept, not as left by a crash.
    void KeepForLater(const std::filesystem::path& journal);

    AppSettings& settings_;
    Profile& profile_;
    RecentFileList& recent_;
    std::unique_ptr<SettingsDialogs> ownDialogs_;
    SettingsDialogs* dialogs_ = nullptr;

    QMdiArea* mdi_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QStackedWidget* menuBars_ = nullptr;
    QMenuBar* noDocumentMenu_ = nullptr;
    QMenuBar* documentMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QLabel* summary_ = nullptr;
    std::map<int, QAction*> actions_;
    QMenu* generationMenus_[3] = {};
    std::vector<QAction*> recentActions_;
    QAction* recentPlaceholder_ = nullptr;
    LockIndicators* indicators_ = nullptr;
    QPointer<HelpWindow> help_;
    MessagesWindow* messages_ = nullptr;
    std::vector<CChildFrame*> children_;
    std::unique_ptr<BackupStore> backupStore_;
    std::unique_ptr<BackupGuard> backupGuard_;
    std::filesystem::path recoveryFolder_;
    // The journal the user chose to recover, while its file is being opened.
    std::filesystem::path recovering_;
};

} // namespace quorvant::ui
