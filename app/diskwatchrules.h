#pragma once

// What the editor does when the file of an open document changes on disk, decided without any
// window: reload an unmodified document, ask before a modified one loses its changes, ask before a
// save overwrites a file that changed, and mark a document whose file went away.

#include "platform/fileidentity.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvant {

enum class DiskAction {
    Nothing,          // the file holds what the document read or wrote, or this state was dealt with
    Reload,           // the document is unmodified: read the file again
    AskReload,        // the document is modified: ask before its changes are lost
    MarkGone,         // deleted or renamed: the document becomes modified, so closing asks to save
    ReportUnreadable, // the file cannot be read: say so; the document stays as it is
};

class DiskWatchRules {
  public:
    // The document read or wrote bytes: the file holds them now.
    void Settled(const FileFingerprint& onDisk);
    // What to do about the file as it is now. Each state of the file is dealt with once: a state
    // reported, refused or declined is not acted on again until the file changes once more.
    DiskAction Decide(const FileFingerprint& now, bool documentModified);
    // The user kept the document, or the new content could not be read as one: no more questions
    // until the file changes again.
    void Declined(const FileFingerprint& now) { dealtWith_ = now; }
    // A save over the file would overwrite something the document never read.
    bool ChangedSinceSettled(const FileFingerprint& now) const;

  private:
    FileFingerprint known_;
    std::optional<FileFingerprint> dealtWith_;
};

// The question for a modified document whose file changed.
std::string ReloadQuestion(const std::string& name);
// The question before a save overwrites a file that changed on disk.
std::string OverwriteChangedQuestion(const std::string& name);

// Why bytes that replaced the file of an open document of generation cannot take its place: not a
// whole OB file of that generation, or no OB file at all (names that are not text). Nothing when
// they can.
std::optional<std::string> WhyNotReloadable(const std::vector<std::uint8_t>& bytes, int generation);

} // namespace quorvant
