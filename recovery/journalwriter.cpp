#include "recovery/journalwriter.h"

#include "platform/fileio.h"
#include "platform/filesystem.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace quorvant {
namespace {

std::uint64_t Fnv1a(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

// The step that takes back what step did.
HistoryStep Inverse(const HistoryStep& step) {
    HistoryStep inverse{step.name, {}};
    for (auto it = step.changes.rbegin(); it != step.changes.rend(); ++it)
        inverse.changes.push_back(RecordChange{it->table, it->snapshot, it->slot, it->after, it->before});
    return inverse;
}

} // namespace

std::filesystem::path JournalPathFor(const std::filesystem::path& recoveryFolder,
                                     const std::filesystem::path& obFile) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(obFile, ec);
    if (ec) absolute = obFile;
    const std::u8string whole = absolute.lexically_normal().generic_u8string();
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx",
                  static_cast<unsigned long long>(
                      Fnv1a(std::string_view(reinterpret_cast<const char*>(whole.data()), whole.size()))));
    std::filesystem::path name = obFile.filename();
    name += std::string("-") + hash + ".journal";
    return recoveryFolder / name;
}

std::filesystem::path LaterMarkFor(const std::filesystem::path& journalFile) {
    std::filesystem::path mark = journalFile;
    mark += ".later";
    return mark;
}

bool MarkForLater(const std::filesystem::path& journalFile, std::string& error) {
    const std::filesystem::path mark = LaterMarkFor(journalFile);
    std::error_code ec;
    if (std::filesystem::exists(mark, ec)) return true;
    std::string why;
    if (Files().Append(mark, "later\n", 6, AppendMode::CreateNew, why)) return true;
    error = "The recovery journal " + journalFile.string() + " cannot be marked as kept: " + why;
    return false;
}

bool IsJournalInUse(const std::filesystem::path& journalFile) {
    return IsFileLockHeld(journalFile);
}

void RemoveLaterMark(const std::filesystem::path& journalFile) {
    const std::filesystem::path mark = LaterMarkFor(journalFile);
    std::error_code ec;
    std::string ignored;
    if (std::filesystem::exists(mark, ec)) Files().Remove(mark, ignored);
}

JournalHeader JournalHeaderFor(const CQuorvantDoc& doc, std::int64_t now) {
    JournalHeader header;
    std::error_code ec;
    header.obFile = std::filesystem::absolute(doc.PathName(), ec).lexically_normal();
    if (ec) header.obFile = doc.PathName();
    header.generation = doc.Generation;
    header.file = IdentityOfFile(doc.PathName(), doc.OriginalBytes());
    header.begun = now;
    return header;
}

JournalWriter::JournalWriter(std::filesystem::path recoveryFolder) : folder_(std::move(recoveryFolder)) {}

void JournalWriter::Begin(const JournalHeader& header) {
    header_ = header;
    path_ = JournalPathFor(folder_, header.obFile);
    pending_.clear();
    begun_ = true;
    created_ = false;
    lock_.reset();
    undoable_ = redoable_ = 0;
}

bool JournalWriter::Resume(const std::filesystem::path& journalFile, std::string& error) {
    std::string why;
    auto bytes = Files().Read(journalFile, why);
    const JournalContents contents = bytes ? ReadJournal(*bytes) : JournalContents{};
    if (!bytes || !contents.readable) {
        error = "The recovery journal " + journalFile.string() +
                " cannot be read: " + (bytes ? contents.problem : why);
        return false;
    }
    if (contents.bytesLost > 0) {
        bytes->resize(bytes->size() - contents.bytesLost);
        if (!WriteFileAtomically(journalFile, *bytes, why)) {
            error = "The recovery journal cannot be cut to its valid part: " + why;
            return false;
        }
    }
    Begin(contents.header);
    path_ = journalFile;
    created_ = true;
    lock_ = HeldFileLock::Take(journalFile);
    RemoveLaterMark(journalFile);
    // The recovery made each step of the journal one step of the document.
    const JournalPosition position = PositionAfter(contents.entries);
    undoable_ = position.current;
    redoable_ = position.steps - position.current;
    return true;
}

void JournalWriter::Add(const JournalEntry& entry) {
    if (begun_) EncodeJournalEntry(entry, pending_);
}

void JournalWriter::AddStep(const HistoryStep& step, std::int64_t time) {
    Add(JournalEntry{JournalEntryKind::Step, time, step});
    ++undoable_;
    redoable_ = 0;
}

void JournalWriter::AddUndo(const HistoryStep& undone, std::int64_t time) {
    if (undoable_ == 0) {
        // The user's step is older than the journal: its undoing is a step of the journal's own.
        Add(JournalEntry{JournalEntryKind::Step, time, Inverse(undone)});
        redoable_ = 0;
        return;
    }
    Add(JournalEntry{JournalEntryKind::Undo, time, {}});
    --undoable_;
    ++redoable_;
}

void JournalWriter::AddRedo(const HistoryStep& redone, std::int64_t time) {
    if (redoable_ == 0) {
        AddStep(redone, time);
        return;
    }
    Add(JournalEntry{JournalEntryKind::Redo, time, {}});
    --redoable_;
    ++undoable_;
}

bool JournalWriter::Flush(std::string& error) {
    if (pending_.empty()) return true;
    std::string why;
    bool written = false;
    if (created_) {
        written = Files().Append(path_, pending_.data(), pending_.size(), AppendMode::Existing, why);
    } else {
        std::error_code ec;
        const bool madeFolder = !std::filesystem::exists(folder_, ec);
        if (Files().CreateFolders(folder_, why)) {
            std::vector<std::uint8_t> bytes = EncodeJournalHeader(header_);
            bytes.insert(bytes.end(), pending_.begin(), pending_.end());
            written = Files().Append(path_, bytes.data(), bytes.size(), AppendMode::CreateNew, why);
            std::string ignored;
            if (!written && madeFolder) Files().Remove(folder_, ignored);
        }
    }
    if (!written) {
        error = "The recovery journal " + path_.string() + " could not be written: " + why;
        return false;
    }
    if (!created_) lock_ = HeldFileLock::Take(path_);
    created_ = true;
    pending_.clear();
    return true;
}

bool JournalWriter::Remove(std::string& error) {
    pending_.clear();
    begun_ = false;
    if (!created_) return true;
    std::string why;
    if (!Files().Remove(path_, why)) {
        error = "The recovery journal " + path_.string() + " could not be deleted: " + why;
        return false;
    }
    created_ = false;
    lock_.reset();
    RemoveLaterMark(path_);
    return true;
}

} // namespace quorvant
