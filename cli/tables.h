#pragma once

#include "exchange/csvexchange.h"
#include "obdata/doctables.h"
#include "obdata/quorvantdoc.h"
#include "views/columnsets.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvant::cli {

enum class Table { Weapons = kWeaponTable, Units = kUnitTable, Formations = kFormationTable };

// "weapons", "units", "formations": the names the command line uses.
const char* TableName(Table table);
std::optional<Table> ParseTableName(std::string_view name);

// "bw1", "bw2", "bw3": the generations the command line names.
std::optional<int> ParseGameName(std::string_view name);

// A comma-separated choice of tables ("units,formations") as CSV sections in file order; nothing,
// with the reason in error, for an unknown or empty name.
std::optional<std::vector<CsvSection>> ParseSectionList(std::string_view list, std::string& error);

// Calls f with the document's record table of that kind.
template <class Doc, class F> decltype(auto) WithTable(Doc& doc, Table table, F&& f) {
    return WithDocTable(doc, static_cast<int>(table), std::forward<F>(f));
}

} // namespace quorvant::cli
