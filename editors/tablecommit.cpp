#include "editors/tablecommit.h"

#include "obdata/quorvantdoc.h"

namespace quorvant {

bool CommitTable(CQuorvantDoc& doc, int kind) {
    return IsRecordTable(kind) && doc.CommitEdit(kind);
}

void RevertTable(CQuorvantDoc& doc, int kind) {
    if (IsRecordTable(kind)) doc.RevertEdit(kind);
}

bool TableDiffersFromSnapshot(const CQuorvantDoc& doc, int kind) {
    switch (kind) {
    case kWeaponTable:
        return doc.Weapons != doc.SnapshotWeapons;
    case kUnitTable:
        return doc.Units != doc.SnapshotUnits;
    case kFormationTable:
        return doc.Formations != doc.SnapshotFormations;
    default:
        return false;
    }
}

} // namespace quorvant
