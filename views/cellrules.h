#pragma once

// The text rules of the list cells, one per kind of column. Each takes the document, the slot and the
// column's index (weapon 0-3, facing 0-6, formation entry 0-9) and reads only what lies in its table
// and lists: a value outside a name list or a slot number past a table shows as the number itself,
// so a designer sees the bad value.

#include "obdata/quorvantdoc.h"

#include <string>
#include <vector>

namespace quorvant::cells {

// The record at slot, or null when the table has no such slot.
template <class Record> const Record* At(const std::vector<Record>& table, int slot) {
    if (slot < 0 || slot >= static_cast<int>(table.size())) return nullptr;
    return &table[static_cast<std::size_t>(slot)];
}

std::string Number(int value);

// Weapons.
std::string WeaponClass(const CQuorvantDoc& doc, int slot, int index);
template <auto Field> std::string WeaponNumber(const CQuorvantDoc& doc, int slot, int /*index*/) {
    const CWeaponRecord* w = At(doc.Weapons, slot);
    return w ? Number(w->*Field) : std::string();
}

// Units.
std::string UnitClass(const CQuorvantDoc& doc, int slot, int index);
std::string UnitCountry(const CQuorvantDoc& doc, int slot, int index);
std::string UnitAvailable(const CQuorvantDoc& doc, int slot, int index);
std::string UnitUnavailable(const CQuorvantDoc& doc, int slot, int index);
std::string UnitMoveClass(const CQuorvantDoc& doc, int slot, int index);
std::string UnitWeaponName(const CQuorvantDoc& doc, int slot, int index);
std::string UnitHERounds(const CQuorvantDoc& doc, int slot, int index);
std::string UnitAPRounds(const CQuorvantDoc& doc, int slot, int index);
template <auto Field> std::string UnitNumber(const CQuorvantDoc& doc, int slot, int /*index*/) {
    const CUnitRecord* u = At(doc.Units, slot);
    return u ? Number(u->*Field) : std::string();
}
template <auto Facings> std::string UnitArmor(const CQuorvantDoc& doc, int slot, int facing) {
    const CUnitRecord* u = At(doc.Units, slot);
    if (!u || facing < 0 || facing >= kFacings) return {};
    return Number((u->*Facings)[static_cast<std::size_t>(facing)]);
}

// Formations.
std::string FormationCountry(const CQuorvantDoc& doc, int slot, int index);
std::string FormationAvailable(const CQuorvantDoc& doc, int slot, int index);
std::string FormationUnavailable(const CQuorvantDoc& doc, int slot, int index);
std::string FormationCategory(const CQuorvantDoc& doc, int slot, int index);
std::string FormationType(const CQuorvantDoc& doc, int slot, int index);
std::string FormationSpecialFlag(const CQuorvantDoc& doc, int slot, int index);
std::string FormationEntry(const CQuorvantDoc& doc, int slot, int index);
std::string FormationSubFormationMark(const CQuorvantDoc& doc, int slot, int index);
std::string FormationEntryStrength(const CQuorvantDoc& doc, int slot, int index);

} // namespace quorvant::cells
