#include "editors/tablecommit.h"

#include "obdata/quorvantdoc.h"

namespace quorvant {
namespace {

template <class Record> bool Commit(const std::vector<Record>& table, std::vector<Record>& snapshot) {
    if (table == snapshot) return false;
    snapshot = table;
    return true;
}

template <class Fn> void WithTables(CQuorvantDoc& doc, int kind, Fn fn) {
    switch (kind) {
    case kWeaponTable:
        fn(doc.Weapons, doc.SnapshotWeapons);
        break;
    case kUnitTable:
        fn(doc.Units, doc.SnapshotUnits);
        break;
    case kFormationTable:
        fn(doc.Formations, doc.SnapshotFormations);
        break;
    default:
        break;
    }
}

} // namespace

bool CommitTable(CQuorvantDoc& doc, int kind) {
    bool changed = false;
    WithTables(doc, kind, [&](const auto& table, auto& snapshot) { changed = Commit(table, snapshot); });
    if (changed) doc.SetModifiedFlag(true);
    return changed;
}

void RevertTable(CQuorvantDoc& doc, int kind) {
    WithTables(doc, kind, [](auto& table, const auto& snapshot) {
        if (table != snapshot) table = snapshot;
    });
}

} // namespace quorvant
