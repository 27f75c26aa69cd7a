// The main frame's commands, menus, toolbar and status bar.

#include "analysis/ui/designertools.h"
#include "analysis/ui/fieldchangecommands.h"
#include "analysis/ui/patchcommands.h"
#include "analysis/ui/recordcommands.h"
#include "app/ui/childframe.h"
#include "app/ui/lockindicators.h"
#include "app/ui/mainframe.h"
#include "app/ui/messageswindow.h"
#include "app/ui/programart.h"
#include "editors/ui/editorhost.h"
#include "editors/ui/recordeditor.h"
#include "exchange/ui/recordtransfer.h"
#include "game/obmenu.h"
#include "gamemgr/ui/gamemanagerdlg.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "pictures/ui/xrefcommand.h"
#include "views/columnsets.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

namespace quorvant::ui {
namespace {

QKeySequence Keys(const char* text) {
    return QKeySequence(QString::fromLatin1(text));
}

// Lines the minimized windows up along the bottom of the area, left to right, row above row.
void ArrangeMinimizedWindows(QMdiArea* area) {
    const QSize room = area->viewport()->size();
    int x = 0;
    int bottom = room.height();
    for (QMdiSubWindow* w : area->subWindowList()) {
        if (!w->isMinimized()) continue;
        QSize size = w->size();
        if (x > 0 && x + size.width() > room.width()) {
            x = 0;
            bottom -= size.height();
        }
        w->move(x, bottom - size.height());
        x += size.width();
    }
}

} // namespace

QAction* CMainFrame::AddCommand(int command, const QString& text, const QList<QKeySequence>& shortcuts) {
    auto* a = new QAction(text, this);
    a->setObjectName(QString::number(command));
    QString prompt = QString::fromLatin1(CommandStatusTip(command));
    int split = prompt.indexOf(QLatin1Char('\n'));
    a->setStatusTip(split < 0 ? prompt : prompt.left(split));
    if (split >= 0) a->setToolTip(prompt.mid(split + 1));
    a->setWhatsThis(a->statusTip());
    a->setIcon(CommandIcon(command));
    a->setIconVisibleInMenu(false);
    a->setShortcuts(shortcuts);
    // Shortcuts work whichever menu bar is showing.
    addAction(a);
    actions_[command] = a;
    return a;
}

void CMainFrame::CreateActions() {
    connect(AddCommand(ID_FILE_OPEN, QStringLiteral("&Open..."), {Keys("Ctrl+O")}), &QAction::triggered, this,
            &CMainFrame::OnFileOpen);
    connect(AddCommand(ID_FILE_CLOSE, QStringLiteral("&Close"), {Keys("Ctrl+W"), Keys("Ctrl+F4")}),
            &QAction::triggered, this, &CMainFrame::OnCloseDocument);
    connect(AddCommand(ID_FILE_SAVE, QStringLiteral("&Save"), {Keys("Ctrl+S")}), &QAction::triggered, this,
            [this] { OnSave(false); });
    connect(AddCommand(ID_FILE_SAVE_AS, QStringLiteral("Save &As...")), &QAction::triggered, this,
            [this] { OnSave(true); });
    connect(AddCommand(ID_FILE_EXPORT, QStringLiteral("&Export")), &QAction::triggered, this,
            [this] { OnCsvCommand(false); });
    connect(AddCommand(ID_FILE_IMPORT, QStringLiteral("&Import")), &QAction::triggered, this,
            [this] { OnCsvCommand(true); });
    connect(AddCommand(ID_GAME_MANAGER, QStringLiteral("&Game Manager...")), &QAction::triggered, this,
            [this] { CGameManagerDlg(settings_, this).exec(); });
    connect(AddCommand(ID_APP_EXIT, QStringLiteral("E&xit"), {Keys("Ctrl+Q")}), &QAction::triggered, this,
            &QWidget::close);

    // Commands of features still to come: present, greyed.
    AddCommand(ID_FILE_NEW, QStringLiteral("&New"), {Keys("Ctrl+N")})->setEnabled(false);
    connect(AddCommand(ID_EDIT_UNDO, QStringLiteral("&Undo"), {Keys("Ctrl+Z"), Keys("Alt+Backspace")}),
            &QAction::triggered, this, [this] { OnUndoRedo(true); });
    connect(AddCommand(ID_EDIT_REDO, QStringLiteral("&Redo"), {Keys("Ctrl+Y"), Keys("Ctrl+Shift+Z")}),
            &QAction::triggered, this, [this] { OnUndoRedo(false); });
    AddCommand(ID_EDIT_CUT, QStringLiteral("Cu&t"), {Keys("Ctrl+X"), Keys("Shift+Del")});
    AddCommand(ID_EDIT_COPY, QStringLiteral("&Copy"), {Keys("Ctrl+C"), Keys("Ctrl+Ins")});
    AddCommand(ID_EDIT_PASTE, QStringLiteral("&Paste"), {Keys("Ctrl+V"), Keys("Shift+Ins")});
    AddCommand(ID_EDIT_CLEAR, QStringLiteral("Cle&ar Record"), {Keys("Del")});
    AddCommand(ID_TOOLS_FIND_REFERENCES, QStringLiteral("&Find References"));
    AddCommand(ID_EDIT_COPY_TO_FILES, QStringLiteral("Copy to &Other Files..."));
    InstallTransferCommands(*this);
    InstallRecordCommands(*this);
    AddCommand(ID_EDIT_CHANGE_FIELD, QStringLiteral("C&hange Field..."), {Keys("Ctrl+E")});
    AddCommand(ID_VIEW_SELECT_FILTERED, QStringLiteral("S&elect Filtered"));
    AddCommand(ID_EDIT_SELECT_ALL, QStringLiteral("Select A&ll"), {Keys("Ctrl+A")});
    InstallFieldChangeCommands(*this);
    connect(AddCommand(ID_VIEW_LBM_CROSS_REFERENCE, QStringLiteral("View LBM &Cross Reference...")),
            &QAction::triggered, this, [this] { RunLbmCrossReference(*this); });
    AddCommand(ID_OPTIONS_DELETE_REG_KEYS, QStringLiteral("Delete &Reg Keys"))->setEnabled(false);

    QAction* toolbar = AddCommand(ID_VIEW_TOOLBAR, QStringLiteral("&Toolbar"));
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    QAction* status = AddCommand(ID_VIEW_STATUS_BAR, QStringLiteral("&Status Bar"));
    status->setCheckable(true);
    status->setChecked(true);
    connect(AddCommand(ID_VIEW_MESSAGES, QStringLiteral("&Messages")), &QAction::triggered, this,
            [this] { messages_->ShowOver(this); });
    connect(toolbar, &QAction::toggled, this, [this](bool on) { toolBar_->setVisible(on); });
    connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    connect(AddCommand(ID_OPTIONS_STARTUP, QStringLiteral("&Startup")), &QAction::triggered, this,
            &CMainFrame::OnStartup);
    connect(AddCommand(ID_OPTIONS_DIRECTORIES, QStringLiteral("&Directories")), &QAction::triggered, this,
            &CMainFrame::OnDirectories);
    connect(AddCommand(ID_OPTIONS_BACKUPS, QStringLiteral("&Backups...")), &QAction::triggered, this,
            &CMainFrame::OnBackupsOptions);
    connect(AddCommand(ID_FILE_REVERT_TO, QStringLiteral("Re&vert To...")), &QAction::triggered, this,
            &CMainFrame::OnRevertTo);

    connect(AddCommand(ID_WINDOW_CASCADE, QStringLiteral("&Cascade")), &QAction::triggered, this,
            &CMainFrame::CascadeWindows);
    connect(AddCommand(ID_WINDOW_TILE_HORZ, QStringLiteral("&Tile")), &QAction::triggered, mdi_,
            &QMdiArea::tileSubWindows);
    connect(AddCommand(ID_WINDOW_ARRANGE, QStringLiteral("&Arrange Icons")), &QAction::triggered, this,
            [this] { ArrangeMinimizedWindows(mdi_); });
    connect(AddCommand(ID_EDIT_FIND, QStringLiteral("&Find..."), {Keys("Ctrl+F")}), &QAction::triggered, this,
            [this] { ShowFind(*this); });
    connect(AddCommand(ID_EDIT_FILTER, QStringLiteral("F&ilter"), {Keys("Ctrl+L")}), &QAction::triggered,
            this, [this] {
                if (CChildFrame* child = activeChild()) child->view()->FocusFilter();
            });
    connect(AddCommand(ID_TOOLS_CHECK_REFERENCES, QStringLiteral("Check &References")), &QAction::triggered,
            this, [this] { ShowReferenceCheck(*this); });
    connect(AddCommand(ID_FILE_COMPARE, QStringLiteral("Co&mpare With...")), &QAction::triggered, this,
            [this] { ShowCompare(*this); });
    connect(AddCommand(ID_FILE_EXPORT_CHANGES, QStringLiteral("Export C&hanges...")), &QAction::triggered,
            this, [this] { ExportChanges(*this); });
    connect(AddCommand(ID_TOOLS_APPLY_PATCH, QStringLiteral("Apply &Patch...")), &QAction::triggered, this,
            [this] { ApplyPatchFile(*this); });
    QAction* tabbed = AddCommand(ID_WINDOW_TABBED, QStringLiteral("Ta&bbed View"));
    tabbed->setCheckable(true);
    connect(tabbed, &QAction::triggered, this, &CMainFrame::SetTabbedView);
    QAction* hideEmpty = AddCommand(ID_VIEW_HIDE_EMPTY, QStringLiteral("&Hide Empty Slots"));
    hideEmpty->setCheckable(true);
    connect(hideEmpty, &QAction::triggered, this, &CMainFrame::OnHideEmptySlots);
    connect(AddCommand(ID_NEXT_PANE, QStringLiteral("Next Window"), {Keys("F6")}), &QAction::triggered, mdi_,
            &QMdiArea::activateNextSubWindow);
    connect(AddCommand(ID_PREV_PANE, QStringLiteral("Previous Window"), {Keys("Shift+F6")}),
            &QAction::triggered, mdi_, &QMdiArea::activatePreviousSubWindow);

    connect(AddCommand(ID_HELP_FINDER, QStringLiteral("&Help Topics\tF1")), &QAction::triggered, this,
            [this] { OnHelpTopics(); });
    connect(AddCommand(ID_HELP, QStringLiteral("Help"), {Keys("F1")}), &QAction::triggered, this,
            [this] { OnHelpTopics(); });
    connect(AddCommand(ID_CONTEXT_HELP, QStringLiteral("What's This?"), {Keys("Shift+F1")}),
            &QAction::triggered, this, [] { QWhatsThis::enterWhatsThisMode(); });
    connect(AddCommand(ID_APP_ABOUT, QStringLiteral("&About Quorvant...")), &QAction::triggered, this,
            &CMainFrame::OnAbout);

    static const char* const kModeTexts[] = {"&Weapons", "&Units", "&Formations"};
    for (int mode : {kViewWeapons, kViewUnits, kViewFormations}) {
        QAction* a = AddCommand(ViewModeCommand(mode), QString::fromLatin1(kModeTexts[mode]));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, mode] { OnViewMode(mode); });
    }
    QAction* list = AddCommand(ID_VIEW_LIST, QStringLiteral("&List"));
    QAction* report = AddCommand(ID_VIEW_REPORT, QStringLiteral("&Report"));
    for (QAction* a : {list, report}) a->setCheckable(true);
    connect(list, &QAction::triggered, this, [this] { OnReportStyle(false); });
    connect(report, &QAction::triggered, this, [this] { OnReportStyle(true); });

    for (int i = 0; i < RecentFileList::kSize; ++i) {
        QAction* a = AddCommand(ID_FILE_MRU_FILE1 + i, QString());
        connect(a, &QAction::triggered, this, [this, i] {
            if (i < static_cast<int>(recent_.Entries().size()))
                OpenDocumentFile(QString::fromStdString(recent_.Entries()[i]));
        });
        recentActions_.push_back(a);
    }
    recentPlaceholder_ = new QAction(QStringLiteral("Recent File"), this);
    recentPlaceholder_->setEnabled(false);
}

QMenu* CMainFrame::BuildSubmenu(const OBSubmenu& source, QWidget* parent) {
    auto* menu = new QMenu(QString::fromStdString(source.label), parent);
    for (const OBSubmenu& sub : source.submenus) menu->addMenu(BuildSubmenu(sub, menu));
    for (const OBMenuEntry& entry : source.entries) {
        auto* a = new QAction(QString::fromStdString(entry.label), menu);
        a->setObjectName(QString::number(entry.command));
        a->setStatusTip(QStringLiteral("Open the OB file %1").arg(QString::fromStdString(entry.file)));
        connect(a, &QAction::triggered, this, [this, command = entry.command] { OnOpenByMenu(command); });
        menu->addAction(a);
        actions_[entry.command] = a;
    }
    return menu;
}

void CMainFrame::CreateMenus() {
    for (int generation : {kBW1, kBW2, kBW3}) {
        generationMenus_[generation] = BuildSubmenu(OBFileMenus()[generation], this);
        generationMenus_[generation]->menuAction()->setObjectName(
            QStringLiteral("GenerationMenu%1").arg(generation + 1));
    }

    auto shared = [this](const QString& title, std::initializer_list<int> commands) {
        auto* menu = new QMenu(title, this);
        for (int command : commands)
            command ? (void)menu->addAction(action(command)) : (void)menu->addSeparator();
        return menu;
    };
    QMenu* view = shared(QStringLiteral("&View"), {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_MESSAGES});
    // The toolbar's table and style buttons have their entries here, for the keyboard.
    QMenu* documentView =
        shared(QStringLiteral("&View"),
               {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_MESSAGES, 0, ViewModeCommand(kViewWeapons),
                ViewModeCommand(kViewUnits), ViewModeCommand(kViewFormations), 0, ID_VIEW_LIST,
                ID_VIEW_REPORT, 0, ID_VIEW_HIDE_EMPTY, ID_VIEW_SELECT_FILTERED});
    QMenu* options = shared(QStringLiteral("&Options"), {ID_OPTIONS_STARTUP, ID_OPTIONS_DIRECTORIES,
                                                         ID_OPTIONS_BACKUPS, 0, ID_OPTIONS_DELETE_REG_KEYS});
    QMenu* tools = shared(QStringLiteral("&Tools"), {ID_GAME_MANAGER, ID_VIEW_LBM_CROSS_REFERENCE});
    QMenu* documentTools = shared(QStringLiteral("&Tools"),
                                  {ID_GAME_MANAGER, ID_VIEW_LBM_CROSS_REFERENCE, 0, ID_TOOLS_CHECK_REFERENCES,
                                   ID_TOOLS_FIND_REFERENCES, 0, ID_TOOLS_APPLY_PATCH});
    QMenu* help = shared(QStringLiteral("&Help"), {ID_HELP_FINDER, 0, ID_APP_ABOUT});
    QMenu* edit = shared(QStringLiteral("&Edit"),
                         {ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
                          ID_EDIT_CLEAR, 0, ID_EDIT_SELECT_ALL, ID_EDIT_CHANGE_FIELD, ID_EDIT_COPY_TO_FILES,
                          0, ID_EDIT_FIND, ID_EDIT_FILTER});
    windowMenu_ = shared(QStringLiteral("&Window"),
                         {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE, 0, ID_WINDOW_TABBED});
    connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::FillWindowMenu);

    auto fileMenu = [this](bool withDocument) {
        auto* file = new QMenu(QStringLiteral("&File"), this);
        for (QMenu* generation : generationMenus_) file->addMenu(generation);
        file->addSeparator();
        file->addAction(action(ID_FILE_OPEN));
        if (withDocument) {
            for (int command : {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_REVERT_TO})
                file->addAction(action(command));
            file->addSeparator();
            file->addAction(action(ID_FILE_EXPORT));
            file->addAction(action(ID_FILE_IMPORT));
            file->addSeparator();
            file->addAction(action(ID_FILE_COMPARE));
            file->addAction(action(ID_FILE_EXPORT_CHANGES));
        }
        file->addSeparator();
        // In a submenu of their own, the recent files' numbers never clash with "BW&1 Files".
        file->addMenu(recentMenu_);
        file->addSeparator();
        file->addAction(action(ID_APP_EXIT));
        return file;
    };

    recentMenu_ = new QMenu(QStringLiteral("&Recent Files"), this);
    recentMenu_->menuAction()->setObjectName(QStringLiteral("RecentFilesMenu"));
    recentMenu_->addAction(recentPlaceholder_);
    for (QAction* a : recentActions_) recentMenu_->addAction(a);

    menuBars_ = new QStackedWidget(this);
    noDocumentMenu_ = new QMenuBar(menuBars_);
    noDocumentMenu_->setObjectName(QStringLiteral("111"));
    for (QMenu* menu : {fileMenu(false), view, options, tools, help}) noDocumentMenu_->addMenu(menu);
    documentMenu_ = new QMenuBar(menuBars_);
    documentMenu_->setObjectName(QStringLiteral("113"));
    for (QMenu* menu : {fileMenu(true), edit, documentView, options, documentTools, windowMenu_, help})
        documentMenu_->addMenu(menu);
    menuBars_->addWidget(noDocumentMenu_);
    menuBars_->addWidget(documentMenu_);
    setMenuWidget(menuBars_);
}

void CMainFrame::FillWindowMenu() {
    // The open windows follow the fixed entries, numbered, the active one checked.
    for (QAction* a : windowMenu_->actions())
        if (a->property("windowEntry").toBool()) delete a;
    QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    if (!windows.isEmpty()) windowMenu_->addSeparator()->setProperty("windowEntry", true);
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* w = windows[i];
        // A document with unsaved changes carries the mark its title bar shows.
        QString title = w->windowTitle().replace(QStringLiteral("[*]"),
                                                 w->isWindowModified() ? QStringLiteral(" *") : QString());
        QAction* a = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        a->setProperty("windowEntry", true);
        a->setCheckable(true);
        a->setChecked(w == mdi_->currentSubWindow());
        connect(a, &QAction::triggered, this, [this, w] { mdi_->setActiveSubWindow(w); });
    }
    // The record editors too, so one hidden behind the main window can be found.
    int number = static_cast<int>(windows.size());
    for (CChildFrame* child : children_) {
        for (int kind : {kWeaponTable, kUnitTable, kFormationTable}) {
            QPointer<CRecordEditor> editor = child->editors()->editor(kind);
            if (!editor || editor->IsFinished()) continue;
            QAction* a = windowMenu_->addAction(
                QStringLiteral("&%1 %2 - %3")
                    .arg(++number)
                    .arg(editor->windowTitle(), child->windowTitle().remove(QStringLiteral("[*]"))));
            a->setProperty("windowEntry", true);
            connect(a, &QAction::triggered, this, [editor] {
                if (editor) editor->BringToFront();
            });
        }
    }
}

void CMainFrame::RebuildRecentFiles() {
    const std::vector<std::string>& entries = recent_.Entries();
    recentPlaceholder_->setVisible(entries.empty());
    for (int i = 0; i < static_cast<int>(recentActions_.size()); ++i) {
        QAction* a = recentActions_[i];
        bool used = i < static_cast<int>(entries.size());
        a->setVisible(used);
        if (!used) continue;
        QString path = QDir::toNativeSeparators(QString::fromStdString(entries[i]));
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        a->setStatusTip(QStringLiteral("Open %1").arg(path));
    }
}

void CMainFrame::CreateToolBar() {
    toolBar_ = new QToolBar(QStringLiteral("Standard"), this);
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    static const int kButtons[] = {ID_FILE_OPEN,
                                   ID_FILE_SAVE,
                                   0,
                                   ID_EDIT_CUT,
                                   ID_EDIT_COPY,
                                   ID_EDIT_PASTE,
                                   0,
                                   ID_EDIT_UNDO,
                                   ID_EDIT_REDO,
                                   0,
                                   ID_APP_ABOUT,
                                   0,
                                   ID_UNIT_EDITOR,
                                   ID_FORMATION_EDITOR,
                                   ID_WEAPON_EDITOR,
                                   0,
                                   ID_VIEW_LIST,
                                   ID_VIEW_REPORT,
                                   0,
                                   ID_VIEW_LBM_CROSS_REFERENCE,
                                   ID_GAME_MANAGER};
    for (int command : kButtons)
        command ? (void)toolBar_->addAction(action(command)) : (void)toolBar_->addSeparator();
    addToolBar(Qt::TopToolBarArea, toolBar_);
    // Closing the bar from its own context menu keeps the View menu's check mark true.
    connect(toolBar_, &QToolBar::visibilityChanged, action(ID_VIEW_TOOLBAR), [this](bool visible) {
        if (!isHidden()) action(ID_VIEW_TOOLBAR)->setChecked(visible);
    });
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    auto* ready = new QLabel(QStringLiteral("Ready"), bar);
    ready->setObjectName(QStringLiteral("MessagePane"));
    bar->addWidget(ready, 1);
    summary_ = new QLabel(bar);
    summary_->setObjectName(QStringLiteral("DocumentSummary"));
    bar->addPermanentWidget(summary_);
    indicators_ = new LockIndicators(bar);
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty()) bar->setToolTip(QString());
    });
    messages_ = new MessagesWindow(this);
}

} // namespace quorvant::ui
