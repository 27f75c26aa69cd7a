#pragma once

#include "views/columnsets.h"

#include <cstdint>
#include <string>

namespace quorvant {

class CQuorvantDoc;

// What a cell is ordered by when the list is sorted by its column: numbers as numbers, dates in date
// order, names and other texts ignoring case. Blank slots have no cells and come after every named
// slot whichever way the list is sorted.
struct CellSortKey {
    enum Rank : int { Number = 0, Text = 1, Blank = 2 };
    Rank rank = Blank;
    std::int64_t number = 0;
    std::string text;
};

CellSortKey SortKeyOf(const CQuorvantDoc& doc, int table, int row, const ColumnSpec& column);
// The key of a cell that shows text (a name, for the row label) in a column sorted that way.
CellSortKey SortKeyOfText(std::string text, ColumnSort sort);

// Whether a orders before b when sorted ascending (descending only reverses named slots; blank
// slots stay last). Equal keys are not ordered, so a stable sort keeps them in slot order.
bool SortsBefore(const CellSortKey& a, const CellSortKey& b, bool descending = false);

} // namespace quorvant
