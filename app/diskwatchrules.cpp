#include "app/diskwatchrules.h"

#include "obdata/filecompleteness.h"
#include "obdata/generation.h"
#include "obdata/oblayout.h"
#include "obdata/obreader.h"

namespace quorvant {
namespace {

using State = FileFingerprint::State;

} // namespace

void DiskWatchRules::Settled(const FileFingerprint& onDisk) {
    known_ = onDisk;
    dealtWith_.reset();
}

DiskAction DiskWatchRules::Decide(const FileFingerprint& now, bool documentModified) {
    if (now == known_ || (dealtWith_ && now == *dealtWith_)) return DiskAction::Nothing;
    switch (now.state) {
    case State::Missing:
        dealtWith_ = now;
        return DiskAction::MarkGone;
    case State::Unreadable:
        dealtWith_ = now;
        return DiskAction::ReportUnreadable;
    case State::Present:
        break;
    }
    return documentModified ? DiskAction::AskReload : DiskAction::Reload;
}

bool DiskWatchRules::ChangedSinceSettled(const FileFingerprint& now) const {
    return now.state != State::Missing && !(now == known_);
}

std::string ReloadQuestion(const std::string& name) {
    return name + " has changed on disk. Reload it and lose your changes?";
}

std::string OverwriteChangedQuestion(const std::string& name) {
    return name + " has changed on disk since it was opened or saved. Save over it and lose what was "
                  "written there?";
}

std::optional<std::string> WhyNotReloadable(const std::vector<std::uint8_t>& bytes, int generation) {
    const std::string kind = std::string("a whole ") + GenerationLabel(generation) + " OB file";
    if (!IsCompleteFileSize(bytes.size(), generation))
        return "it holds " + GroupedNumber(bytes.size()) + " bytes, too few for " + kind + " (" +
               GroupedNumber(CompleteFileSize(generation)) + ")";
    if (int now = DetectGeneration(bytes); now != generation)
        return std::string("it now reads as a ") + GenerationLabel(now) + " file, not " + kind;
    if (std::optional<std::string> names = WhyNamesAreNotText(bytes))
        return *names + ", so it is not " + kind;
    return std::nullopt;
}

} // namespace quorvant
