#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

// The record tables a list shows; the same numbers as the document's view mode.
enum RecordTable : int { kWeaponTable = 0, kUnitTable = 1, kFormationTable = 2 };

// "weapons", "units", "formations": the tables' names in reports and on obtool's command line.
const char* TableWord(int table);
// The table of that name; -1 for any other word.
int TableOfWord(std::string_view word);

constexpr bool IsRecordTable(int table) {
    return table >= kWeaponTable && table <= kFormationTable;
}

enum class ColumnAlign { Left, Center };

// How a column's cells order when the list is sorted by it: the row label by name, dates in date
// order, every other column by number where the cell is one and by text otherwise.
enum class ColumnSort { Name, Date, Natural };

// What a column's cells are made of: the record's name, a number, a code shown by its name (a class,
// a nation), a date, a slot the record names (shown by that slot's name), or a mark derived from
// another field.
enum class ColumnValue { Name, Number, Named, Date, Slot, Mark };

// The stored field behind a column, by the name the records, obtool and the exports give it, with
// the element of an array field (-1 for a single value). BW3 keeps a month beside the first
// availability year, in monthField.
struct ColumnField {
    std::string_view name;
    int element = -1;
    ColumnValue value = ColumnValue::Number;
    std::string_view monthField;
};

// Text of one cell of a named slot; index picks the weapon, facing or formation entry a column shows.
// Rules check the slot against their table, so a slot past the end gives the empty string.
using CellRule = std::string (*)(const CQuorvantDoc& doc, int slot, int index);

struct ColumnSpec {
    std::string heading;
    int width = 0;
    ColumnAlign align = ColumnAlign::Center;
    CellRule rule = nullptr; // null for column 0, the row label
    int index = 0;
    ColumnSort sort = ColumnSort::Natural;
    // What the heading stands for, in words: the heading's tool tip.
    std::string meaning;
    ColumnField field;
};

// The columns of a table as a document of the generation lists them. An unknown table gives none;
// an unknown generation is listed as BW1.
const std::vector<ColumnSpec>& ColumnSet(int table, int generation);

} // namespace quorvant
