#include "analysis/obcompare.h"

#include "obdata/doctables.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/recordfields.h"
#include "views/columnsets.h"

#include <algorithm>

namespace quorvant {
namespace {

template <class Rec>
void CompareRecords(int table, int slot, const Rec& a, const Rec& b, int generation,
                    std::vector<FieldDifference>& out) {
    const std::string name = a.Name.trimmed();
    for (const RecordField<Rec>& field : FieldsOf<Rec>()) {
        if (!field.inFile) continue;
        if (field.kind == FieldKind::Text) {
            if (a.Name.trimmed() != b.Name.trimmed())
                out.push_back(
                    {table, slot, name, std::string(field.name), a.Name.trimmed(), b.Name.trimmed()});
            continue;
        }
        for (int i = 0; i < field.length; ++i) {
            std::int64_t va = field.Get(a, generation, i);
            std::int64_t vb = field.Get(b, generation, i);
            if (va == vb) continue;
            out.push_back({table, slot, name,
                           FieldRefText(field.name, field.IsArray() ? std::optional<int>(i) : std::nullopt),
                           std::to_string(va), std::to_string(vb)});
        }
    }
}

template <class Rec>
void CompareTables(int table, const std::vector<Rec>& a, const std::vector<Rec>& b, int generation,
                   std::vector<FieldDifference>& out) {
    const Rec empty{};
    const std::size_t slots = std::max(a.size(), b.size());
    for (std::size_t s = 0; s < slots; ++s)
        CompareRecords(table, static_cast<int>(s), s < a.size() ? a[s] : empty, s < b.size() ? b[s] : empty,
                       generation, out);
}

} // namespace

std::vector<FieldDifference> CompareDocuments(const CQuorvantDoc& a, const CQuorvantDoc& b) {
    std::vector<FieldDifference> out;
    CompareTables(kWeaponTable, a.Weapons, b.Weapons, a.Generation, out);
    CompareTables(kUnitTable, a.Units, b.Units, a.Generation, out);
    CompareTables(kFormationTable, a.Formations, b.Formations, a.Generation, out);
    return out;
}

bool IsFileNation(const CQuorvantDoc& doc, const FieldDifference& d) {
    if (doc.Generation == kBW1) return false;
    const std::optional<FieldRef> ref = ParseFieldRef(d.field);
    if (!ref) return false;
    bool nation = false;
    WithDocTable(doc, d.table, [&](const auto& records) {
        using Rec = typename std::decay_t<decltype(records)>::value_type;
        const RecordField<Rec>* field = FindField<Rec>(ref->name);
        nation = field && IsNationField(*field);
    });
    return nation;
}

} // namespace quorvant
