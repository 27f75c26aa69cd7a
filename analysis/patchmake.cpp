#include "analysis/obcompare.h"
#include "analysis/patch.h"
#include "obdata/doctables.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/recordfields.h"

namespace quorvant {

Patch MakePatch(const CQuorvantDoc& a, const CQuorvantDoc& b) {
    Patch patch{a.Generation, {}};
    for (const FieldDifference& d : CompareDocuments(a, b)) {
        if (IsFileNation(a, d)) continue;
        if (patch.changes.empty() || patch.changes.back().table != d.table ||
            patch.changes.back().slot != d.slot)
            patch.changes.push_back({d.table, d.slot, d.name, {}});
        patch.changes.back().fields.push_back({d.field, d.a, d.b});
    }
    return patch;
}

Patch MakeRecordPatch(const CQuorvantDoc& doc, int table, int slot) {
    Patch patch{doc.Generation, {}};
    WithDocTable(doc, table, [&](const auto& records) {
        using Rec = typename std::decay_t<decltype(records)>::value_type;
        if (slot < 0 || static_cast<std::size_t>(slot) >= records.size()) return;
        const Rec& record = records[static_cast<std::size_t>(slot)];
        PatchChange change{table, slot, record.Name.trimmed(), {}};
        for (const RecordField<Rec>& field : FieldsOf<Rec>()) {
            // Each file of a later generation holds its own nation.
            if (!field.inFile || field.kind == FieldKind::Text ||
                (doc.Generation != kBW1 && IsNationField(field)))
                continue;
            for (int i = 0; i < field.length; ++i) {
                const std::string value = std::to_string(field.Get(record, doc.Generation, i));
                change.fields.push_back(
                    {FieldRefText(field.name, field.IsArray() ? std::optional<int>(i) : std::nullopt), value,
                     value});
            }
        }
        patch.changes.push_back(std::move(change));
    });
    return patch;
}

bool IsTextField(const std::string& field) {
    return field == "Name";
}

} // namespace quorvant
