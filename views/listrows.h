#pragma once

// Which slots a record list shows and the texts of its rows. Row r shows slot r + 1; slot 0 is never
// listed. Every function takes any row number and never reads past a table.

#include "views/columnsets.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

// Weapons and units: 249 rows once the table holds records (fewer when a short file gave fewer
// slots), none when it is empty. Formations: one row fewer than the slots loaded.
int ListRowCount(const CQuorvantDoc& doc, int table);

constexpr int SlotOfRow(int row) {
    return row + 1;
}

// " %d.  %s" with the slot and the trimmed name, or fifteen hyphens for a blank slot.
std::string RowLabel(const CQuorvantDoc& doc, int table, int row);

// The slot's name less its trailing blanks; empty for rows the list does not have.
std::string RecordNameOfRow(const CQuorvantDoc& doc, int table, int row);

// Blank slots show their label only.
bool RowHasCells(const CQuorvantDoc& doc, int table, int row);

// The name of a row with cells, less its trailing blanks, without a copy (searches look at every
// row); empty for blank slots and rows the list does not have.
std::string_view NameOfNamedRow(const CQuorvantDoc& doc, int table, int row);

// The text of one cell; empty for rows the list does not have.
std::string CellText(const CQuorvantDoc& doc, int table, int row, const ColumnSpec& column);

// Every cell of a row, in the column order of the document's generation.
std::vector<std::string> RowTexts(const CQuorvantDoc& doc, int table, int row);

// The unit class whose icon a units row carries; nothing for rows the list does not have.
std::optional<int> UnitClassOfRow(const CQuorvantDoc& doc, int row);

} // namespace quorvant
