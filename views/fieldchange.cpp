#include "views/fieldchange.h"

#include "obdata/datecodes.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "views/columnfields.h"
#include "views/listrows.h"
#include "views/textcompare.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quorvant {
namespace {

// Named codes are tried one by one through the cell rule; the named fields are bytes.
constexpr std::int64_t kMostCodesTried = 256;
constexpr int kMonthsPerYear = 12;

const char* RecordWord(int table) {
    return table == kWeaponTable ? "Weapon" : table == kUnitTable ? "Unit" : "Formation";
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A copy of the records and lists the cell rules read, to work the change out on.
std::unique_ptr<CQuorvantDoc> Scratch(const CQuorvantDoc& doc) {
    auto scratch = std::make_unique<CQuorvantDoc>(doc.Generation);
    scratch->Generation = doc.Generation;
    scratch->Lists = doc.Lists;
    scratch->Weapons = doc.Weapons;
    scratch->Units = doc.Units;
    scratch->Formations = doc.Formations;
    return scratch;
}

std::string Cell(const CQuorvantDoc& doc, int table, int slot, const ColumnSpec& column) {
    return CellText(doc, table, slot - 1, column);
}

struct Value {
    std::int64_t code = 0;
    int month = 0;
};

// The codes a named column shows by a name, with the names, tried on the slot's record (left as it was).
std::vector<std::pair<std::int64_t, std::string>> NamedCodes(CQuorvantDoc& scratch, int table, int slot,
                                                             const ColumnSpec& column, ValueRange range) {
    std::vector<std::pair<std::int64_t, std::string>> named;
    const std::int64_t kept = StoredValue(scratch, table, slot, column).value_or(0);
    for (std::int64_t code = range.low; code <= std::min(range.high, range.low + kMostCodesTried - 1);
         ++code) {
        if (!StoreValue(scratch, table, slot, column, code)) continue;
        std::string text = Cell(scratch, table, slot, column);
        if (text != std::to_string(code)) named.emplace_back(code, std::move(text));
    }
    StoreValue(scratch, table, slot, column, kept);
    return named;
}

int DatePositions(int generation) {
    return static_cast<int>(BuildDateList(generation).size());
}

// A date as the list or the editors' date lists show it: "10/39", "1960", "53", and in BW3 "4/53"
// where the column keeps a month.
std::optional<Value> ReadDate(const CQuorvantDoc& doc, const ColumnSpec& column, std::string_view text) {
    const int generation = doc.Generation;
    text = TrimmedBlanks(text);
    Value value;
    std::string year(text);
    if (KeepsMonth(column, generation)) {
        const std::size_t slash = text.find('/');
        if (slash != std::string_view::npos) {
            const std::optional<double> month = ReadNumber(TrimmedBlanks(text.substr(0, slash)));
            if (!month || *month < 1 || *month > kMonthsPerYear || *month != std::floor(*month))
                return std::nullopt;
            value.month = static_cast<int>(*month);
            year = std::string(TrimmedBlanks(text.substr(slash + 1)));
        }
    }
    // A year written in full stands for the two-digit year of a BW3 list.
    std::string shortYear;
    if (std::optional<double> full = ReadNumber(year); full && *full >= 1900 && *full < 2000)
        shortYear = std::to_string(static_cast<int>(*full) - 1900);
    const std::vector<std::string> list = BuildDateList(generation);
    for (int position = 0; position < static_cast<int>(list.size()); ++position) {
        const std::uint8_t code = DatePositionToCode(generation, position).value_or(0);
        const std::string shown = ListDateText(generation, code);
        for (std::string_view candidate :
             {std::string_view(list[static_cast<std::size_t>(position)]), std::string_view(shown)}) {
            candidate = TrimmedBlanks(candidate);
            if (candidate == year || (!shortYear.empty() && candidate == shortYear)) {
                value.code = code;
                return value;
            }
        }
    }
    return std::nullopt;
}

bool Multiplies(ColumnValue value) {
    return value == ColumnValue::Number || value == ColumnValue::Slot;
}

} // namespace

FieldChangePlan::FieldChangePlan(const CQuorvantDoc& doc, int table, const std::vector<int>& slots,
                                 const FieldChangeRequest& request)
    : table_(table), column_(request.column) {
    std::vector<int> named;
    for (int slot : slots)
        if (RowHasCells(doc, table, slot - 1) && std::find(named.begin(), named.end(), slot) == named.end())
            named.push_back(slot);
    records_ = static_cast<int>(named.size());
    const std::vector<ColumnSpec>& columns = ColumnSet(table, doc.Generation);
    auto columnAt = [&](int index) -> const ColumnSpec* {
        return index >= 0 && index < static_cast<int>(columns.size())
                   ? &columns[static_cast<std::size_t>(index)]
                   : nullptr;
    };
    const ColumnSpec* column = columnAt(request.column);
    if (!column) {
        error_ = "choose the field to change";
        return;
    }
    heading_ = std::string(TrimmedBlanks(column->heading));
    const ColumnValue kind = column->field.value;
    if (kind == ColumnValue::Name) {
        error_ = "names are changed one record at a time";
        return;
    }
    if (kind == ColumnValue::Mark) {
        error_ = heading_ + " only marks the unit entry beside it";
        return;
    }
    const std::optional<ValueRange> fieldRange = FieldRange(table, doc.Generation, *column);
    if (!fieldRange) {
        error_ = heading_ + " cannot be changed";
        return;
    }
    changed_ = Scratch(doc);
    CQuorvantDoc& scratch = *changed_;

    ValueRange range = *fieldRange;
    std::vector<std::pair<std::int64_t, std::string>> names;
    if (kind == ColumnValue::Named && !named.empty()) {
        names = NamedCodes(scratch, table, named.front(), *column, *fieldRange);
        if (!names.empty()) range = {names.front().first, names.back().first};
    }

    std::optional<double> number;
    std::optional<Value> setTo;
    const ColumnSpec* source = nullptr;
    switch (request.kind) {
    case ChangeKind::SetTo:
        if (kind == ColumnValue::Date) {
            setTo = ReadDate(doc, *column, request.value);
            if (!setTo) error_ = Quoted(request.value) + " is not a date of the list";
            break;
        }
        number = ReadNumber(TrimmedBlanks(request.value));
        if (!number && kind == ColumnValue::Named) {
            for (const auto& [code, name] : names)
                if (SameIgnoringCase(TrimmedBlanks(name), TrimmedBlanks(request.value)))
                    setTo = Value{code, 0};
            if (!setTo) error_ = "there is no " + heading_ + " " + Quoted(request.value);
        } else if (!number) {
            error_ = Quoted(request.value) + " is not a number";
        }
        break;
    case ChangeKind::MultiplyBy:
        if (!Multiplies(kind)) {
            error_ = heading_ + " is not a number to multiply";
            break;
        }
        [[fallthrough]];
    case ChangeKind::Add:
        number = ReadNumber(TrimmedBlanks(request.value));
        if (!number) error_ = Quoted(request.value) + " is not a number";
        break;
    case ChangeKind::CopyFrom:
        source = columnAt(request.source);
        if (!source || !FieldRange(table, doc.Generation, *source))
            error_ = "choose the field to take the value from";
        else if ((source->field.value == ColumnValue::Date) != (kind == ColumnValue::Date))
            error_ = "a date takes its value only from another date";
        break;
    }
    if (!error_.empty()) return;

    const int positions = DatePositions(doc.Generation);
    for (int slot : named) {
        ChangedRow row;
        row.slot = slot;
        row.before = Cell(doc, table, slot, *column);
        const std::int64_t old = StoredValue(scratch, table, slot, *column).value_or(0);
        Value result{old, StoredMonth(scratch, table, slot, *column)};
        std::optional<double> wanted;
        switch (request.kind) {
        case ChangeKind::SetTo:
            if (setTo)
                result = *setTo;
            else
                wanted = *number;
            break;
        case ChangeKind::Add:
            if (kind != ColumnValue::Date) {
                wanted = static_cast<double>(old) + *number;
                break;
            }
            // Years, over the date list: BW1 lists months, the others years.
            if (std::optional<int> position =
                    DateCodeToPosition(doc.Generation, static_cast<std::uint8_t>(old))) {
                const double step = doc.Generation == kBW1 ? kMonthsPerYear : 1;
                const double moved = std::round(*position + *number * step);
                const double held = std::clamp(moved, 0.0, static_cast<double>(positions - 1));
                row.clamped = held != moved;
                result.code = DatePositionToCode(doc.Generation, static_cast<int>(held)).value_or(0);
            }
            break;
        case ChangeKind::MultiplyBy:
            wanted = static_cast<double>(old) * *number;
            break;
        case ChangeKind::CopyFrom:
            result.code = StoredValue(scratch, table, slot, *source).value_or(0);
            result.month = StoredMonth(scratch, table, slot, *source);
            if (kind == ColumnValue::Date) break;
            wanted = static_cast<double>(result.code);
            break;
        }
        if (wanted) {
            const double rounded = std::round(*wanted);
            const double held =
                std::clamp(rounded, static_cast<double>(range.low), static_cast<double>(range.high));
            row.clamped = held != rounded;
            result.code = static_cast<std::int64_t>(held);
        }
        if (!KeepsMonth(*column, doc.Generation)) result.month = 0;
        row.changed = result.code != old || result.month != StoredMonth(scratch, table, slot, *column);
        StoreValue(scratch, table, slot, *column, result.code, result.month);
        row.after = Cell(scratch, table, slot, *column);
        rows_.push_back(std::move(row));
    }
}

FieldChangePlan::~FieldChangePlan() = default;
FieldChangePlan::FieldChangePlan(FieldChangePlan&&) noexcept = default;
FieldChangePlan& FieldChangePlan::operator=(FieldChangePlan&&) noexcept = default;

int FieldChangePlan::changedCount() const {
    return static_cast<int>(
        std::count_if(rows_.begin(), rows_.end(), [](const ChangedRow& r) { return r.changed; }));
}

int FieldChangePlan::clampedCount() const {
    return static_cast<int>(
        std::count_if(rows_.begin(), rows_.end(), [](const ChangedRow& r) { return r.clamped; }));
}

std::string FieldChangePlan::stepName() const {
    const int count = changedCount();
    return "Change " + heading_ + " of " + std::to_string(count) + " " + RecordWord(table_) +
           (count == 1 ? "" : "s");
}

bool FieldChangePlan::Apply(CQuorvantDoc& doc) const {
    const std::vector<ColumnSpec>& columns = ColumnSet(table_, doc.Generation);
    if (!error_.empty() || !changed_ || changedCount() == 0 || column_ < 0 ||
        column_ >= static_cast<int>(columns.size()))
        return false;
    CQuorvantDoc::SlotsByTable slots;
    auto& changed = slots[static_cast<std::size_t>(table_)];
    const ColumnSpec& column = columns[static_cast<std::size_t>(column_)];
    // Only the changed field travels: the rest of each record stays as the document holds it.
    for (const ChangedRow& row : rows_) {
        if (!row.changed) continue;
        const std::optional<std::int64_t> value = StoredValue(*changed_, table_, row.slot, column);
        if (!value || !StoreValue(doc, table_, row.slot, column, *value,
                                  StoredMonth(*changed_, table_, row.slot, column)))
            continue;
        changed.push_back(row.slot);
    }
    return doc.RecordStep(stepName(), slots);
}

} // namespace quorvant
