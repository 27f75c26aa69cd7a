#include "cli/fieldedit.h"

#include "cli/readbackcheck.h"
#include "obdata/generation.h"
#include "obdata/latin1text.h"
#include "obdata/quorvantdoc.h"
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

struct FieldRef {
    std::string name;
    std::optional<int> index;
};

// "Cost" or "Wpn[2]".
std::optional<FieldRef> ParseFieldRef(const std::string& text) {
    auto open = text.find('[');
    if (open == std::string::npos) return FieldRef{text, std::nullopt};
    if (text.back() != ']' || open == 0) return std::nullopt;
    auto index = ParseDecimal(std::string_view(text).substr(open + 1, text.size() - open - 2));
    if (!index || *index < 0 || *index > 0xFFFF) return std::nullopt;
    return FieldRef{text.substr(0, open), static_cast<int>(*index)};
}

template <class Rec> std::string FieldNames() {
    std::string names;
    for (const RecordField<Rec>& f : FieldsOf<Rec>()) {
        if (!names.empty()) names += ", ";
        names += f.name;
    }
    return names;
}

std::string Quoted(std::string_view latin1) {
    std::string quoted(1, '"');
    quoted += Latin1ToUtf8(latin1);
    quoted += '"';
    return quoted;
}

bool IsControl(unsigned char c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

template <class Rec>
bool SetName(Rec& record, const std::string& value, std::string& change, std::string& error) {
    auto latin1 = Utf8ToLatin1(value, &error);
    if (!latin1) return false;
    if (latin1->size() > static_cast<std::size_t>(kNameLength)) {
        error =
            "a name has at most 15 characters; " + Quoted(*latin1) + " has " + std::to_string(latin1->size());
        return false;
    }
    for (char c : *latin1) {
        if (IsControl(static_cast<unsigned char>(c))) {
            error = "a name cannot hold control characters";
            return false;
        }
    }
    std::string before = record.Name.str();
    SetRecordName(record, *latin1);
    change = Quoted(before) + " -> " + Quoted(record.Name.view());
    if (record.Name.isBlank()) change += " (a blank slot: its availability dates are 0)";
    return true;
}

template <class Rec>
bool SetNumber(Rec& record, int generation, const RecordField<Rec>& field, const FieldRef& ref,
               const std::string& value, std::string& change, std::string& error) {
    const std::string name(field.name);
    if (!field.inFile) {
        error = name + " is not stored in the file";
        return false;
    }
    if (field.IsArray() && !ref.index) {
        error = name + " has " + std::to_string(field.length) + " elements; name one, " + name + "[0] to " +
                name + "[" + std::to_string(field.length - 1) + "]";
        return false;
    }
    if (!field.IsArray() && ref.index) {
        error = name + " is a single value, not a list";
        return false;
    }
    int index = ref.index.value_or(0);
    if (index >= field.length) {
        error = name + "[" + std::to_string(index) + "] is out of range: " + name + " has elements 0 to " +
                std::to_string(field.length - 1);
        return false;
    }
    auto number = ParseDecimal(value);
    std::int64_t low = field.MinValue(generation);
    std::int64_t high = field.MaxValue(generation);
    if (!number || *number < low || *number > high) {
        error = "value " + value + " does not fit " + name + ": a whole number from " + std::to_string(low) +
                " to " + std::to_string(high);
        return false;
    }
    std::int64_t before = field.Get(record, generation, index);
    field.Set(record, generation, index, *number);
    change = std::to_string(before) + " -> " + std::to_string(*number);
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
    const RecordField<Rec>* field = FindField<Rec>(ref->name);
    if (!field) {
        error = tableName + " have no field " + ref->name + "; the fields are " + FieldNames<Rec>();
        return false;
    }
    Rec edited = table[static_cast<std::size_t>(*slot)];
    if (field->kind == FieldKind::Text) {
        if (ref->index) {
            error = "Name is a single value, not a list";
            return false;
        }
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
