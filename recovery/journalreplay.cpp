#include "recovery/journalreplay.h"

#include "analysis/recordclear.h"
#include "platform/fileidentity.h"
#include "platform/filesystem.h"
#include "recovery/journalwriter.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <system_error>
#include <tuple>

namespace quorvant {
namespace {

template <class Fn> decltype(auto) WithRecords(CQuorvantDoc& doc, int table, bool snapshot, Fn fn) {
    switch (table) {
    case kViewWeapons:
        return fn(snapshot ? doc.SnapshotWeapons : doc.Weapons);
    case kViewFormations:
        return fn(snapshot ? doc.SnapshotFormations : doc.Formations);
    default:
        return fn(snapshot ? doc.SnapshotUnits : doc.Units);
    }
}

// The record a change is to, as the document holds it now; nothing for a slot the table lacks.
std::optional<AnyRecord> RecordAt(CQuorvantDoc& doc, const RecordChange& change) {
    return WithRecords(doc, change.table, change.snapshot, [&](auto& records) -> std::optional<AnyRecord> {
        const auto s = static_cast<std::size_t>(change.slot);
        if (change.slot < 0 || s >= records.size()) return std::nullopt;
        return AnyRecord(records[s]);
    });
}

void SetRecord(CQuorvantDoc& doc, const RecordChange& change, const AnyRecord& value) {
    WithRecords(doc, change.table, change.snapshot, [&](auto& records) {
        using Rec = typename std::decay_t<decltype(records)>::value_type;
        const auto s = static_cast<std::size_t>(change.slot);
        if (const Rec* record = std::get_if<Rec>(&value); record && s < records.size()) records[s] = *record;
    });
}

// Empty when every record the journal changes is in the document as the journal first found it.
std::string Mismatch(const JournalContents& journal, CQuorvantDoc& doc, bool fileChanged) {
    std::map<std::tuple<int, bool, int>, bool> checked;
    for (const JournalEntry& entry : journal.entries)
        for (const RecordChange& change : entry.step.changes) {
            const std::optional<AnyRecord> present = RecordAt(doc, change);
            if (!present) return RecordTitle(doc, change.table, change.slot) + " is not in the file";
            if (!fileChanged ||
                !checked.emplace(std::tuple(change.table, change.snapshot, change.slot), true).second)
                continue;
            if (!(*present == change.before))
                return RecordTitle(doc, change.table, change.slot) + " has changed in the file since";
        }
    return {};
}

// Makes the entry's step history steps of the document, as the command that made it did: an
// editor's OK where it changed snapshots, a recorded step otherwise. Returns how many it pushed.
int ApplyStepEntry(CQuorvantDoc& doc, const HistoryStep& step) {
    CQuorvantDoc::SlotsByTable recorded;
    std::array<bool, 3> committed{};
    for (const RecordChange& change : step.changes)
        if (change.snapshot) committed[static_cast<std::size_t>(change.table)] = true;
    for (const RecordChange& change : step.changes) {
        if (change.snapshot) continue;
        SetRecord(doc, change, change.after);
        if (!committed[static_cast<std::size_t>(change.table)])
            recorded[static_cast<std::size_t>(change.table)].push_back(change.slot);
    }
    int pushed = doc.RecordStep(step.name, recorded) ? 1 : 0;
    for (int table = kViewWeapons; table <= kViewFormations; ++table)
        if (committed[static_cast<std::size_t>(table)] && doc.CommitEdit(table)) ++pushed;
    // An OK makes the whole snapshot the table; a snapshot the user's OK left otherwise stays so.
    for (const RecordChange& change : step.changes)
        if (change.snapshot) SetRecord(doc, change, change.after);
    return pushed;
}

} // namespace

JournalSummary SummarizeJournal(const std::filesystem::path& journalFile, const JournalContents& contents) {
    JournalSummary summary;
    summary.journal = journalFile;
    std::error_code ec;
    summary.keptForLater = std::filesystem::exists(LaterMarkFor(journalFile), ec);
    summary.readable = contents.readable;
    summary.problem = contents.problem;
    summary.bytesLost = contents.bytesLost;
    summary.entriesLost = contents.entriesLost;
    if (!contents.readable) return summary;
    summary.obFile = contents.header.obFile;
    summary.changes = PositionAfter(contents.entries).current;
    summary.lastEntryTime = contents.entries.empty() ? contents.header.begun : contents.entries.back().time;
    std::string why;
    const auto bytes = Files().Read(summary.obFile, why);
    if (bytes)
        summary.fileState = IdentityOfFile(summary.obFile, *bytes) == contents.header.file
                                ? JournalFileState::Unchanged
                                : JournalFileState::Changed;
    return summary;
}

std::vector<JournalSummary> ListJournals(const std::filesystem::path& recoveryFolder) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(recoveryFolder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec))
        if (it->path().extension() == ".journal" && it->is_regular_file(ec)) files.push_back(it->path());
    std::sort(files.begin(), files.end());
    std::vector<JournalSummary> summaries;
    for (const auto& file : files) summaries.push_back(SummarizeJournalFile(file));
    return summaries;
}

JournalSummary SummarizeJournalFile(const std::filesystem::path& journalFile) {
    std::string why;
    const auto bytes = Files().Read(journalFile, why);
    JournalContents contents;
    if (bytes)
        contents = ReadJournal(*bytes);
    else
        contents.problem = why;
    return SummarizeJournal(journalFile, contents);
}

ReplayResult ApplyJournal(const JournalContents& journal, CQuorvantDoc& doc) {
    ReplayResult result;
    result.bytesLost = journal.bytesLost;
    result.entriesLost = journal.entriesLost;
    if (!journal.readable) {
        result.error = journal.problem;
        return result;
    }
    if (!doc.LoadedFromFile() || !SameFileIdentity(doc.PathName(), journal.header.obFile)) {
        result.error = "the journal is of " + journal.header.obFile.string() + ", not of this file";
        return result;
    }
    if (doc.History().StepCount() > 0 || doc.IsModified()) {
        result.error = "the document has changes of its own";
        return result;
    }
    result.fileChanged = !(IdentityOfFile(doc.PathName(), doc.OriginalBytes()) == journal.header.file);
    if (std::string mismatch = Mismatch(journal, doc, result.fileChanged); !mismatch.empty()) {
        result.error = mismatch;
        return result;
    }
    // How many of the document's steps each journal step became, and how many of them are in effect.
    std::vector<int> pushed;
    std::size_t current = 0;
    for (const JournalEntry& entry : journal.entries) {
        switch (entry.kind) {
        case JournalEntryKind::Step:
            pushed.resize(current);
            pushed.push_back(ApplyStepEntry(doc, entry.step));
            ++current;
            ++result.stepsApplied;
            break;
        case JournalEntryKind::Undo:
            if (current == 0) break;
            --current;
            for (int i = 0; i < pushed[current]; ++i) doc.Undo();
            ++result.undone;
            break;
        case JournalEntryKind::Redo:
            if (current == pushed.size()) break;
            for (int i = 0; i < pushed[current]; ++i) doc.Redo();
            ++current;
            ++result.redone;
            break;
        }
    }
    result.applied = true;
    return result;
}

ReplayResult RecoverFromJournal(const std::filesystem::path& journalFile, CQuorvantDoc& doc) {
    std::string why;
    const auto bytes = Files().Read(journalFile, why);
    if (!bytes) {
        ReplayResult result;
        result.error = "the journal " + journalFile.string() + " cannot be read: " + why;
        return result;
    }
    return ApplyJournal(ReadJournal(*bytes), doc);
}

bool DiscardJournal(const std::filesystem::path& journalFile, std::string& error) {
    std::string why;
    if (Files().Remove(journalFile, why)) {
        RemoveLaterMark(journalFile);
        return true;
    }
    error = "The recovery journal " + journalFile.string() + " could not be deleted: " + why;
    return false;
}

} // namespace quorvant
