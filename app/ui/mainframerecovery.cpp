#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/promptservice.h"
#include "recovery/journalreplay.h"
#include "recovery/journalwriter.h"
#include "recovery/recoverytexts.h"
#include "recovery/ui/documentjournal.h"

#include <QDir>

namespace quorvant::ui {

void CMainFrame::UseRecovery(const std::filesystem::path& folder) {
    recoveryFolder_ = folder;
}

void CMainFrame::KeepForLater(const std::filesystem::path& journal) {
    std::string error;
    if (!MarkForLater(journal, error)) ShowStatusMessage(QString::fromStdString(error));
}

void CMainFrame::FlushJournals() {
    for (CChildFrame* child : children_)
        if (child->journal()) child->journal()->Flush();
}

void CMainFrame::AttachJournal(CChildFrame* child) {
    CQuorvantDoc& doc = child->document();
    if (recoveryFolder_.empty() || !doc.LoadedFromFile()) return;
    const std::filesystem::path waiting = JournalPathFor(recoveryFolder_, doc.PathName());
    std::error_code ec;
    const bool left = std::filesystem::exists(waiting, ec);
    child->setJournal(std::make_unique<DocumentJournal>(
        doc, recoveryFolder_, [this](const QString& text) { ShowStatusMessage(text); }));
    if (!left) return;
    const QString name = QString::fromStdString(doc.FileName());
    if (IsJournalInUse(waiting)) {
        child->journal()->Hold();
        Prompt(
            PromptKind::Exclamation,
            tr("%1 is open in another running copy of Quorvant, which keeps its unsaved changes for "
               "recovery.\n\nThe changes you make in this window are not kept for recovery after a "
               "crash, and each copy's Save writes over what the other saved: close the file in one of them.")
                .arg(name),
            this);
        return;
    }
    PromptAnswer answer = PromptAnswer::Yes;
    if (waiting != recovering_) {
        answer = Prompt(PromptKind::RecoverDiscardLater,
                        QString::fromStdString(RecoveryQuestion(SummarizeJournalFile(waiting))), this);
    }
    if (answer == PromptAnswer::Cancel) {
        child->journal()->Hold();
        KeepForLater(waiting);
        // Said in a box, not in the status bar: what is typed in this window is not safe from a crash.
        Prompt(PromptKind::Exclamation,
               tr("The unsaved changes of an earlier session to %1 wait to be recovered.\n\nUntil they are "
                  "recovered or discarded (the next time you open %1 or start Quorvant), the changes you "
                  "make in "
                  "this window are not kept for recovery after a crash; save them to keep them.")
                   .arg(name),
               this);
        return;
    }
    if (answer == PromptAnswer::No) {
        std::string error;
        if (!DiscardJournal(waiting, error))
            Prompt(PromptKind::Exclamation,
                   tr("Cannot delete %1.\n\n%2")
                       .arg(QDir::toNativeSeparators(QString::fromStdString(waiting.string())),
                            QString::fromStdString(error)),
                   this);
        return;
    }
    const DocumentJournal::Recovered recovered = child->journal()->Recover(waiting);
    doc.UpdateAllViews(doc.ViewMode);
    if (!recovered.report.isEmpty())
        Prompt(recovered.applied ? PromptKind::Information : PromptKind::Exclamation, recovered.report, this);
    if (recovered.applied)
        ShowStatusMessage(tr("Recovered the unsaved changes to %1; not saved yet").arg(name));
}

void CMainFrame::OfferRecovery() {
    if (recoveryFolder_.empty()) return;
    for (const JournalSummary& summary : ListJournals(recoveryFolder_)) {
        // A file open already was offered when it opened; one open in another running copy is no
        // journal left behind.
        if (FindOpenDocument(QString::fromStdString(summary.obFile.string())) ||
            IsJournalInUse(summary.journal))
            continue;
        const PromptAnswer answer =
            Prompt(PromptKind::RecoverDiscardLater, QString::fromStdString(RecoveryQuestion(summary)), this);
        if (answer == PromptAnswer::Cancel) {
            KeepForLater(summary.journal);
            continue;
        }
        if (answer == PromptAnswer::No) {
            std::string error;
            DiscardJournal(summary.journal, error);
            continue;
        }
        recovering_ = summary.journal;
        OpenDocumentFile(QString::fromStdString(summary.obFile.string()));
        recovering_.clear();
    }
    UpdateCommandStates();
}

} // namespace quorvant::ui
