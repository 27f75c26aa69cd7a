// The designer's tools on the command line: find names across a game folder, check a file's
// references, compare two files. Each prints tab-separated findings, names as UTF-8; the exit code
// says whether there were any (check and diff: 0 none or equal, 1 some; find: 0 some, 1 none or no
// folder to search; 2 an error).

#include "analysis/obcompare.h"
#include "analysis/recordfind.h"
#include "analysis/referencecheck.h"
#include "cli/commands.h"
#include "cli/obfileaccess.h"
#include "cli/tables.h"
#include "game/gamefolderfiles.h"
#include "obdata/generation.h"
#include "obdata/latin1text.h"
#include "obdata/quorvantdoc.h"
#include "pictures/picturenames.h"
#include "views/columnsets.h"

namespace fs = std::filesystem;

namespace quorvant::cli {
namespace {

constexpr int kExitFound = 1;
constexpr int kExitError = 2;

int TableNumber(Table table) {
    switch (table) {
    case Table::Weapons:
        return kWeaponTable;
    case Table::Units:
        return kUnitTable;
    default:
        return kFormationTable;
    }
}

} // namespace

int RunFind(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const std::optional<int> parsedGame =
        line.option("game") ? ParseGameName(*line.option("game")) : std::nullopt;
    if (!parsedGame) {
        err << "obtool find: --game bw1|bw2|bw3 is needed\n";
        return kExitError;
    }
    const int generation = *parsedGame;
    std::optional<int> table;
    if (auto word = line.option("table")) {
        auto parsed = ParseTableName(*word);
        if (!parsed) {
            err << "obtool find: unknown table " << *word << " (weapons, units or formations)\n";
            return kExitError;
        }
        table = TableNumber(*parsed);
    }
    std::string refused;
    std::optional<std::string> text =
        Utf8ToLatin1(line.positionals.size() > 1 ? line.positionals[1] : std::string(), &refused);
    std::optional<std::string> where =
        line.option("where") ? Utf8ToLatin1(*line.option("where"), &refused) : std::string();
    if (!text || !where) {
        err << "obtool: " << refused << '\n';
        return kExitFailure;
    }
    std::optional<TableFilters> filters;
    if (line.has("where")) {
        FilterProblem problem;
        filters = ParseTableFilters(*where, table, generation, problem);
        if (!filters) {
            err << "obtool find: --where: " << Latin1ToUtf8(problem.describe()) << '\n';
            return kExitError;
        }
    }
    fs::path folder = ResolveInputPath(line.positionals[0]);
    if (!IsGameFolder(folder, generation, err)) return kExitFailure;
    FolderFindResult result =
        FindInGameFolder(folder, generation, *text, table, {}, {}, filters ? &*filters : nullptr);
    for (const FindMatch& m : result.matches)
        out << m.file << '\t' << TableWord(m.table) << '\t' << m.slot << '\t' << Latin1ToUtf8(m.name) << '\n';
    for (const SkippedFile& s : result.skipped)
        err << "obtool: " << s.file << ": " << s.reason << "; skipped\n";
    return result.matches.empty() ? kExitFound : 0;
}

int RunCheck(const CommandLine& line, std::ostream& out, std::ostream& err) {
    CQuorvantDoc doc;
    std::optional<std::vector<std::string>> pictures;
    if (auto dir = line.option("pictures")) {
        fs::path folder = ResolveInputPath(*dir);
        if (!IsFolder(folder, err)) return kExitError;
        pictures = ListPictureFiles(folder);
    }
    if (!LoadOBFile(ResolveInputPath(line.positionals[0]), doc, err)) return kExitError;
    std::vector<Finding> findings = CheckReferences(doc, pictures ? &*pictures : nullptr);
    for (const Finding& f : findings)
        out << TableWord(f.table) << '\t' << f.slot << '\t' << Latin1ToUtf8(f.name) << '\t'
            << Latin1ToUtf8(f.what) << '\n';
    return findings.empty() ? 0 : kExitFound;
}

int RunDiff(const CommandLine& line, std::ostream& out, std::ostream& err) {
    CQuorvantDoc a;
    CQuorvantDoc b;
    if (!LoadFilePair(line, a, b, "only files of one generation compare", err)) return kExitError;
    std::vector<FieldDifference> differences = CompareDocuments(a, b);
    for (const FieldDifference& d : differences)
        out << TableWord(d.table) << '\t' << d.slot << '\t' << Latin1ToUtf8(d.name) << '\t' << d.field << '\t'
            << Latin1ToUtf8(d.a) << '\t' << Latin1ToUtf8(d.b) << '\n';
    return differences.empty() ? 0 : kExitFound;
}

} // namespace quorvant::cli
