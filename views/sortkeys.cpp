#include "views/sortkeys.h"

#include "obdata/quorvantdoc.h"
#include "views/listrows.h"
#include "views/textcompare.h"

#include <charconv>

namespace quorvant {
namespace {

std::optional<std::int64_t> WholeNumber(std::string_view text) {
    text = TrimmedBlanks(text);
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "11/40" (month and year) or "40" (a year alone) as year * 100 + month, so a year alone orders
// before the months of that year.
std::optional<std::int64_t> DateNumber(std::string_view text) {
    std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        auto year = WholeNumber(text);
        if (year) return *year * 100;
        return std::nullopt;
    }
    auto month = WholeNumber(text.substr(0, slash));
    auto year = WholeNumber(text.substr(slash + 1));
    if (!month || !year) return std::nullopt;
    return *year * 100 + *month;
}

} // namespace

CellSortKey SortKeyOf(const CQuorvantDoc& doc, int table, int row, const ColumnSpec& column) {
    if (!RowHasCells(doc, table, row)) return {};
    return SortKeyOfText(column.sort == ColumnSort::Name ? RecordNameOfRow(doc, table, row)
                                                         : CellText(doc, table, row, column),
                         column.sort);
}

CellSortKey SortKeyOfText(std::string text, ColumnSort sort) {
    CellSortKey key;
    std::optional<std::int64_t> number;
    if (sort == ColumnSort::Date)
        number = DateNumber(text);
    else if (sort == ColumnSort::Natural)
        number = WholeNumber(text);
    if (number) {
        key.rank = CellSortKey::Number;
        key.number = *number;
        return key;
    }
    key.rank = CellSortKey::Text;
    key.text = AsciiLowered(text);
    return key;
}

bool SortsBefore(const CellSortKey& a, const CellSortKey& b, bool descending) {
    if (a.rank == CellSortKey::Blank || b.rank == CellSortKey::Blank)
        return a.rank != CellSortKey::Blank && b.rank == CellSortKey::Blank;
    const CellSortKey& first = descending ? b : a;
    const CellSortKey& second = descending ? a : b;
    if (first.rank != second.rank) return first.rank < second.rank;
    if (first.rank == CellSortKey::Number) return first.number < second.number;
    return first.text < second.text;
}

} // namespace quorvant
