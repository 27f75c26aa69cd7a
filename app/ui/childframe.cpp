#include "app/ui/childframe.h"

#include "app/ui/diskwatcher.h"
#include "app/ui/programart.h"
#include "editors/ui/editorhost.h"
#include "game/opencommand.h"
#include "obdata/filecompleteness.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/filechooser.h"
#include "platform/ui/promptservice.h"
#include "recovery/ui/documentjournal.h"
#include "views/ui/unitview.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>

namespace quorvant::ui {

CChildFrame::CChildFrame(std::unique_ptr<CQuorvantDoc> doc, const AppSettings* settings, QWidget* parent)
    : QMdiSubWindow(parent), doc_(std::move(doc)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramIcon());
    // As a tab stop the frame would hand the focus straight back to the rows, so Tab never left them.
    setFocusPolicy(Qt::ClickFocus);
    view_ = new CUnitView(*doc_, this);
    setWidget(view_);
    // Ctrl+W and Ctrl+F4 belong to File > Close; the frame's own menu claiming them too made both
    // ambiguous, so neither did anything.
    for (QAction* entry : systemMenu()->actions()) entry->setShortcuts({});
    editors_ = std::make_unique<EditorHost>(view_, *doc_, settings);
    connect(editors_.get(), &EditorHost::editorsChanged, this, &CChildFrame::undoStateChanged);
    connect(editors_.get(), &EditorHost::statusMessage, this, &CChildFrame::statusMessage);
    doc_->AddObserver(this);
    doc_->SetTitle(doc_->FileName());
    onTitleChanged(doc_->GetTitle());
    setWindowModified(doc_->IsModified());
    view_->OnInitialUpdate();
    if (doc_->LoadedFromFile()) {
        watcher_ = new DiskWatcher(this);
        connect(watcher_, &DiskWatcher::statusMessage, this, &CChildFrame::statusMessage);
    }
}

CChildFrame::~CChildFrame() {
    // A close the user confirmed ends the journal, before the editors revert what they held.
    journal_.reset();
    doc_->RemoveObserver(this);
    // Nobody asks a window on its way out what Undo can do.
    disconnect(editors_.get(), nullptr, this, nullptr);
    // The editors revert and close while their document and view still stand.
    editors_.reset();
    // The view watches the document, so it must go before the document does.
    delete view_;
    view_ = nullptr;
}

void CChildFrame::onModifiedChanged(bool modified) {
    setWindowModified(modified);
    emit modifiedChanged(modified);
}

void CChildFrame::onHistoryChanged() {
    emit undoStateChanged();
}

void CChildFrame::onTitleChanged(const std::string& title) {
    setWindowTitle(QString::fromStdString(title) + QStringLiteral("[*]"));
}

void CChildFrame::setJournal(std::unique_ptr<DocumentJournal> journal) {
    journal_ = std::move(journal);
}

bool CChildFrame::Save() {
    if (!doc_->LoadedFromFile()) return SaveAs();
    return SaveTo(QString::fromStdString(doc_->PathName().string()));
}

bool CChildFrame::SaveAs() {
    QString start =
        doc_->LoadedFromFile() ? QString::fromStdString(doc_->PathName().string()) : QDir::homePath();
    QString path =
        FileChooser::current().saveFile(this, tr("Save As"), start, QString::fromLatin1(kOBFileFilter));
    if (path.isEmpty()) return false;
    return SaveTo(path);
}

bool CChildFrame::SaveTo(const QString& path) {
    if (!doc_->IsFileComplete() && SameFile(doc_->PathName(), path.toStdString())) {
        QString question =
            QString::fromStdString(RewriteIncompleteQuestion(doc_->FileName(), doc_->Generation));
        if (Prompt(PromptKind::YesNo, question, this) != PromptAnswer::Yes) return false;
    }
    const bool ownFile = doc_->LoadedFromFile() && SameFile(doc_->PathName(), path.toStdString());
    if (!ownFile && HeldElsewhere && HeldElsewhere(path)) {
        Prompt(PromptKind::Exclamation,
               tr("%1 is open in another window. Close it there before saving over it.")
                   .arg(QDir::toNativeSeparators(path)),
               this);
        return false;
    }
    if (ownFile && watcher_ && !watcher_->ConfirmOverwrite()) return false;
    std::string error;
    bool written = doc_->OnSaveDocument(path.toStdString(), error);
    // A backup that cannot be kept stops the save; the user may then save without one, once.
    if (!written && BackupRefused && BackupRefused(path)) {
        if (Prompt(PromptKind::YesNoRisky,
                   tr("%1 was not saved, because no backup of the file on disk could be kept.\n\n%2\n\n"
                      "Save it without a backup this once?")
                       .arg(QDir::toNativeSeparators(path), QString::fromStdString(error)),
                   this) != PromptAnswer::Yes)
            return false;
        AllowOnceWithoutBackup(path);
        error.clear();
        written = doc_->OnSaveDocument(path.toStdString(), error);
    }
    if (!written) {
        Prompt(PromptKind::Exclamation,
               tr("%1 could not be saved; the file on disk is unchanged.\n\n%2")
                   .arg(QDir::toNativeSeparators(path), QString::fromStdString(error)),
               this);
        return false;
    }
    if (watcher_) watcher_->Saved();
    if (journal_) journal_->Saved();
    emit saved(path);
    return true;
}

bool CChildFrame::ConfirmEditorChanges() {
    const std::string& name = doc_->LoadedFromFile() ? doc_->FileName() : doc_->GetTitle();
    return editors_->ConfirmChanges(QString::fromStdString(name));
}

bool CChildFrame::SaveModified() {
    // Edits not confirmed with OK are not the document's to save unless the user applies them.
    if (!ConfirmEditorChanges()) return false;
    if (doc_->IsModified()) {
        PromptAnswer answer =
            Prompt(PromptKind::SaveDiscardCancel,
                   tr("Save changes to %1?").arg(QString::fromStdString(doc_->GetTitle())), this);
        if (answer == PromptAnswer::Cancel) return false;
        if (answer == PromptAnswer::Yes && !Save()) return false;
    }
    editors_->CloseEditors();
    return true;
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

} // namespace quorvant::ui
