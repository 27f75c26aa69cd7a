#include "views/listrows.h"

#include "obdata/quorvantdoc.h"
#include "views/cellrules.h"

#include <algorithm>

namespace quorvant {
namespace {

constexpr int kListedSlots = 249;

const RecordName* NameOfSlot(const CQuorvantDoc& doc, int table, int slot) {
    switch (table) {
    case kWeaponTable:
        if (auto* w = cells::At(doc.Weapons, slot)) return &w->Name;
        break;
    case kUnitTable:
        if (auto* u = cells::At(doc.Units, slot)) return &u->Name;
        break;
    case kFormationTable:
        if (auto* f = cells::At(doc.Formations, slot)) return &f->Name;
        break;
    }
    return nullptr;
}

bool IsBlankName(const RecordName& name) {
    return name.view().find_first_not_of(' ') == std::string_view::npos;
}

bool IsListed(const CQuorvantDoc& doc, int table, int row) {
    return row >= 0 && row < ListRowCount(doc, table);
}

} // namespace

int ListRowCount(const CQuorvantDoc& doc, int table) {
    auto slotsAfterZero = [](std::size_t size) { return size == 0 ? 0 : static_cast<int>(size) - 1; };
    switch (table) {
    case kWeaponTable:
        return std::min(kListedSlots, slotsAfterZero(doc.Weapons.size()));
    case kUnitTable:
        return std::min(kListedSlots, slotsAfterZero(doc.Units.size()));
    case kFormationTable:
        return slotsAfterZero(doc.Formations.size());
    default:
        return 0;
    }
}

std::string RowLabel(const CQuorvantDoc& doc, int table, int row) {
    if (!IsListed(doc, table, row)) return {};
    const RecordName* name = NameOfSlot(doc, table, SlotOfRow(row));
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on a chain of string additions.
    std::string label(1, ' ');
    label += std::to_string(SlotOfRow(row));
    label += ".  ";
    label += IsBlankName(*name) ? std::string(15, '-') : name->trimmed();
    return label;
}

std::string RecordNameOfRow(const CQuorvantDoc& doc, int table, int row) {
    if (!IsListed(doc, table, row)) return {};
    return NameOfSlot(doc, table, SlotOfRow(row))->trimmed();
}

bool RowHasCells(const CQuorvantDoc& doc, int table, int row) {
    if (!IsListed(doc, table, row)) return false;
    return !IsBlankName(*NameOfSlot(doc, table, SlotOfRow(row)));
}

std::string_view NameOfNamedRow(const CQuorvantDoc& doc, int table, int row) {
    if (!RowHasCells(doc, table, row)) return {};
    std::string_view name = NameOfSlot(doc, table, SlotOfRow(row))->view();
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

std::string CellText(const CQuorvantDoc& doc, int table, int row, const ColumnSpec& column) {
    if (!column.rule) return RowLabel(doc, table, row);
    if (!RowHasCells(doc, table, row)) return {};
    return column.rule(doc, SlotOfRow(row), column.index);
}

std::vector<std::string> RowTexts(const CQuorvantDoc& doc, int table, int row) {
    const auto& columns = ColumnSet(table, doc.Generation);
    std::vector<std::string> texts;
    texts.reserve(columns.size());
    for (const ColumnSpec& column : columns) texts.push_back(CellText(doc, table, row, column));
    return texts;
}

std::optional<int> UnitClassOfRow(const CQuorvantDoc& doc, int row) {
    if (!IsListed(doc, kUnitTable, row)) return std::nullopt;
    return doc.Units[static_cast<std::size_t>(SlotOfRow(row))].Class;
}

} // namespace quorvant
