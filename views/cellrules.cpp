#include "views/cellrules.h"

#include "obdata/datecodes.h"
#include "obdata/generation.h"
#include "obdata/vocabulary.h"

namespace quorvant::cells {
namespace {

constexpr int kLastCategory = 10;
constexpr int kUnitWeapons = 4;

std::string NationName(const CQuorvantDoc& doc, int code) {
    return NationNameOrCode(doc.Lists.NationList, code);
}

std::string DateText(const CQuorvantDoc& doc, std::uint8_t code) {
    return ListDateText(doc.Generation, code);
}

std::string AvailableText(const CQuorvantDoc& doc, std::uint8_t month, std::uint8_t year) {
    return ListDateText(doc.Generation, year, month);
}

template <class Record> std::string SlotName(const std::vector<Record>& table, int slot, int shown) {
    const Record* r = At(table, slot);
    return r ? r->Name.trimmed() : Number(shown);
}

// The text f gives for the record at slot, or the empty string when the table has no such slot.
template <class Record, class F> std::string With(const std::vector<Record>& table, int slot, F f) {
    const Record* r = At(table, slot);
    return r ? f(*r) : std::string();
}

// The HE (lane 0) or AP (lane 1) rounds of a unit's weapon; Ammo holds them in pairs.
std::string Rounds(const CQuorvantDoc& doc, int slot, int weapon, int lane) {
    if (weapon < 0 || weapon >= kUnitWeapons) return {};
    return With(doc.Units, slot, [&](const CUnitRecord& u) {
        return Number(u.Ammo[static_cast<std::size_t>(2 * weapon + lane)]);
    });
}

// The n-th formation entry, or nothing when the slot or entry does not exist.
const CFormationRecord* FormationWithEntry(const CQuorvantDoc& doc, int slot, int entry) {
    if (entry < 0 || entry >= kFormationEntries) return nullptr;
    return At(doc.Formations, slot);
}

} // namespace

std::string Number(int value) {
    return std::to_string(value);
}

std::string WeaponClass(const CQuorvantDoc& doc, int slot, int) {
    return With(doc.Weapons, slot, [&](const CWeaponRecord& w) {
        return NameOrCode(doc.Lists.WeaponClassList, w.Class, w.Class);
    });
}

std::string UnitClass(const CQuorvantDoc& doc, int slot, int) {
    return With(doc.Units, slot,
                [&](const CUnitRecord& u) { return NameOrCode(doc.Lists.UnitClassList, u.Class, u.Class); });
}

std::string UnitCountry(const CQuorvantDoc& doc, int slot, int) {
    return With(doc.Units, slot, [&](const CUnitRecord& u) { return NationName(doc, u.Nationality); });
}

std::string UnitAvailable(const CQuorvantDoc& doc, int slot, int) {
    return With(doc.Units, slot,
                [&](const CUnitRecord& u) { return AvailableText(doc, u.AvailMonth, u.Available); });
}

std::string UnitUnavailable(const CQuorvantDoc& doc, int slot, int) {
    return With(doc.Units, slot, [&](const CUnitRecord& u) { return DateText(doc, u.UnAvailable); });
}

std::string UnitMoveClass(const CQuorvantDoc& doc, int slot, int) {
    return With(doc.Units, slot, [&](const CUnitRecord& u) {
        return NameOrCode(doc.Lists.MoveClassList, u.MoveClass, u.MoveClass);
    });
}

std::string UnitWeaponName(const CQuorvantDoc& doc, int slot, int weapon) {
    if (weapon < 0 || weapon >= kUnitWeapons) return {};
    return With(doc.Units, slot, [&](const CUnitRecord& u) {
        int weaponSlot = u.Wpn[static_cast<std::size_t>(weapon)];
        return SlotName(doc.Weapons, weaponSlot, weaponSlot);
    });
}

std::string UnitHERounds(const CQuorvantDoc& doc, int slot, int weapon) {
    return Rounds(doc, slot, weapon, 0);
}

std::string UnitAPRounds(const CQuorvantDoc& doc, int slot, int weapon) {
    return Rounds(doc, slot, weapon, 1);
}

std::string FormationCountry(const CQuorvantDoc& doc, int slot, int) {
    return With(doc.Formations, slot, [&](const CFormationRecord& f) { return NationName(doc, f.Country); });
}

std::string FormationAvailable(const CQuorvantDoc& doc, int slot, int) {
    return With(doc.Formations, slot,
                [&](const CFormationRecord& f) { return AvailableText(doc, f.AvailMon, f.Avail); });
}

std::string FormationUnavailable(const CQuorvantDoc& doc, int slot, int) {
    return With(doc.Formations, slot, [&](const CFormationRecord& f) { return DateText(doc, f.UnAvail); });
}

std::string FormationCategory(const CQuorvantDoc& doc, int slot, int) {
    return With(doc.Formations, slot, [&](const CFormationRecord& f) {
        return f.Catagory > kLastCategory ? Number(f.Catagory) : FormationCategoryName(f.Catagory);
    });
}

std::string FormationType(const CQuorvantDoc& doc, int slot, int) {
    return With(doc.Formations, slot, [&](const CFormationRecord& f) {
        if (doc.Generation == kBW1) return Number(f.Type);
        return NameOrCode(doc.Lists.FormationTypeList, f.Type, f.Type);
    });
}

std::string FormationSpecialFlag(const CQuorvantDoc& doc, int slot, int) {
    return With(doc.Formations, slot, [&](const CFormationRecord& f) { return Number(f.SpcFlg); });
}

std::string FormationEntry(const CQuorvantDoc& doc, int slot, int entry) {
    const CFormationRecord* f = FormationWithEntry(doc, slot, entry);
    if (!f) return {};
    int v = f->unitEntry(doc.Generation, entry);
    if (doc.Generation == kBW1 || v < kSubFormationBase) return SlotName(doc.Units, v, v);
    // Only units may lead a formation: a sub-formation in the first entry is not shown.
    if (entry == 0) return {};
    return SlotName(doc.Formations, v - kSubFormationBase, v);
}

std::string FormationSubFormationMark(const CQuorvantDoc& doc, int slot, int entry) {
    const CFormationRecord* f = FormationWithEntry(doc, slot, entry);
    if (!f || doc.Generation == kBW1) return {};
    return f->Units[static_cast<std::size_t>(entry)] >= kSubFormationBase ? "X" : "";
}

std::string FormationEntryStrength(const CQuorvantDoc& doc, int slot, int entry) {
    const CFormationRecord* f = FormationWithEntry(doc, slot, entry);
    if (!f || doc.Generation == kBW1) return {};
    if (f->Units[static_cast<std::size_t>(entry)] >= kSubFormationBase) return {};
    return Number(f->UnitStr[static_cast<std::size_t>(entry)]);
}

} // namespace quorvant::cells
