#pragma once

// What the editor says when it offers a journal and after it recovered one.

#include "recovery/journalreplay.h"

#include <string>

namespace quorvant {

// "Quorvant was not closed properly. Recover the unsaved changes to KOB12 (12 changes, 10:42)?" (or,
// for a journal kept by Later, "You chose to recover the unsaved changes to ... later. Recover them now?"),
// followed by a sentence when the file changed on disk or is gone, and one when the journal's end
// is damaged. The time is local.
std::string RecoveryQuestion(const JournalSummary& journal);
// After a recovery: what was lost and whether the file had changed; empty when all came back as it
// was. After a refusal: why nothing was recovered.
std::string RecoveryReport(const ReplayResult& result, const std::string& fileName);

} // namespace quorvant
