#include "analysis/recordclear.h"

#include "obdata/generation.h"
#include "obdata/oblayout.h"
#include "obdata/quorvantdoc.h"
#include "views/columnsets.h"

#include <algorithm>

namespace quorvant {
namespace {

const char* RecordWord(int table) {
    return table == kWeaponTable ? "Weapon" : table == kUnitTable ? "Unit" : "Formation";
}

template <class Rec> const Rec* SlotOf(const std::vector<Rec>& records, int slot) {
    return slot > 0 && slot < static_cast<int>(records.size()) ? &records[static_cast<std::size_t>(slot)]
                                                               : nullptr;
}

template <class Fn> auto WithRecords(const CQuorvantDoc& doc, int table, Fn fn) {
    if (table == kWeaponTable) return fn(doc.Weapons);
    if (table == kUnitTable) return fn(doc.Units);
    return fn(doc.Formations);
}

CWeaponRecord Cleared(const CQuorvantDoc&, const CWeaponRecord& was) {
    CWeaponRecord r;
    r.Generation = was.Generation;
    return r;
}

CUnitRecord Cleared(const CQuorvantDoc& doc, const CUnitRecord&) {
    CUnitRecord r;
    if (doc.Generation != kBW1) r.Nationality = static_cast<std::uint8_t>(doc.FileNation);
    return r;
}

CFormationRecord Cleared(const CQuorvantDoc& doc, const CFormationRecord& was, std::size_t slot) {
    CFormationRecord r;
    if (doc.Generation != kBW1) r.Country = static_cast<std::uint8_t>(doc.FileNation);
    // A BW3 file is told from a BW2 one by the first strengths of formations 0 and 1; a cleared
    // formation 1 keeps its share of them, or the file might no longer reopen as BW3.
    constexpr auto kEntries = static_cast<std::size_t>(kFormationEntries);
    if (doc.Generation == kBW3)
        for (std::size_t i = 0; i < kEntries && slot * kEntries + i < layout::kGenerationProbeBytes; ++i)
            r.UnitStr[i] = was.UnitStr[i];
    return r;
}

} // namespace

std::string RecordTitle(const CQuorvantDoc& doc, int table, int slot) {
    std::string title = std::string(RecordWord(table)) + " " + std::to_string(slot);
    const std::string name = WithRecords(doc, table, [&](const auto& records) {
        const auto* r = SlotOf(records, slot);
        return r ? r->Name.trimmed() : std::string();
    });
    return name.empty() ? title : title + " " + name;
}

bool CanClearRecord(const CQuorvantDoc& doc, int table, int slot) {
    if (!IsRecordTable(table)) return false;
    return WithRecords(doc, table, [&](const auto& records) {
        const auto* r = SlotOf(records, slot);
        return r && !r->Name.trimmed().empty();
    });
}

namespace {

// Empties the slot in the tables, for a step the caller makes.
void Empty(CQuorvantDoc& doc, int table, int slot) {
    const auto s = static_cast<std::size_t>(slot);
    if (table == kWeaponTable) doc.Weapons[s] = Cleared(doc, doc.Weapons[s]);
    if (table == kUnitTable) {
        doc.Units[s] = Cleared(doc, doc.Units[s]);
        if (s < doc.UnitNameList.size()) doc.UnitNameList[s].clear();
    }
    if (table == kFormationTable) {
        doc.Formations[s] = Cleared(doc, doc.Formations[s], s);
        if (s < doc.FormationNameList.size()) doc.FormationNameList[s].clear();
    }
}

} // namespace

bool ClearRecord(CQuorvantDoc& doc, int table, int slot, const std::string& verb) {
    return !ClearRecords(doc, table, {slot}, verb).empty();
}

std::vector<int> ClearRecords(CQuorvantDoc& doc, int table, const std::vector<int>& slots,
                              const std::string& verb) {
    std::vector<int> cleared;
    for (int slot : slots)
        if (CanClearRecord(doc, table, slot) &&
            std::find(cleared.begin(), cleared.end(), slot) == cleared.end())
            cleared.push_back(slot);
    if (cleared.empty()) return cleared;
    const std::string name =
        cleared.size() == 1 ? verb + " " + RecordTitle(doc, table, cleared.front())
                            : verb + " " + std::to_string(cleared.size()) + " " + RecordWord(table) + "s";
    for (int slot : cleared) Empty(doc, table, slot);
    CQuorvantDoc::SlotsByTable changed;
    changed[static_cast<std::size_t>(table)] = cleared;
    doc.RecordStep(name, changed);
    return cleared;
}

std::string ReferenceLines(const std::vector<Reference>& references, std::size_t cap) {
    std::string lines;
    for (std::size_t i = 0; i < references.size() && i < cap; ++i) lines += references[i].text() + "\n";
    if (references.size() > cap) lines += "and " + std::to_string(references.size() - cap) + " more\n";
    return lines;
}

std::string ClearQuestion(const CQuorvantDoc& doc, int table, int slot,
                          const std::vector<Reference>& references) {
    return RecordTitle(doc, table, slot) + " is named by:\n" + ReferenceLines(references) +
           "\nClear it anyway? They will then name an empty slot.";
}

std::string ClearManyQuestion(int table, std::size_t count, const std::vector<Reference>& references) {
    std::string question = "Clear the " + std::to_string(count) + " " + RecordWord(table) + "s selected?";
    if (references.empty()) return question;
    return question + "\n\nThey are named by:\n" + ReferenceLines(references) +
           "\nThese will then name empty slots.";
}

} // namespace quorvant
