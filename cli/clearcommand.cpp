#include "analysis/recordclear.h"
#include "cli/commands.h"
#include "cli/obfileaccess.h"
#include "cli/tables.h"
#include "obdata/latin1text.h"
#include "obdata/quorvantdoc.h"

#include <charconv>

namespace quorvant::cli {
namespace {

int TableNumber(Table table) {
    return table == Table::Weapons ? 0 : table == Table::Units ? 1 : 2;
}

} // namespace

int RunClear(const CommandLine& line, std::ostream& out, std::ostream& err) {
    for (const char* key : {"table", "slot"}) {
        if (!line.option(key)) {
            err << "obtool: clear needs --" << key << '\n';
            return kExitUsage;
        }
    }
    auto table = ParseTableName(*line.option("table"));
    if (!table) {
        err << "obtool: unknown table " << *line.option("table") << " (weapons, units or formations)\n";
        return kExitUsage;
    }
    const std::string tableName = TableName(*table);
    const std::string slotText = *line.option("slot");

    std::filesystem::path input = ResolveInputPath(line.positionals[0]);
    CQuorvantDoc doc;
    if (!LoadOBFile(input, doc, err)) return kExitFailure;
    if (!MayRewrite(doc, input, line.has("yes"), err)) return kExitFailure;
    const std::size_t count = WithTable(doc, *table, [](const auto& records) { return records.size(); });
    int slot = -1;
    auto [end, ec] = std::from_chars(slotText.data(), slotText.data() + slotText.size(), slot);
    if (slotText.empty() || ec != std::errc() || end != slotText.data() + slotText.size() || slot < 0 ||
        static_cast<std::size_t>(slot) >= count) {
        err << "obtool: "
            << (count == 0 ? "the file has no " + tableName
                           : "slot " + slotText + " is out of range: the " + tableName +
                                 " table has slots 0 to " + std::to_string(count - 1))
            << "; nothing written\n";
        return kExitFailure;
    }
    const int number = TableNumber(*table);
    if (!CanClearRecord(doc, number, slot)) {
        err << "obtool: " << tableName << " slot " << slot << " is empty; nothing written\n";
        return kExitFailure;
    }
    const std::vector<Reference> references = ReferencesTo(doc, number, slot);
    if (!references.empty() && !line.has("yes")) {
        err << "obtool: " << Latin1ToUtf8(RecordTitle(doc, number, slot)) << " is named by:\n";
        for (const Reference& r : references) err << "  " << Latin1ToUtf8(r.text()) << '\n';
        err << "obtool: give --yes to clear it; nothing written\n";
        return kExitFailure;
    }
    const std::string name = WithTable(doc, *table, [slot](const auto& records) {
        return records[static_cast<std::size_t>(slot)].Name.trimmed();
    });
    ClearRecord(doc, number, slot);
    std::filesystem::path output = line.option("out") ? std::filesystem::path(*line.option("out")) : input;
    if (!SaveOBFile(doc, output, err)) return kExitFailure;
    out << tableName << " slot " << slot << ": cleared \"" << Latin1ToUtf8(name) << "\"";
    if (!references.empty()) out << "; " << references.size() << " records now name an empty slot";
    out << '\n';
    return 0;
}

} // namespace quorvant::cli
