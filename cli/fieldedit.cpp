#include "cli/fieldedit.h"

#include "obdata/generation.h"
#include "obdata/latin1text.h"
#include "obdata/quorvantdoc.h"
#include "obdata/readbackcheck.h"
#include "obdata/recordfields.h"

#include <charconv>
#include <optional>

namespace quorvant::cli {
namespace {

std::optional<std::int64_t> ParseDecimal(std::string_view text) {
    std::int64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string Quoted(std::string_view latin1) {
    std::string quoted(1, '"');
    quoted += Latin1ToUtf8(latin1);
    quoted += '"';
    return quoted;
}

template <class Rec>
bool SetName(Rec& record, const std::string& value, std::string& change, std::string& error) {
    auto latin1 = Utf8ToLatin1(value, &error);
    if (!latin1) return false;
    error = RecordNameProblem(*latin1);
    if (!error.empty()) return false;
    std::string before = record.Name.str();
    SetRecordName(record, *latin1);
    change = Quoted(before) + " -> " + Quoted(record.Name.view());
    if (record.Name.isBlank()) change += " (a blank slot: its availability dates are 0)";
    return true;
}

template <class Rec>
bool SetNumber(Rec& record, int generation, const RecordField<Rec>& field, const FieldRef& ref,
               const std::string& value, std::string& change, std::string& error) {
    error = ValueProblem(field, generation, value);
    if (!error.empty()) return false;
    const int index = ref.index.value_or(0);
    const std::int64_t before = field.Get(record, generation, index);
    const std::int64_t number = *ParseDecimal(value);
    field.Set(record, generation, index, number);
    change = std::to_string(before) + " -> " + std::to_string(number);
    return true;
}

template <class Rec>
bool EditTable(std::vector<Rec>& table, int generation, const FieldEdit& edit, std::string& change,
               std::string& error) {
    const std::string tableName = TableName(edit.table);
    auto slot = ParseDecimal(edit.slot);
    if (!slot || *slot < 0 || *slot >= static_cast<std::int64_t>(table.size())) {
        error = table.empty() ? "the file has no " + tableName
                              : "slot " + edit.slot + " is out of range: the " + tableName +
                                    " table has slots 0 to " + std::to_string(table.size() - 1);
        return false;
    }
    auto ref = ParseFieldRef(edit.field);
    if (!ref) {
        error = "cannot read the field " + edit.field + " (write Cost, or Wpn[2] for an element)";
        return false;
    }
    const RecordField<Rec>* field = FindFileField<Rec>(*ref, tableName, error);
    if (!field) return false;
    Rec edited = table[static_cast<std::size_t>(*slot)];
    if (field->kind == FieldKind::Text) {
        if (!SetName(edited, edit.value, change, error)) return false;
    } else if (!SetNumber(edited, generation, *field, *ref, edit.value, change, error)) {
        return false;
    }
    table[static_cast<std::size_t>(*slot)] = edited;
    change = tableName + " slot " + edit.slot + " " + edit.field + ": " + change;
    return true;
}

// The edited field's value in table, as the change messages show it.
template <class Rec>
std::string FieldValueText(const std::vector<Rec>& table, int generation, const FieldEdit& edit) {
    auto slot = ParseDecimal(edit.slot);
    auto ref = ParseFieldRef(edit.field);
    const RecordField<Rec>* field = ref ? FindField<Rec>(ref->name) : nullptr;
    if (!slot || *slot < 0 || *slot >= static_cast<std::int64_t>(table.size()) || !field) return "?";
    const Rec& record = table[static_cast<std::size_t>(*slot)];
    if (field->kind == FieldKind::Text) return Quoted(record.Name.view());
    return std::to_string(field->Get(record, generation, ref->index.value_or(0)));
}

} // namespace

bool ApplyFieldEdit(CQuorvantDoc& doc, const FieldEdit& edit, std::string& change, std::string& error) {
    return WithTable(doc, edit.table,
                     [&](auto& table) { return EditTable(table, doc.Generation, edit, change, error); });
}

std::string ReadBackProblem(const CQuorvantDoc& doc, const FieldEdit& edit) {
    ReadBackCheck check(doc);
    if (check.changesGeneration())
        return std::string("the file would then read as ") + GenerationLabel(check.generationAfter()) +
               ", not " + GenerationLabel(doc.Generation);
    if (check.changedRecords() == 0) return {};
    const CQuorvantDoc& readBack = check.readBack();
    std::string value = WithTable(readBack, edit.table, [&](const auto& table) {
        return FieldValueText(table, readBack.Generation, edit);
    });
    return std::string("a ") + GenerationLabel(doc.Generation) +
           " file does not keep that value: " + TableName(edit.table) + " slot " + edit.slot + " " +
           edit.field + " would read back as " + value;
}

} // namespace quorvant::cli
