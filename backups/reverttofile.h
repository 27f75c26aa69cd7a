#pragma once

#include "obdata/quorvantdoc.h"

namespace quorvant {

// Going back to a file as it was: doc takes the records source holds, slot by slot, in the three
// tables (both of one generation, so of one size). Returns the slots that changed, for the one undo
// step that makes it; nothing is written.
CQuorvantDoc::SlotsByTable TakeRecordsOf(CQuorvantDoc& doc, const CQuorvantDoc& source);

} // namespace quorvant
