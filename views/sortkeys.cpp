#include "views/sortkeys.h"

#include "obdata/quorvantdoc.h"
#include "views/listrows.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace quorvant {
namespace {

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string_view Trimmed(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<std::int64_t> WholeNumber(std::string_view text) {
    text = Trimmed(text);
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
    CellSortKey key;
    if (!RowHasCells(doc, table, row)) return key;
    std::string text = column.sort == ColumnSort::Name ? RecordNameOfRow(doc, table, row)
                                                       : CellText(doc, table, row, column);
    std::optional<std::int64_t> number;
    if (column.sort == ColumnSort::Date)
        number = DateNumber(text);
    else if (column.sort == ColumnSort::Natural)
        number = WholeNumber(text);
    if (number) {
        key.rank = CellSortKey::Number;
        key.number = *number;
        return key;
    }
    key.rank = CellSortKey::Text;
    key.text = Lowered(std::move(text));
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
