#include "views/columnfields.h"

#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/recordfields.h"
#include "views/textcompare.h"

#include <algorithm>
#include <type_traits>

namespace quorvant {
namespace {

bool HasField(const ColumnSpec& column) {
    return !column.field.name.empty() && column.field.value != ColumnValue::Mark &&
           column.field.value != ColumnValue::Name;
}

// Calls f with the field of that name of the table's records (null when they have none).
template <class F> decltype(auto) WithFieldOf(int table, std::string_view name, F&& f) {
    switch (table) {
    case kWeaponTable:
        return f(FindField<CWeaponRecord>(name));
    case kUnitTable:
        return f(FindField<CUnitRecord>(name));
    default:
        return f(FindField<CFormationRecord>(name));
    }
}

template <class Doc> auto& RecordsOf(Doc& doc, const RecordField<CWeaponRecord>*) {
    return doc.Weapons;
}
template <class Doc> auto& RecordsOf(Doc& doc, const RecordField<CUnitRecord>*) {
    return doc.Units;
}
template <class Doc> auto& RecordsOf(Doc& doc, const RecordField<CFormationRecord>*) {
    return doc.Formations;
}

// The record at slot, or null past the table.
template <class Records> auto* At(Records& records, int slot) {
    return slot >= 0 && slot < static_cast<int>(records.size()) ? &records[static_cast<std::size_t>(slot)]
                                                                : nullptr;
}

int ElementOf(const ColumnSpec& column) {
    return std::max(0, column.field.element);
}

} // namespace

std::string ExportName(const ColumnSpec& column) {
    if (column.field.name.empty() || column.field.value == ColumnValue::Mark) return {};
    std::string name(column.field.name);
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on a chain of string additions.
    if (column.field.element >= 0) {
        name += '[';
        name += std::to_string(column.field.element);
        name += ']';
    }
    return name;
}

int FindColumn(int table, int generation, std::string_view name) {
    name = TrimmedBlanks(name);
    if (name.empty()) return -1;
    const std::vector<ColumnSpec>& columns = ColumnSet(table, generation);
    // A heading wins over an export name of another column.
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (SameIgnoringCase(TrimmedBlanks(columns[i].heading), name)) return static_cast<int>(i);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (SameIgnoringCase(ExportName(columns[i]), name)) return static_cast<int>(i);
    return -1;
}

std::string FieldHeading(int table, int generation, std::string_view exportName) {
    const std::vector<ColumnSpec>& columns = ColumnSet(table, generation);
    for (const ColumnSpec& column : columns)
        if (ExportName(column) == exportName) return std::string(TrimmedBlanks(column.heading));
    for (const ColumnSpec& column : columns)
        if (!column.field.monthField.empty() && column.field.monthField == exportName)
            return std::string(TrimmedBlanks(column.heading)) + " Month";
    // The later generations' map symbol has no column; the unit editor calls it so.
    if (table == kUnitTable && exportName == "Symbol2") return "BW2 Graphic";
    return std::string(exportName);
}

std::optional<ValueRange> FieldRange(int table, int generation, const ColumnSpec& column) {
    if (!HasField(column) || !IsRecordTable(table)) return std::nullopt;
    return WithFieldOf(table, column.field.name, [&](const auto* field) -> std::optional<ValueRange> {
        if (!field) return std::nullopt;
        return ValueRange{field->MinValue(generation), field->MaxValue(generation)};
    });
}

std::optional<std::int64_t> StoredValue(const CQuorvantDoc& doc, int table, int slot,
                                        const ColumnSpec& column) {
    if (!HasField(column) || !IsRecordTable(table)) return std::nullopt;
    return WithFieldOf(table, column.field.name, [&](const auto* field) -> std::optional<std::int64_t> {
        const auto* record = field ? At(RecordsOf(doc, field), slot) : nullptr;
        if (!record) return std::nullopt;
        return field->Get(*record, doc.Generation, ElementOf(column));
    });
}

// Only BW3 files keep the month of the first availability.
bool KeepsMonth(const ColumnSpec& column, int generation) {
    return !column.field.monthField.empty() && generation == kBW3;
}

int StoredMonth(const CQuorvantDoc& doc, int table, int slot, const ColumnSpec& column) {
    if (!KeepsMonth(column, doc.Generation) || !IsRecordTable(table)) return 0;
    return WithFieldOf(table, column.field.monthField, [&](const auto* field) {
        const auto* record = field ? At(RecordsOf(doc, field), slot) : nullptr;
        return record ? static_cast<int>(field->Get(*record, doc.Generation)) : 0;
    });
}

bool StoreValue(CQuorvantDoc& doc, int table, int slot, const ColumnSpec& column, std::int64_t value,
                int month) {
    if (!HasField(column) || !IsRecordTable(table)) return false;
    const int generation = doc.Generation;
    return WithFieldOf(table, column.field.name, [&](const auto* field) {
        auto* record = field ? At(RecordsOf(doc, field), slot) : nullptr;
        if (!record) return false;
        auto edited = *record;
        if (!field->Set(edited, generation, ElementOf(column), value)) return false;
        if (KeepsMonth(column, generation)) {
            using Rec = std::remove_cvref_t<decltype(edited)>;
            const RecordField<Rec>* monthField = FindField<Rec>(column.field.monthField);
            if (!monthField || !monthField->Set(edited, generation, 0, month)) return false;
        }
        *record = edited;
        return true;
    });
}

} // namespace quorvant
