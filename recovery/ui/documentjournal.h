#pragma once

#include "obdata/docobserver.h"
#include "recovery/journalwriter.h"

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>

namespace quorvant {
class CQuorvantDoc;
struct HistoryStep;
} // namespace quorvant

namespace quorvant::ui {

// Keeps the journal of one open document: every step, undo and redo of its history is written to
// the profile's recovery folder at most a second later (and at once when the program loses the
// focus), so a crash loses none of it. A save starts a new journal; closing removes it.
class DocumentJournal : public QObject, public DocObserver {
    Q_OBJECT
  public:
    // report: where a failure to write the journal is said (once until a write succeeds again).
    DocumentJournal(CQuorvantDoc& doc, const std::filesystem::path& recoveryFolder,
                    std::function<void(const QString&)> report, QObject* parent = nullptr);
    ~DocumentJournal() override;

    // Writes what is not written yet.
    void Flush();
    // The document was saved (perhaps under another name): its journal starts again from the file.
    void Saved();
    // Brings back the changes of journal (left by a crash) into the document, freshly opened, and goes
    // on writing to that journal. The result says what came back and what was lost.
    struct Recovered {
        bool applied = false;
        QString report; // empty when everything came back as it was
    };
    Recovered Recover(const std::filesystem::path& journal);
    // Nothing is journaled while a journal of the file from an earlier session waits (Later).
    void Hold() { held_ = true; }

    void onHistoryChanged() override;

  private:
    void Begin();
    void Track();
    void Schedule();

    CQuorvantDoc& doc_;
    JournalWriter writer_;
    std::function<void(const QString&)> report_;
    QTimer timer_;
    bool held_ = false;
    bool replaying_ = false;
    bool failing_ = false;
    // The history as last seen, to tell a new step from an undo or a redo.
    std::size_t position_ = 0;
    std::uint64_t pushes_ = 0;
};

} // namespace quorvant::ui
