#include "analysis/recordfind.h"

#include "obdata/quorvantdoc.h"
#include "views/columnsets.h"
#include "views/listrows.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace quorvant {
namespace {

bool HoldsIgnoringCase(std::string_view haystack, std::string_view needle) {
    auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    auto it = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                          [&](char a, char b) { return lower(a) == lower(b); });
    return it != haystack.end();
}

} // namespace

const char* TableWord(int table) {
    switch (table) {
    case kWeaponTable:
        return "weapons";
    case kUnitTable:
        return "units";
    case kFormationTable:
        return "formations";
    default:
        return "?";
    }
}

std::vector<FindMatch> FindInDocument(const CQuorvantDoc& doc, const std::string& file, std::string_view text,
                                      std::optional<int> table) {
    std::vector<FindMatch> matches;
    for (int t : {kWeaponTable, kUnitTable, kFormationTable}) {
        if (table && *table != t) continue;
        for (int row = 0; row < ListRowCount(doc, t); ++row) {
            if (!RowHasCells(doc, t, row)) continue;
            std::string name = RecordNameOfRow(doc, t, row);
            if (HoldsIgnoringCase(name, text)) matches.push_back({file, t, SlotOfRow(row), std::move(name)});
        }
    }
    return matches;
}

FolderFindResult FindInGameFolder(const std::filesystem::path& folder, int generation, std::string_view text,
                                  std::optional<int> table, const FindProgress& progress) {
    FolderFindResult result;
    const std::vector<GameFolderFile> files = GameFolderFiles(folder, generation);
    int done = 0;
    for (const GameFolderFile& file : files) {
        const std::size_t before = result.matches.size();
        std::error_code ec;
        std::string shown = file.path.filename().string();
        if (!std::filesystem::is_regular_file(file.path, ec)) {
            result.skipped.push_back(
                {shown, std::filesystem::exists(file.path, ec) ? "not a file" : "no such file"});
        } else {
            CQuorvantDoc doc(generation);
            if (doc.OnOpenDocument(file.path)) {
                auto found = FindInDocument(doc, shown, text, table);
                result.matches.insert(result.matches.end(), found.begin(), found.end());
            } else {
                result.skipped.push_back({shown, doc.LastErrorDetail()});
            }
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
