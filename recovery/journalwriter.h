#pragma once

// Keeps one document's journal: the editor adds an entry after every history step, undo and redo,
// and flushes now and then (at most once a second, and when the window loses focus); a close or a
// save removes the journal.

#include "obdata/quorvantdoc.h"
#include "platform/filelock.h"
#include "recovery/journalformat.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quorvant {

// The journal of obFile in the recovery folder: its name and a hash of its whole path, so files of
// one name in different folders keep journals of their own.
std::filesystem::path JournalPathFor(const std::filesystem::path& recoveryFolder,
                                     const std::filesystem::path& obFile);
// Beside a journal the user chose to recover later, so that the next start does not take it for the
// trace of a crash.
std::filesystem::path LaterMarkFor(const std::filesystem::path& journalFile);
// Whether another journal writer keeps the journal now, in another running copy of the program: it
// is no journal left behind.
bool IsJournalInUse(const std::filesystem::path& journalFile);
// Marks the journal as one the user chose Later for; true when it is marked.
bool MarkForLater(const std::filesystem::path& journalFile, std::string& error);
// Removes the mark, if any (a journal recovered, discarded or deleted).
void RemoveLaterMark(const std::filesystem::path& journalFile);
// The header of a journal of the document as it stands on disk now (read from a file, or just saved).
JournalHeader JournalHeaderFor(const CQuorvantDoc& doc, std::int64_t now);

class JournalWriter {
  public:
    explicit JournalWriter(std::filesystem::path recoveryFolder);

    // Starts a journal of the file the header names and forgets whatever was not flushed. The file
    // is made by the first flush that has an entry to write; one left by an earlier session is never
    // written over, and that flush fails.
    void Begin(const JournalHeader& header);
    // Goes on with the journal a recovery applied to the document (ApplyJournal), so the recovered
    // changes stay journaled until saved: a damaged end is cut off first, and the next entries follow
    // its valid part. False with the reason when it cannot be read or cut; then Begin starts anew.
    bool Resume(const std::filesystem::path& journalFile, std::string& error);
    // Each buffers an entry; nothing before Begin.
    // The step the document just pushed (its History().UndoStep(), as the document keeps it).
    void AddStep(const HistoryStep& step, std::int64_t time);
    // The step Undo takes back and Redo makes again, given before the document moves. Moves past
    // where the journal began are written as steps of their own.
    void AddUndo(const HistoryStep& undone, std::int64_t time);
    void AddRedo(const HistoryStep& redone, std::int64_t time);

    // Appends the buffered entries. On failure they stay buffered for the next flush, the journal
    // keeps what it held, and error says why.
    bool Flush(std::string& error);
    // Deletes the journal and its later mark (a close or a save); Begin starts the next one.
    bool Remove(std::string& error);

    bool HasUnflushed() const { return !pending_.empty(); }
    // Empty before Begin.
    const std::filesystem::path& JournalPath() const { return path_; }

  private:
    void Add(const JournalEntry& entry);

    std::filesystem::path folder_;
    std::filesystem::path path_;
    JournalHeader header_;
    std::vector<std::uint8_t> pending_;
    bool begun_ = false;
    bool created_ = false;
    // Held on the journal while this program keeps it, so another running copy leaves it alone.
    std::unique_ptr<HeldFileLock> lock_;
    // How many of the user's last steps are the journal's last steps in effect, which an undo entry
    // takes back; and how many of the user's steps to redo are the journal's, which a redo entry makes
    // again. A move past them is written as a step.
    int undoable_ = 0;
    int redoable_ = 0;
};

} // namespace quorvant
