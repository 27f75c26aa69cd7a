#include "recovery/ui/documentjournal.h"

#include "obdata/quorvantdoc.h"
#include "recovery/journalformat.h"
#include "recovery/journalreplay.h"
#include "recovery/recoverytexts.h"

#include <QGuiApplication>

namespace quorvant::ui {

DocumentJournal::DocumentJournal(CQuorvantDoc& doc, const std::filesystem::path& recoveryFolder,
                                 std::function<void(const QString&)> report, QObject* parent)
    : QObject(parent), doc_(doc), writer_(recoveryFolder), report_(std::move(report)) {
    timer_.setSingleShot(true);
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &DocumentJournal::Flush);
    // A crash often follows the user going elsewhere; what they did is on disk by then.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive) Flush();
    });
    doc_.AddObserver(this);
    Begin();
}

DocumentJournal::~DocumentJournal() {
    doc_.RemoveObserver(this);
    // A close the user confirmed: the changes were saved or given up.
    std::string ignored;
    if (!held_) writer_.Remove(ignored);
}

void DocumentJournal::Begin() {
    writer_.Begin(JournalHeaderFor(doc_, JournalClockNow()));
    Track();
}

void DocumentJournal::Track() {
    const DocHistory& history = doc_.History();
    position_ = history.Position();
    pushes_ = history.PushCount();
}

void DocumentJournal::onHistoryChanged() {
    if (replaying_ || held_ || !doc_.LoadedFromFile()) {
        Track();
        return;
    }
    const DocHistory& history = doc_.History();
    const std::int64_t now = JournalClockNow();
    if (history.PushCount() != pushes_) {
        if (history.UndoStep()) writer_.AddStep(*history.UndoStep(), now);
    } else if (history.Position() + 1 == position_ && history.RedoStep()) {
        writer_.AddUndo(*history.RedoStep(), now);
    } else if (history.Position() == position_ + 1 && history.UndoStep()) {
        writer_.AddRedo(*history.UndoStep(), now);
    }
    Track();
    Schedule();
}

void DocumentJournal::Schedule() {
    if (writer_.HasUnflushed() && !timer_.isActive()) timer_.start();
}

void DocumentJournal::Flush() {
    timer_.stop();
    if (held_ || !writer_.HasUnflushed()) return;
    std::string error;
    if (writer_.Flush(error)) {
        failing_ = false;
        return;
    }
    if (!failing_ && report_)
        report_(QStringLiteral("The unsaved changes to %1 could not be kept for recovery: %2")
                    .arg(QString::fromStdString(doc_.FileName()), QString::fromStdString(error)));
    failing_ = true;
    // Tried again a second later: the entries stay buffered.
    timer_.start();
}

void DocumentJournal::Saved() {
    if (held_) return;
    std::string ignored;
    writer_.Remove(ignored);
    Begin();
}

DocumentJournal::Recovered DocumentJournal::Recover(const std::filesystem::path& journal) {
    replaying_ = true;
    const ReplayResult result = RecoverFromJournal(journal, doc_);
    replaying_ = false;
    Track();
    // A journal that could not be applied stays for another try; nothing overwrites it meanwhile.
    held_ = !result.applied;
    std::string error;
    if (result.applied && !writer_.Resume(journal, error)) Begin();
    return {result.applied, QString::fromStdString(RecoveryReport(result, doc_.FileName()))};
}

} // namespace quorvant::ui
