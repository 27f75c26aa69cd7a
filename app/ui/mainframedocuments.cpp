// The main frame's document commands: opening, saving, closing, and the commands that act on the
// active document or the settings.

#include "analysis/ui/recordcommands.h"
#include "app/ui/aboutbox.h"
#include "app/ui/childframe.h"
#include "app/ui/helpwindow.h"
#include "app/ui/mainframe.h"
#include "editors/ui/editorhost.h"
#include "exchange/ui/csvcommands.h"
#include "exchange/ui/recordtransfer.h"
#include "game/opencommand.h"
#include "game/settingsroutine.h"
#include "obdata/filecompleteness.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/filechooser.h"
#include "platform/ui/promptservice.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"
#include "workspace/ui/loadprogressdialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QStyle>

namespace quorvant::ui {

CChildFrame* CMainFrame::FindOpenDocument(const QString& path) const {
    for (CChildFrame* child : children_)
        if (child->document().LoadedFromFile() && SameFile(child->document().PathName(), path.toStdString()))
            return child;
    return nullptr;
}

CChildFrame* CMainFrame::OpenDocumentFile(const QString& path) {
    if (path.isEmpty()) return nullptr;
    if (CChildFrame* open = FindOpenDocument(path)) {
        if (open->isMinimized()) open->showNormal();
        mdi_->setActiveSubWindow(open);
        UpdateCommandStates();
        return open;
    }
    QString absolute = QFileInfo(path).absoluteFilePath();
    if (std::optional<std::string> why = WhyNotOpenable(absolute.toStdString())) {
        Prompt(PromptKind::Exclamation,
               tr("Cannot open the file %1.\n\n%2")
                   .arg(QDir::toNativeSeparators(absolute), QString::fromStdString(*why)),
               this);
        recent_.Remove(absolute.toStdString());
        RebuildRecentFiles();
        return nullptr;
    }

    auto doc = std::make_unique<CQuorvantDoc>(settings_.DefaultGeneration);
    doc->ErrorHandler = [this](const std::string& message) {
        Prompt(PromptKind::Exclamation, QString::fromStdString(message), this);
    };
    bool loaded = false;
    {
        LoadProgressDialog progress(this);
        loaded = doc->OnOpenDocument(absolute.toStdString(), &progress);
    }
    if (!loaded) return nullptr;

    // A file picked by mistake is better not opened: a save would rewrite it as an OB file.
    if (std::optional<std::string> doubt =
            NotAnOBFileQuestion(doc->FileName(), doc->OriginalBytes(), doc->Generation);
        doubt && Prompt(PromptKind::OpenCancel, QString::fromStdString(*doubt), this) != PromptAnswer::Yes)
        return nullptr;

    auto* child = new CChildFrame(std::move(doc), &settings_);
    AddChild(child);
    // A file that is not a whole OB file joins the recent files only once saved as one.
    if (child->document().IsFileComplete()) RememberRecent(absolute);
    return child;
}

CUnitView* CMainFrame::ActiveView() const {
    CChildFrame* child = activeChild();
    return child ? child->view() : nullptr;
}

CUnitView* CMainFrame::OpenDocument(const QString& path) {
    CChildFrame* child = OpenDocumentFile(path);
    return child ? child->view() : nullptr;
}

CUnitView* CMainFrame::OpenView(const QString& path) const {
    CChildFrame* child = FindOpenDocument(path);
    return child ? child->view() : nullptr;
}

void CMainFrame::Activate(CUnitView* view) {
    for (CChildFrame* child : children_)
        if (child->view() == view) mdi_->setActiveSubWindow(child);
}

void CMainFrame::AddChild(CChildFrame* child) {
    children_.push_back(child);
    connect(child, &QObject::destroyed, this, [this, child] {
        children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
        UpdateCommandStates();
    });
    connect(child, &QWidget::windowTitleChanged, this, &CMainFrame::UpdateCommandStates);
    connect(child, &CChildFrame::saved, this, [this, child](const QString& path) {
        RememberRecent(QFileInfo(path).absoluteFilePath());
        ShowStatusMessage(tr("Saved %1").arg(QString::fromStdString(child->document().FileName())));
        UpdateCommandStates();
    });
    connect(child, &CChildFrame::modifiedChanged, this, &CMainFrame::UpdateCommandStates);
    connect(child, &CChildFrame::statusMessage, this, &CMainFrame::ShowStatusMessage);
    connect(child, &CChildFrame::undoStateChanged, this, [this, child] {
        if (child != activeChild()) return;
        UpdateUndoCommands(child);
        UpdateRecordCommands(*this);
    });
    child->HeldElsewhere = [this, child](const QString& path) {
        CChildFrame* holder = FindOpenDocument(path);
        return holder && holder != child;
    };
    child->BackupRefused = [this](const QString& path) {
        return backupGuard_ && backupGuard_->Refused(path.toStdString());
    };
    child->AllowOnceWithoutBackup = [this](const QString& path) {
        if (backupGuard_) backupGuard_->AllowOnceWithout(path.toStdString());
    };
    AttachJournal(child);
    AttachRecordTransfer(*this, child->view());
    AttachRecordCommands(*this, child->view());
    mdi_->addSubWindow(child);
    PlaceNewChild(child);
    mdi_->setActiveSubWindow(child);
    UpdateCommandStates();
}

// A new document fills the work area, unless the user keeps windows side by side: then it opens at
// two thirds of the area, a step down and right of the active window, wholly inside the area.
void CMainFrame::PlaceNewChild(CChildFrame* child) {
    bool othersNormal = false;
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (w != child && w->isVisible() && !w->isMaximized() && !w->isMinimized()) othersNormal = true;
    if (!othersNormal || mdi_->viewMode() == QMdiArea::TabbedView) {
        child->showMaximized();
        return;
    }
    const QSize area = mdi_->viewport()->size();
    const QSize size(std::max(area.width() * 2 / 3, 320), std::max(area.height() * 2 / 3, 240));
    child->resize(size.boundedTo(area));
    const int step = child->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, child) + 4;
    QPoint at(0, 0);
    if (QMdiSubWindow* active = mdi_->activeSubWindow(); active && active != child)
        at = active->pos() + QPoint(step, step);
    if (at.x() + child->width() > area.width() || at.y() + child->height() > area.height()) at = QPoint(0, 0);
    child->move(at);
    child->show();
}

// Cascade: every window at two thirds of the area, stepped by a title bar, starting again at the top
// left before a window would leave the area.
void CMainFrame::CascadeWindows() {
    const QSize area = mdi_->viewport()->size();
    const QSize size(std::max(area.width() * 2 / 3, 320), std::max(area.height() * 2 / 3, 240));
    QPoint at(0, 0);
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::StackingOrder)) {
        if (w->isMinimized()) continue;
        w->showNormal();
        w->resize(size.boundedTo(area));
        const int step = w->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w) + 4;
        if (at.x() + w->width() > area.width() || at.y() + w->height() > area.height()) at = QPoint(0, 0);
        w->move(at);
        at += QPoint(step, step);
    }
}

void CMainFrame::OnHideEmptySlots(bool hide) {
    if (CChildFrame* child = activeChild()) child->view()->setHideEmptySlots(hide);
    UpdateCommandStates();
}

void CMainFrame::RememberRecent(const QString& path) {
    recent_.Add(path.toStdString());
    recent_.Save(profile_);
    RebuildRecentFiles();
}

void CMainFrame::OnOpenByMenu(int command) {
    std::optional<std::filesystem::path> path = ResolveMenuOpen(command, settings_);
    if (path) OpenDocumentFile(QString::fromStdString(path->string()));
}

void CMainFrame::OnFileOpen() {
    QString path = FileChooser::current().openFile(
        this, tr("Open"), QString::fromStdString(OpenDialogFolder(settings_)),
        QString::fromLatin1(kOBFileFilter), QString::fromLatin1(kOBFileNameBox));
    OpenDocumentFile(path);
}

void CMainFrame::OnSave(bool askForName) {
    if (CChildFrame* child = activeChild()) askForName ? child->SaveAs() : child->Save();
}

void CMainFrame::OnCloseDocument() {
    if (CChildFrame* child = activeChild()) child->close();
}

void CMainFrame::OnCsvCommand(bool import) {
    CChildFrame* child = activeChild();
    if (!child) return;
    std::filesystem::path folder = settings_.InstallFolder(child->document().Generation);
    if (import) {
        CsvCommandOutcome outcome = ImportDocumentCsv(this, child->document(), folder);
        if (outcome.ran) ShowStatusMessage(outcome.summary(tr("Imported"), tr("from")));
    } else {
        CsvCommandOutcome outcome = ExportDocumentCsv(this, child->document(), folder);
        if (outcome.ran) ShowStatusMessage(outcome.summary(tr("Exported"), tr("to")));
    }
    UpdateCommandStates();
}

void CMainFrame::OnUndoRedo(bool undo) {
    CChildFrame* child = activeChild();
    if (!child || child->editors()->AnyOpen()) return;
    CQuorvantDoc& doc = child->document();
    const std::string text = undo ? doc.UndoText() : doc.RedoText();
    if (undo ? doc.Undo() : doc.Redo()) ShowStatusMessage(QString::fromStdString(text));
    UpdateCommandStates();
}

void CMainFrame::OnViewMode(int mode) {
    if (CChildFrame* child = activeChild()) child->document().OnViewMode(mode);
    UpdateCommandStates();
}

void CMainFrame::OnReportStyle(bool report) {
    if (CChildFrame* child = activeChild()) child->view()->setReportStyle(report);
    UpdateCommandStates();
}

void CMainFrame::OnDirectories() {
    dialogs_->RunSetPaths(settings_);
    UpdateGenerationMenus();
}

void CMainFrame::OnStartup() {
    dialogs_->RunGameDefaults(settings_);
}

void CMainFrame::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::OnHelpTopics(const QString& topic) {
    // A modal window (the cross reference) blocks the main window's own windows: while one is open,
    // the help belongs to it, so it can be read and scrolled there.
    QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    if (!help_)
        help_ = new HelpWindow(owner);
    else if (help_->parentWidget() != owner)
        help_->setParent(owner, help_->windowFlags());
    help_->ShowTopic(topic, owner);
}

} // namespace quorvant::ui
