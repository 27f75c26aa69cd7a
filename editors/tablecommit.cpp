#include "editors/tablecommit.h"

#include "obdata/quorvantdoc.h"

namespace quorvant {

bool CommitTable(CQuorvantDoc& doc, int kind) {
    return IsRecordTable(kind) && doc.CommitEdit(kind);
}

void RevertTable(CQuorvantDoc& doc, int kind) {
    if (IsRecordTable(kind)) doc.RevertEdit(kind);
}

} // namespace quorvant
