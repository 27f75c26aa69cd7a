#include "analysis/referencecheck.h"

#include "editors/formationentries.h"
#include "obdata/quorvantdoc.h"
#include "pictures/picturenames.h"
#include "views/columnsets.h"

#include <set>

namespace quorvant {
namespace {

template <class Rec> bool IsNamedSlot(const std::vector<Rec>& table, int slot) {
    return slot >= 0 && slot < static_cast<int>(table.size()) &&
           !table[static_cast<std::size_t>(slot)].Name.isBlank();
}

std::string Rounds(int he, int ap) {
    if (he > 0 && ap > 0) return std::to_string(he) + " HE and " + std::to_string(ap) + " AP rounds";
    if (he > 0) return std::to_string(he) + " HE rounds";
    return std::to_string(ap) + " AP rounds";
}

void CheckUnit(const CQuorvantDoc& doc, int slot, std::vector<Finding>& findings) {
    const CUnitRecord& unit = doc.Units[static_cast<std::size_t>(slot)];
    for (int k = 0; k < 4; ++k) {
        const int weapon = unit.Wpn[static_cast<std::size_t>(k)];
        const int he = unit.Ammo[static_cast<std::size_t>(2 * k)];
        const int ap = unit.Ammo[static_cast<std::size_t>(2 * k + 1)];
        if (he == 0 && ap == 0) continue;
        std::string where;
        if (weapon >= static_cast<int>(doc.Weapons.size()))
            where = "weapon slot " + std::to_string(weapon) + ", past the weapon table,";
        else if (!IsNamedSlot(doc.Weapons, weapon))
            where = "empty weapon slot " + std::to_string(weapon);
        else
            continue;
        findings.push_back(
            {kUnitTable, slot, unit.Name.trimmed(),
             "weapon " + std::to_string(k + 1) + " names " + where + " but carries " + Rounds(he, ap)});
    }
}

void CheckSidePicture(const CQuorvantDoc& doc, int slot, const std::vector<std::string>& listing,
                      std::vector<Finding>& findings) {
    const CUnitRecord& unit = doc.Units[static_cast<std::size_t>(slot)];
    const std::uint32_t number = unit.SideView;
    const std::string name = PictureName(number, NameFormFor(doc.Generation, doc.FileNation));
    if (FindPicture(listing, name)) return;
    findings.push_back({kUnitTable, slot, unit.Name.trimmed(),
                        "side picture " + std::to_string(number) + " has no file " + name + ".lbm"});
}

FormationEntry EntryOf(const CQuorvantDoc& doc, const CFormationRecord& f, int entry) {
    return DecodeFormationEntry(doc.Generation, f.unitEntry(doc.Generation, entry));
}

// Whether following the sub-formations from start comes back to target.
bool LeadsTo(const CQuorvantDoc& doc, int start, int target) {
    std::set<int> seen;
    std::vector<int> pending = {start};
    while (!pending.empty()) {
        int at = pending.back();
        pending.pop_back();
        if (at == target) return true;
        if (!IsNamedSlot(doc.Formations, at) || !seen.insert(at).second) continue;
        const CFormationRecord& f = doc.Formations[static_cast<std::size_t>(at)];
        for (int entry = 0; entry < kFormationEntries; ++entry)
            if (FormationEntry e = EntryOf(doc, f, entry); e.flagged) pending.push_back(e.number);
    }
    return false;
}

void CheckFormation(const CQuorvantDoc& doc, int slot, std::vector<Finding>& findings) {
    const CFormationRecord& f = doc.Formations[static_cast<std::size_t>(slot)];
    for (int entry = 0; entry < kFormationEntries; ++entry) {
        const std::string prefix = "entry " + std::to_string(entry + 1) + " names ";
        std::string problem;
        const FormationEntry e = EntryOf(doc, f, entry);
        if (e.flagged) {
            const int sub = e.number;
            if (sub == slot)
                problem = prefix + "this formation itself";
            else if (sub >= static_cast<int>(doc.Formations.size()))
                problem = prefix + "formation " + std::to_string(sub) + ", past the formation table";
            else if (!IsNamedSlot(doc.Formations, sub))
                problem = prefix + "empty formation " + std::to_string(sub);
            else if (LeadsTo(doc, sub, slot))
                problem =
                    prefix + "formation " + std::to_string(sub) + ", which leads back to this formation";
        } else {
            const int unit = e.number;
            if (unit == 0) continue;
            if (unit >= static_cast<int>(doc.Units.size()))
                problem = prefix + "unit slot " + std::to_string(unit) + ", past the unit table";
            else if (!IsNamedSlot(doc.Units, unit))
                problem = prefix + "empty unit slot " + std::to_string(unit);
        }
        if (!problem.empty()) findings.push_back({kFormationTable, slot, f.Name.trimmed(), problem});
    }
}

} // namespace

std::string Reference::text() const {
    std::string line = std::string(table == kUnitTable ? "unit " : "formation ") + std::to_string(slot);
    if (!name.empty()) line += " " + name;
    return line + " (" + where() + ")";
}

std::string Reference::where() const {
    return (table == kUnitTable ? "weapon " : "entry ") + std::to_string(entry + 1);
}

std::vector<Reference> ReferencesTo(const CQuorvantDoc& doc, int table, int slot) {
    std::vector<Reference> found;
    if (slot <= 0) return found;
    if (table == kWeaponTable) {
        for (int u = 0; u < static_cast<int>(doc.Units.size()); ++u) {
            if (!IsNamedSlot(doc.Units, u)) continue;
            const CUnitRecord& unit = doc.Units[static_cast<std::size_t>(u)];
            for (int k = 0; k < 4; ++k)
                if (unit.Wpn[static_cast<std::size_t>(k)] == slot)
                    found.push_back({kUnitTable, u, k, unit.Name.trimmed()});
        }
        return found;
    }
    if (table != kUnitTable && table != kFormationTable) return found;
    for (int f = 0; f < static_cast<int>(doc.Formations.size()); ++f) {
        if (!IsNamedSlot(doc.Formations, f)) continue;
        const CFormationRecord& formation = doc.Formations[static_cast<std::size_t>(f)];
        for (int entry = 0; entry < kFormationEntries; ++entry) {
            const FormationEntry e = EntryOf(doc, formation, entry);
            if (e.number == slot && e.flagged == (table == kFormationTable) && !(e.flagged && f == slot))
                found.push_back({kFormationTable, f, entry, formation.Name.trimmed()});
        }
    }
    return found;
}

std::vector<Finding> CheckReferences(const CQuorvantDoc& doc,
                                     const std::vector<std::string>* pictureListing) {
    std::vector<Finding> findings;
    for (int slot = 0; slot < static_cast<int>(doc.Units.size()); ++slot) {
        if (!IsNamedSlot(doc.Units, slot)) continue;
        CheckUnit(doc, slot, findings);
        if (pictureListing) CheckSidePicture(doc, slot, *pictureListing, findings);
    }
    for (int slot = 0; slot < static_cast<int>(doc.Formations.size()); ++slot)
        if (IsNamedSlot(doc.Formations, slot)) CheckFormation(doc, slot, findings);
    return findings;
}

} // namespace quorvant
