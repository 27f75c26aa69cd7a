#include "recovery/recoverytexts.h"

#include "backups/backupname.h"

#include <cstdio>
#include <ctime>

namespace quorvant {
namespace {

std::string Count(long long n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

std::string LocalClock(std::int64_t seconds) {
    const BackupMoment local =
        LocalMoment(std::chrono::system_clock::from_time_t(static_cast<std::time_t>(seconds)));
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", local.hour, local.minute);
    return text;
}

std::string LossSentence(std::size_t bytes, int entries) {
    if (bytes == 0) return {};
    return " The end of the journal is damaged: " + Count(entries, "change") + " (" +
           Count(static_cast<long long>(bytes), "byte") + ") cannot be recovered.";
}

} // namespace

std::string RecoveryQuestion(const JournalSummary& journal) {
    const std::string name = journal.obFile.filename().string();
    const std::string what = " the unsaved changes to " + name + " (" + Count(journal.changes, "change") +
                             ", " + LocalClock(journal.lastEntryTime) + ")";
    std::string text = journal.keptForLater ? "You chose to recover" + what + " later. Recover them now?"
                                            : "Quorvant was not closed properly. Recover" + what + "?";
    if (journal.fileState == JournalFileState::Changed)
        text += " " + name +
                " has changed on disk since; the changes are recovered only if the records they change "
                "still hold what they held then.";
    if (journal.fileState == JournalFileState::Missing) text += " " + name + " is no longer there.";
    return text + LossSentence(journal.bytesLost, journal.entriesLost);
}

std::string RecoveryReport(const ReplayResult& result, const std::string& fileName) {
    if (!result.applied) return "The changes to " + fileName + " cannot be recovered: " + result.error + ".";
    std::string text;
    if (result.fileChanged)
        text = fileName + " had changed on disk; the recovered changes are applied to it as it is now.";
    const std::string loss = LossSentence(result.bytesLost, result.entriesLost);
    return text.empty() && !loss.empty() ? loss.substr(1) : text + loss;
}

} // namespace quorvant
