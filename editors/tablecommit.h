#pragma once

#include "views/columnsets.h"

namespace quorvant {

class CQuorvantDoc;

// The kinds are the record tables (0 weapons, 1 units, 2 formations), as editors number them too.

// OK of an editor: the kind's table becomes its snapshot, one step of the document's history (its
// Undo takes the whole edit back). Returns whether anything changed.
bool CommitTable(CQuorvantDoc& doc, int kind);

// Cancel of an editor: the snapshot is copied back over the kind's table; a paste or import it takes
// back with it becomes a step of its own, so Undo brings it back.
void RevertTable(CQuorvantDoc& doc, int kind);

// Whether the kind's table holds changes its snapshot does not: what OK would keep and Cancel drop.
bool TableDiffersFromSnapshot(const CQuorvantDoc& doc, int kind);

} // namespace quorvant
