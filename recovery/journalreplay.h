#pragma once

// Finding the journals a crash left behind and bringing their changes back into a document.

#include "obdata/quorvantdoc.h"
#include "recovery/journalformat.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quorvant {

enum class JournalFileState { Unchanged, Changed, Missing };

struct JournalSummary {
    std::filesystem::path journal;
    bool keptForLater = false; // the user chose Later for it: no trace of a crash
    bool readable = false;
    std::string problem; // why it is unreadable, or why its valid part ends early
    std::filesystem::path obFile;
    // The steps the user had: the ones Undo would take back after recovering.
    int changes = 0;
    // Of the last valid entry (Unix seconds); when the journal began if it has none.
    std::int64_t lastEntryTime = 0;
    std::size_t bytesLost = 0;
    int entriesLost = 0;
    JournalFileState fileState = JournalFileState::Missing;
};

// Every "*.journal" of the folder, by file name; none when the folder is missing.
std::vector<JournalSummary> ListJournals(const std::filesystem::path& recoveryFolder);
JournalSummary SummarizeJournal(const std::filesystem::path& journalFile, const JournalContents& contents);
// Reads one journal file and sums it up; an unreadable one says why.
JournalSummary SummarizeJournalFile(const std::filesystem::path& journalFile);

struct ReplayResult {
    bool applied = false;
    std::string error; // why nothing was applied
    bool fileChanged = false;
    int stepsApplied = 0;
    int undone = 0;
    int redone = 0;
    std::size_t bytesLost = 0;
    int entriesLost = 0;
};

// Makes the journal's steps history steps of doc, freshly opened from the journal's file, and moves
// through them as the user did, so each can be undone. When the file changed on disk since the
// journal began, applies only if every record the steps change still holds what the first of them
// found; otherwise, or when doc is another file, changes nothing and says why.
ReplayResult ApplyJournal(const JournalContents& journal, CQuorvantDoc& doc);
// Reads the journal file, then applies it.
ReplayResult RecoverFromJournal(const std::filesystem::path& journalFile, CQuorvantDoc& doc);
// The user's Discard.
bool DiscardJournal(const std::filesystem::path& journalFile, std::string& error);

} // namespace quorvant
