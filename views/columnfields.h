#pragma once

// The stored fields behind the list columns: what a column is called outside the list, and the value
// its cells are made of, for the filter expressions and the changes of one field over many records.

#include "views/columnsets.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

class CQuorvantDoc;

// "Cost", "ArmorAP[3]", "Name": the field as obtool and the exports name it; empty for a column that
// only marks another field.
std::string ExportName(const ColumnSpec& column);

// The list heading of the column that shows the field named exportName ("HE Kill" for "HEKill"),
// "Available Month" for the month kept beside a date, else the editor's name for it or exportName.
std::string FieldHeading(int table, int generation, std::string_view exportName);

// The column of the table whose heading or export name is name, ignoring case and the blanks around
// it; -1 when there is none.
int FindColumn(int table, int generation, std::string_view name);

// The lowest and highest value the column's field holds in the generation's file.
struct ValueRange {
    std::int64_t low = 0;
    std::int64_t high = 0;
};
std::optional<ValueRange> FieldRange(int table, int generation, const ColumnSpec& column);

// The stored value behind a slot's cell (a code, a slot number, a date's year code); nothing for the
// row label, a mark, or a slot past the table.
std::optional<std::int64_t> StoredValue(const CQuorvantDoc& doc, int table, int slot,
                                        const ColumnSpec& column);
// The month stored beside a date, 0 where the column keeps none.
int StoredMonth(const CQuorvantDoc& doc, int table, int slot, const ColumnSpec& column);

// Whether the column keeps a month beside its year in the generation's file (BW3's first availability).
bool KeepsMonth(const ColumnSpec& column, int generation);

// Stores value (and the month, where the column keeps one) in the slot's field. False, changing
// nothing, for a column without a field, a slot past the table or a value the field cannot hold.
bool StoreValue(CQuorvantDoc& doc, int table, int slot, const ColumnSpec& column, std::int64_t value,
                int month = 0);

} // namespace quorvant
