#include "app/ui/diskwatcher.h"

#include "app/ui/childframe.h"
#include "editors/ui/editorhost.h"
#include "obdata/quorvantdoc.h"
#include "platform/fileio.h"
#include "platform/ui/promptservice.h"
#include "views/ui/recordtablemodel.h"
#include "views/ui/unitview.h"

#include <QDir>
#include <QFileInfo>

namespace quorvant::ui {
namespace {

constexpr int kSettleMs = 150;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

DiskWatcher::DiskWatcher(CChildFrame* child) : QObject(child), child_(child) {
    setObjectName(QStringLiteral("DiskWatcher"));
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &DiskWatcher::CheckNow);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
    rules_.Settled(FingerprintOf(child_->document().OriginalBytes()));
    Watch();
}

QString DiskWatcher::Name() const {
    return Text(child_->document().FileName());
}

// A file replaced by a rename is a new file to the watcher, and a deleted one may come back: the
// folder is watched too, and the file again whenever it is there.
void DiskWatcher::Watch() {
    const QString file = Text(child_->document().PathName().string());
    const QString folder = QFileInfo(file).absolutePath();
    if (!watcher_.directories().contains(folder) && QFileInfo(folder).isDir()) watcher_.addPath(folder);
    if (!watcher_.files().contains(file) && QFileInfo(file).isFile()) watcher_.addPath(file);
}

void DiskWatcher::Saved() {
    rules_.Settled(FingerprintOf(child_->document().OriginalBytes()));
    Watch();
}

bool DiskWatcher::ConfirmOverwrite() {
    const FileFingerprint now = TakeFingerprint(child_->document().PathName());
    if (!rules_.ChangedSinceSettled(now)) return true;
    return Prompt(PromptKind::YesNo, Text(OverwriteChangedQuestion(child_->document().FileName())), child_) ==
           PromptAnswer::Yes;
}

void DiskWatcher::CheckNow() {
    settle_.stop();
    Watch();
    if (asking_) return;
    CQuorvantDoc& doc = child_->document();
    const std::filesystem::path path = doc.PathName();
    const FileFingerprint now = TakeFingerprint(path);
    switch (rules_.Decide(now, doc.DiffersFromDisk())) {
    case DiskAction::Nothing:
        return;
    case DiskAction::MarkGone:
        doc.MarkFileGone();
        emit statusMessage(tr("%1 was deleted or renamed on disk; save it to keep it.").arg(Name()));
        return;
    case DiskAction::ReportUnreadable:
        Prompt(PromptKind::Exclamation,
               tr("%1 has changed on disk and cannot be read.\n%2\n\nThe open document is kept as it was.")
                   .arg(Name(), Text(now.why)),
               child_);
        return;
    case DiskAction::AskReload: {
        asking_ = true;
        const bool reload =
            Prompt(PromptKind::YesNo, Text(ReloadQuestion(doc.FileName())), child_) == PromptAnswer::Yes;
        asking_ = false;
        // A change that came while the question was open was not looked at.
        settle_.start();
        if (!reload) {
            rules_.Declined(now);
            return;
        }
        break;
    }
    case DiskAction::Reload:
        break;
    }
    std::string why;
    auto bytes = ReadWholeFile(path, why);
    std::optional<std::string> refused =
        bytes ? WhyNotReloadable(*bytes, doc.Generation) : std::optional<std::string>(why);
    if (refused) {
        rules_.Declined(now);
        Prompt(PromptKind::Exclamation,
               tr("%1 has changed on disk, but it cannot be reloaded: %2.\n\nThe open document is kept as "
                  "it was; saving it writes it back.")
                   .arg(Name(), Text(*refused)),
               child_);
        return;
    }
    Reload(*bytes);
}

void DiskWatcher::Reload(const std::vector<std::uint8_t>& bytes) {
    CQuorvantDoc& doc = child_->document();
    // What the editors show belongs to the old content: they close as Cancel would.
    child_->editors()->CloseEditors();
    doc.ReadBytes(bytes);
    rules_.Settled(FingerprintOf(doc.OriginalBytes()));
    for (int table = 0; table < 3; ++table)
        if (table != child_->view()->CurrentKind()) child_->view()->model(table)->rebuild();
    emit statusMessage(tr("%1 was changed on disk and has been reloaded.").arg(Name()));
}

} // namespace quorvant::ui
