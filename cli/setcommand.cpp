#include "cli/commands.h"
#include "cli/fieldedit.h"
#include "cli/obfileaccess.h"
#include "obdata/quorvantdoc.h"

namespace quorvant::cli {

int RunSet(const CommandLine& line, std::ostream& out, std::ostream& err) {
    if (line.has("where")) {
        if (!line.has("slot")) return RunSetWhere(line, out, err);
        err << "obtool: set takes --slot or --where, not both\n";
        return kExitUsage;
    }
    for (const char* key : {"add", "times"}) {
        if (line.has(key)) {
            err << "obtool: set --" << key << " needs --where\n";
            return kExitUsage;
        }
    }
    FieldEdit edit;
    for (const char* key : {"table", "slot", "field", "value"}) {
        if (!line.option(key)) {
            err << "obtool: set needs --" << key << '\n';
            return kExitUsage;
        }
    }
    auto table = ParseTableName(*line.option("table"));
    if (!table) {
        err << "obtool: unknown table " << *line.option("table") << " (weapons, units or formations)\n";
        return kExitUsage;
    }
    edit.table = *table;
    edit.slot = *line.option("slot");
    edit.field = *line.option("field");
    edit.value = *line.option("value");

    std::filesystem::path input = ResolveInputPath(line.positionals[0]);
    CQuorvantDoc doc;
    if (!LoadOBFile(input, doc, err)) return kExitFailure;
    if (!MayRewrite(doc, input, line.has("yes"), err)) return kExitFailure;
    std::string change;
    std::string error;
    if (!ApplyFieldEdit(doc, edit, change, error)) {
        err << "obtool: " << error << "; nothing written\n";
        return kExitFailure;
    }
    if (std::string problem = ReadBackProblem(doc, edit); !problem.empty()) {
        err << "obtool: " << problem << "; nothing written\n";
        return kExitFailure;
    }
    std::filesystem::path output = line.option("out") ? std::filesystem::path(*line.option("out")) : input;
    if (!SaveOBFile(doc, output, err)) return kExitFailure;
    out << change << '\n';
    return 0;
}

} // namespace quorvant::cli
