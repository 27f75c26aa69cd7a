#include "exchange/recordpaste.h"

#include "obdata/quorvantdoc.h"
#include "obdata/vocabulary.h"

namespace quorvant {
namespace {

constexpr int kLastSearchedSlot = 248;
constexpr int kFirstFreeSlot = 1;
constexpr int kLastFreeSlot = 247;

std::string Trimmed(const RecordName& name) {
    return name.trimmed();
}

template <class Rec> const Rec* SlotOf(const std::vector<Rec>& table, int slot) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= table.size()) return nullptr;
    return &table[static_cast<std::size_t>(slot)];
}

const RecordName* SlotName(const CQuorvantDoc& doc, TransferKind kind, int slot) {
    if (kind == TransferKind::Weapons) {
        const CWeaponRecord* w = SlotOf(doc.Weapons, slot);
        return w ? &w->Name : nullptr;
    }
    const CUnitRecord* u = SlotOf(doc.Units, slot);
    return u ? &u->Name : nullptr;
}

std::string MatchText(const ResolvedWeapon& w) {
    std::string text = w.name.empty() ? "(empty) " : "\"" + w.name + "\" ";
    const std::string carried = std::to_string(w.carriedSlot);
    switch (w.match) {
    case WeaponMatch::SameSlot:
        return text + "found at slot " + std::to_string(w.slot);
    case WeaponMatch::Found:
        return text + "found at slot " + std::to_string(w.slot) + " (was " + carried + ")";
    case WeaponMatch::FreeSlot:
        return text + "added at free slot " + std::to_string(w.slot) + " (was " + carried + ")";
    case WeaponMatch::NoRoom:
        break;
    }
    return text + "no free weapon slot, keeps slot " + carried;
}

} // namespace

bool WeaponEquals(const CWeaponRecord& slot, const CarriedWeapon& carried) {
    return carried.zeroTail && slot == carried.record;
}

ResolvedWeapon ResolveWeapon(int slot, const CarriedWeapon& weapon, CQuorvantDoc& doc) {
    ResolvedWeapon resolved{slot, slot, WeaponMatch::SameSlot, Trimmed(weapon.record.Name)};
    if (const CWeaponRecord* own = SlotOf(doc.Weapons, slot); own && WeaponEquals(*own, weapon))
        return resolved;
    const int count = static_cast<int>(doc.Weapons.size());
    for (int s = 0; s <= kLastSearchedSlot && s < count; ++s) {
        if (WeaponEquals(doc.Weapons[static_cast<std::size_t>(s)], weapon)) {
            resolved.slot = s;
            resolved.match = WeaponMatch::Found;
            return resolved;
        }
    }
    for (int s = kFirstFreeSlot; s <= kLastFreeSlot && s < count; ++s) {
        CWeaponRecord& free = doc.Weapons[static_cast<std::size_t>(s)];
        if (!free.Name.isBlank()) continue;
        free = weapon.record;
        resolved.slot = s;
        resolved.match = WeaponMatch::FreeSlot;
        return resolved;
    }
    resolved.match = WeaponMatch::NoRoom;
    return resolved;
}

std::vector<int> PasteReport::changedWeaponSlots() const {
    if (kind == TransferKind::Weapons) return {slot};
    std::vector<int> slots;
    for (const ResolvedWeapon& w : weapons)
        if (w.match == WeaponMatch::FreeSlot) slots.push_back(w.slot);
    return slots;
}

std::string PasteReport::text() const {
    std::string line = std::string("Pasted ") + (kind == TransferKind::Weapons ? "weapon" : "unit") +
                       " slot " + std::to_string(slot) + " \"" + name + "\"";
    for (std::size_t k = 0; k < weapons.size(); ++k)
        line += (k == 0 ? ": weapon " : "; weapon ") + std::to_string(k + 1) + " " + MatchText(weapons[k]);
    return line;
}

std::string PasteReport::nationNote() const {
    return nation.empty() ? std::string()
                          : "; nation " + nation + " of this file (was " + carriedNation + ")";
}

std::optional<std::string> NamedSlotName(const CQuorvantDoc& doc, TransferKind kind, int slot) {
    const RecordName* name = SlotName(doc, kind, slot);
    if (!name || name->empty()) return std::nullopt;
    return Trimmed(*name);
}

std::string ReplacePromptText(const CQuorvantDoc& doc, TransferKind kind, int slot) {
    const RecordName* name = SlotName(doc, kind, slot);
    std::string shown = !name ? std::string() : kind == TransferKind::Weapons ? name->str() : Trimmed(*name);
    return "Replace " + shown + "?";
}

std::optional<PasteReport> PasteBlock(CQuorvantDoc& doc, TransferKind kind, int slot,
                                      std::span<const std::uint8_t> block, const std::string& verb) {
    if (!SlotName(doc, kind, slot)) return std::nullopt;
    PasteReport report;
    report.kind = kind;
    report.slot = slot;
    if (kind == TransferKind::Weapons) {
        auto carried = DecodeWeaponBlock(block, doc.Generation);
        if (!carried) return std::nullopt;
        doc.Weapons[static_cast<std::size_t>(slot)] = carried->record;
        report.name = Trimmed(carried->record.Name);
    } else {
        auto carried = DecodeUnitBlock(block, doc.Generation);
        if (!carried) return std::nullopt;
        CUnitRecord unit = carried->unit;
        for (std::size_t k = 0; k < unit.Wpn.size(); ++k) {
            ResolvedWeapon w = ResolveWeapon(unit.Wpn[k], carried->weapons[k], doc);
            unit.Wpn[k] = static_cast<std::uint8_t>(w.slot);
            report.weapons.push_back(std::move(w));
        }
        if (const CUnitRecord* first = SlotOf(doc.Units, 1);
            first && first->Nationality != unit.Nationality) {
            report.carriedNation = NationNameOrCode(doc.Lists.NationList, unit.Nationality);
            report.nation = NationNameOrCode(doc.Lists.NationList, first->Nationality);
            unit.Nationality = first->Nationality;
        }
        doc.Units[static_cast<std::size_t>(slot)] = unit;
        report.name = Trimmed(unit.Name);
    }
    CQuorvantDoc::SlotsByTable changed;
    changed[kViewWeapons] = report.changedWeaponSlots();
    if (kind == TransferKind::Units) changed[kViewUnits] = {slot};
    doc.RecordStep(verb + (kind == TransferKind::Weapons ? " Weapon" : " Unit") + " onto Slot " +
                       std::to_string(slot),
                   changed);
    return report;
}

} // namespace quorvant
