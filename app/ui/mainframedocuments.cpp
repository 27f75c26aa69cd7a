// The main frame's document commands: opening, saving, closing, and the commands that act on the
// active document or the settings.

#include "app/commandids.h"
#include "app/opencommand.h"
#include "app/settingsroutine.h"
#include "app/ui/aboutbox.h"
#include "app/ui/childframe.h"
#include "app/ui/helpwindow.h"
#include "app/ui/loadprogressdialog.h"
#include "app/ui/mainframe.h"
#include "exchange/ui/csvcommands.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/filechooser.h"
#include "platform/ui/promptservice.h"
#include "views/ui/unitview.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>

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

    auto* child = new CChildFrame(std::move(doc));
    AddChild(child);
    RememberRecent(absolute);
    return child;
}

void CMainFrame::AddChild(CChildFrame* child) {
    children_.push_back(child);
    connect(child, &QObject::destroyed, this, [this, child] {
        children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
        UpdateCommandStates();
    });
    connect(child, &QWidget::windowTitleChanged, this, &CMainFrame::UpdateCommandStates);
    connect(child, &CChildFrame::saved, this, [this](const QString& path) {
        RememberRecent(QFileInfo(path).absoluteFilePath());
        UpdateCommandStates();
    });
    mdi_->addSubWindow(child);
    child->resize(mdi_->viewport()->size() * 0.8);
    child->show();
    mdi_->setActiveSubWindow(child);
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
    import ? ImportDocumentCsv(this, child->document(), folder)
           : ExportDocumentCsv(this, child->document(), folder);
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

void CMainFrame::OnHelpTopics() {
    if (!help_) help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

} // namespace quorvant::ui
