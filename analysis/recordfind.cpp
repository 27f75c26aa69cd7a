#include "analysis/recordfind.h"

#include "obdata/quorvantdoc.h"
#include "views/columnsets.h"
#include "views/listrows.h"

#include <algorithm>
#include <system_error>

namespace quorvant {
namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool HoldsIgnoringCase(std::string_view haystack, std::string_view needle) {
    auto it = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                          [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
    return it != haystack.end();
}

std::string WhyUnreadable(const std::filesystem::path& path, const std::string& why) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return "no such file";
    if (!std::filesystem::is_regular_file(path, ec)) return "not a file";
    return why;
}

} // namespace

std::optional<TableFilters> ParseTableFilters(std::string_view where, std::optional<int> table,
                                              int generation, FilterProblem& problem) {
    TableFilters filters;
    bool any = false;
    for (int t : {kWeaponTable, kUnitTable, kFormationTable}) {
        if (table && *table != t) continue;
        FilterProblem why;
        filters[static_cast<std::size_t>(t)] = RowFilter::Parse(where, t, generation, &why);
        any = any || filters[static_cast<std::size_t>(t)].has_value();
        if (table || t == kUnitTable) problem = why;
    }
    if (any) return filters;
    return std::nullopt;
}

std::vector<FindMatch> FindInDocument(const CQuorvantDoc& doc, const std::string& file, std::string_view text,
                                      std::optional<int> table, const TableFilters* where) {
    std::vector<FindMatch> matches;
    for (int t : {kWeaponTable, kUnitTable, kFormationTable}) {
        if (table && *table != t) continue;
        const std::optional<RowFilter>* filter = where ? &(*where)[static_cast<std::size_t>(t)] : nullptr;
        if (filter && !*filter) continue;
        for (int row = 0; row < ListRowCount(doc, t); ++row) {
            std::string_view name = NameOfNamedRow(doc, t, row);
            if (!name.empty() && HoldsIgnoringCase(name, text) && (!filter || (*filter)->Matches(doc, row)))
                matches.push_back({file, t, SlotOfRow(row), std::string(name)});
        }
    }
    return matches;
}

FolderFindResult FindInGameFolder(const std::filesystem::path& folder, int generation, std::string_view text,
                                  std::optional<int> table, const FindProgress& progress,
                                  const OpenDocumentOf& openDocument, const TableFilters* where) {
    FolderFindResult result;
    const std::vector<GameFolderFile> files = GameFolderFiles(folder, generation);
    int done = 0;
    for (const GameFolderFile& file : files) {
        const std::size_t before = result.matches.size();
        std::string shown = file.path.filename().string();
        const CQuorvantDoc* doc = openDocument ? openDocument(file.path) : nullptr;
        const bool unsaved = doc && doc->DiffersFromDisk();
        CQuorvantDoc read(generation);
        std::string why;
        // An expression may look at any field; names alone are quicker to read.
        const GameFileContent content = where ? GameFileContent::Everything : GameFileContent::NamesOnly;
        if (!doc && ReadGameFolderFile(file.path, read, why, content)) doc = &read;
        if (doc) {
            auto found = FindInDocument(*doc, shown, text, table, where);
            for (FindMatch& m : found) m.unsaved = unsaved;
            if (unsaved) result.unsaved.push_back(shown);
            result.matches.insert(result.matches.end(), found.begin(), found.end());
        } else {
            result.skipped.push_back({shown, WhyUnreadable(file.path, why)});
        }
        ++done;
        if (!progress) continue;
        std::vector<FindMatch> found(result.matches.begin() + static_cast<std::ptrdiff_t>(before),
                                     result.matches.end());
        if (!progress(done, static_cast<int>(files.size()), found)) break;
    }
    return result;
}

} // namespace quorvant
