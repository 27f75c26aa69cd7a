#include "app/ui/mainframe.h"

#include "analysis/ui/recordcommands.h"
#include "app/ui/childframe.h"
#include "app/ui/helpwindow.h"
#include "app/ui/messageswindow.h"
#include "app/ui/programart.h"
#include "editors/ui/editorhost.h"
#include "exchange/ui/recordtransfer.h"
#include "game/profile.h"
#include "game/ui/qtsettingsdialogs.h"
#include "obdata/docsummary.h"
#include "obdata/generation.h"
#include "obdata/overwriteguard.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/helptopics.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>

namespace quorvant::ui {
namespace {

// The program's own window settings, apart from the values the game's tools share.
const char* const kWindowSection = "Window";
const char* const kTabbedViewValue = "Tabbed View";

} // namespace

CMainFrame::CMainFrame(AppSettings& settings, Profile& profile, RecentFileList& recent, QWidget* parent)
    : QMainWindow(parent), settings_(settings), profile_(profile), recent_(recent),
      ownDialogs_(std::make_unique<QtSettingsDialogs>(profile, this)), dialogs_(ownDialogs_.get()) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(QStringLiteral("Quorvant"));
    setWindowIcon(ProgramIcon());
    SetHelpTopicHandler([this](const QString& topic) { OnHelpTopics(topic); });

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MdiArea"));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateCommandStates);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    RebuildRecentFiles();
    UpdateGenerationMenus();
    SetTabbedView(ReadProfileInt(profile_, kWindowSection, kTabbedViewValue).value_or(0) == 1);
    UpdateCommandStates();

    QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                    : QRect(0, 0, 1280, 800);
    resize(qMin(1100, screen.width() * 9 / 10), qMin(720, screen.height() * 9 / 10));
    move(screen.center() - rect().center());
}

CMainFrame::~CMainFrame() {
    // Children go first: their documents report through this frame.
    for (CChildFrame* child : std::vector<CChildFrame*>(children_)) delete child;
    if (backupGuard_) InstallOverwriteGuard({});
    SetHelpTopicHandler(nullptr);
}

QAction* CMainFrame::action(int command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* CMainFrame::generationMenu(int generation) const {
    return IsValidGeneration(generation) ? generationMenus_[generation] : nullptr;
}

QMenuBar* CMainFrame::currentMenuBar() const {
    return qobject_cast<QMenuBar*>(menuBars_->currentWidget());
}

CChildFrame* CMainFrame::activeChild() const {
    return qobject_cast<CChildFrame*>(mdi_->currentSubWindow());
}

void CMainFrame::setSettingsDialogs(SettingsDialogs* dialogs) {
    dialogs_ = dialogs ? dialogs : ownDialogs_.get();
}

void CMainFrame::UpdateGenerationMenus() {
    for (int generation : {kBW1, kBW2, kBW3})
        generationMenus_[generation]->setEnabled(settings_.HasInstallFolder(generation));
}

void CMainFrame::UpdateCommandStates() {
    bool anyDocument = !children_.empty();
    menuBars_->setCurrentWidget(anyDocument ? documentMenu_ : noDocumentMenu_);

    CChildFrame* child = activeChild();
    // The frame's title carries the active document's, the way a multiple-document window does.
    setWindowTitle(child ? QStringLiteral("Quorvant - ") +
                               QString::fromStdString(child->document().GetTitle()) + QStringLiteral("[*]")
                         : QStringLiteral("Quorvant"));
    setWindowModified(child && child->document().IsModified());
    summary_->setText(child ? QString::fromStdString(DocumentSummary(child->document())) : QString());
    summary_->setToolTip(
        child && child->document().LoadedFromFile()
            ? QDir::toNativeSeparators(QString::fromStdString(child->document().PathName().string()))
            : QString());
    action(ID_VIEW_HIDE_EMPTY)->setEnabled(child != nullptr);
    action(ID_OPTIONS_BACKUPS)->setEnabled(backupStore_ != nullptr);
    action(ID_FILE_REVERT_TO)->setEnabled(child && child->document().LoadedFromFile());
    action(ID_VIEW_HIDE_EMPTY)->setChecked(child && child->view()->HideEmptySlots());
    for (int command :
         {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_EXPORT, ID_FILE_IMPORT, ID_VIEW_REPORT,
          ID_VIEW_LIST, ID_EDIT_FILTER, ID_TOOLS_CHECK_REFERENCES, ID_FILE_COMPARE, ID_EDIT_CHANGE_FIELD,
          ID_VIEW_SELECT_FILTERED, ID_EDIT_SELECT_ALL, ID_FILE_EXPORT_CHANGES, ID_TOOLS_APPLY_PATCH})
        action(command)->setEnabled(child != nullptr);
    // The Window menu, and with it the tabbed view's entry, is there only while a document is.
    for (int command : {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE, ID_WINDOW_TABBED,
                        ID_NEXT_PANE, ID_PREV_PANE})
        action(command)->setEnabled(anyDocument);
    const bool tabbed = mdi_->viewMode() == QMdiArea::TabbedView;
    for (int command : {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE})
        action(command)->setEnabled(anyDocument && !tabbed);
    action(ID_WINDOW_TABBED)->setChecked(tabbed);

    for (int mode : {kViewWeapons, kViewUnits, kViewFormations}) {
        bool current = child && child->document().IsViewModeCurrent(mode);
        action(ViewModeCommand(mode))->setChecked(current);
        action(ViewModeCommand(mode))->setEnabled(child && !current);
    }
    bool report = child && child->view()->ReportStyle();
    action(ID_VIEW_REPORT)->setChecked(child && report);
    action(ID_VIEW_LIST)->setChecked(child && !report);
    UpdateTransferCommands(*this);
    UpdateRecordCommands(*this);
    UpdateUndoCommands(child);
}

// The entries name the step they would take back or make again. While an editor of the document is
// open they rest: its Cancel is the way back.
void CMainFrame::UpdateUndoCommands(CChildFrame* child) {
    const bool editing = child && child->editors()->AnyOpen();
    auto show = [](QAction* a, const std::string& text, bool enabled) {
        QString shown = QString::fromStdString(text);
        a->setText(QStringLiteral("&") + QString(shown).replace(QLatin1Char('&'), QStringLiteral("&&")));
        a->setToolTip(shown);
        a->setEnabled(enabled);
    };
    const CQuorvantDoc* doc = child ? &child->document() : nullptr;
    show(action(ID_EDIT_UNDO), doc ? doc->UndoText() : "Undo", doc && !editing && doc->History().CanUndo());
    show(action(ID_EDIT_REDO), doc ? doc->RedoText() : "Redo", doc && !editing && doc->History().CanRedo());
}

void CMainFrame::SetTabbedView(bool tabbed) {
    mdi_->setViewMode(tabbed ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    if (tabbed) {
        mdi_->setTabsClosable(true);
        mdi_->setTabsMovable(true);
        mdi_->setDocumentMode(true);
    }
    if (ReadProfileInt(profile_, kWindowSection, kTabbedViewValue).value_or(0) != (tabbed ? 1 : 0))
        profile_.WriteInt(kWindowSection, kTabbedViewValue, tabbed ? 1 : 0);
    UpdateCommandStates();
}

void CMainFrame::ShowStatusMessage(const QString& text) {
    messages_->Add(text);
    QStatusBar* bar = statusBar();
    // The bar draws its message from the left edge to the first permanent field, clipping what does
    // not fit; a shortened text with its ellipsis says that there is more.
    QString shown = text;
    if (bar->isVisible()) {
        bar->layout()->activate();
        int right = bar->width() - 12;
        if (summary_->isVisible()) right = qMin(right, summary_->x() - 2);
        shown = bar->fontMetrics().elidedText(text, Qt::ElideRight, qMax(0, right - 6 - 4));
    }
    const bool shortened = shown != text;
    // As rich text the tip wraps at the screen's width rather than running off it.
    bar->setToolTip(shortened ? QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()) : QString());
    // A shortened report stays longer, so there is time to point at it.
    bar->showMessage(shown, shortened ? 15000 : 5000);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Every editor's question comes before any save question, so a Cancel leaves everything open.
    for (CChildFrame* child : std::vector<CChildFrame*>(children_)) {
        mdi_->setActiveSubWindow(child);
        if (!child->ConfirmEditorChanges()) {
            event->ignore();
            return;
        }
    }
    for (CChildFrame* child : std::vector<CChildFrame*>(children_)) {
        mdi_->setActiveSubWindow(child);
        if (!child->SaveModified()) {
            event->ignore();
            return;
        }
    }
    if (help_) help_->close();
    event->accept();
}

} // namespace quorvant::ui
