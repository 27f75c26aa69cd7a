#include "cli/tables.h"

#include "obdata/generation.h"

#include <algorithm>
#include <string>

namespace quorvant::cli {

const char* TableName(Table table) {
    return TableWord(static_cast<int>(table));
}

std::optional<Table> ParseTableName(std::string_view name) {
    const int table = TableOfWord(name);
    if (table < 0) return std::nullopt;
    return static_cast<Table>(table);
}

std::optional<int> ParseGameName(std::string_view name) {
    for (int generation : {kBW1, kBW2, kBW3})
        if (name == "bw" + std::to_string(generation + 1)) return generation;
    return std::nullopt;
}

std::optional<std::vector<CsvSection>> ParseSectionList(std::string_view list, std::string& error) {
    bool chosen[3] = {false, false, false};
    for (std::size_t at = 0; at <= list.size();) {
        std::size_t end = std::min(list.find(',', at), list.size());
        std::string_view name = list.substr(at, end - at);
        auto table = ParseTableName(name);
        if (!table) {
            error = "unknown section \"" + std::string(name) + "\" (weapons, units or formations)";
            return std::nullopt;
        }
        chosen[static_cast<int>(*table)] = true;
        at = end + 1;
    }
    std::vector<CsvSection> sections;
    if (chosen[0]) sections.push_back(CsvSection::Weapons);
    if (chosen[1]) sections.push_back(CsvSection::Units);
    if (chosen[2]) sections.push_back(CsvSection::Formations);
    return sections;
}

} // namespace quorvant::cli
