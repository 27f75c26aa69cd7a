#pragma once

#include "views/columnsets.h"

namespace quorvant {

class CQuorvantDoc;

// The kinds are the record tables (0 weapons, 1 units, 2 formations), as editors number them too.

// OK of an editor: the kind's table becomes its snapshot. A table that differed from the snapshot
// marks the document modified, so no confirmed edit can be dropped without the save question.
// Returns whether it differed.
bool CommitTable(CQuorvantDoc& doc, int kind);

// Cancel of an editor: the snapshot is copied back over the kind's table.
void RevertTable(CQuorvantDoc& doc, int kind);

} // namespace quorvant
