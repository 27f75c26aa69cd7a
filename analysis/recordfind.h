#pragma once

#include "game/gamefolderfiles.h"
#include "views/columnsets.h"
#include "views/rowfilter.h"

#include <array>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

struct FindMatch {
    std::string file; // the file's name as found on disk
    int table = 0;
    int slot = 0;
    std::string name;     // less its trailing blanks
    bool unsaved = false; // found in an open document whose records differ from its file
};

// An expression per table the slots must also meet; a table without one is not searched.
using TableFilters = std::array<std::optional<RowFilter>, 3>;

// The expression over each table searched (one, or all three when table is empty); a table whose
// columns it does not fit is left out. Nothing when it fits none, with the reason for the table asked
// for, or else for the units.
std::optional<TableFilters> ParseTableFilters(std::string_view where, std::optional<int> table,
                                              int generation, FilterProblem& problem);

// The listed slots (1 upward) whose name holds text, ignoring ASCII case, in table then slot order;
// one table, or all three when table is empty. An empty text matches every named slot.
std::vector<FindMatch> FindInDocument(const CQuorvantDoc& doc, const std::string& file, std::string_view text,
                                      std::optional<int> table, const TableFilters* where = nullptr);

struct SkippedFile {
    std::string file;
    std::string reason;
};

struct FolderFindResult {
    std::vector<FindMatch> matches;
    std::vector<SkippedFile> skipped;
    std::vector<std::string> unsaved; // the files searched in open documents with unsaved changes
};

// FindInDocument over every OB file of a generation's menus in the folder, in menu order. A file
// that is missing or cannot be read is skipped and named. progress, when given, is told after each
// file (files done, files in all, that file's matches) and may stop the search by returning false.
// openDocument, when given, names the open document that holds a file (or null): that document is
// searched as it stands rather than the file on disk.
using FindProgress = std::function<bool(int done, int total, const std::vector<FindMatch>& found)>;
using OpenDocumentOf = std::function<const CQuorvantDoc*(const std::filesystem::path& file)>;
FolderFindResult FindInGameFolder(const std::filesystem::path& folder, int generation, std::string_view text,
                                  std::optional<int> table, const FindProgress& progress = {},
                                  const OpenDocumentOf& openDocument = {},
                                  const TableFilters* where = nullptr);

} // namespace quorvant
