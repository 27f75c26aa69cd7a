#include "cli/obtool.h"

#include "cli/cliargs.h"
#include "cli/commands.h"

#include <string_view>

namespace quorvant::cli {
namespace {

struct Command {
    const char* name;
    const char* usage;
    std::vector<OptionSpec> options;
    std::size_t positionals;
    int (*run)(const CommandLine&, std::ostream&, std::ostream&);
};

const OptionSpec kOut{"out", {"-o", "--out"}};
const OptionSpec kSections{"sections", {"--sections"}};
const OptionSpec kYes{"yes", {"--yes"}, true};

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"info", "info FILE", {}, 1, RunInfo},
        {"dump", "dump FILE", {}, 1, RunDump},
        {"set",
         "set FILE --table weapons|units|formations --slot N --field F --value V [--yes] [-o OUT]",
         {{"table", {"--table"}},
          {"slot", {"--slot"}},
          {"field", {"--field"}},
          {"value", {"--value"}},
          kOut,
          kYes},
         1,
         RunSet},
        {"demo", "demo DIR", {}, 1, RunDemo},
        {"export", "export FILE [--out DIR] [--sections LIST]", {kOut, kSections}, 1, RunExport},
        {"import",
         "import FILE [--from DIR] [--sections LIST] [--yes] [-o OUT]",
         {{"from", {"--from"}}, kSections, kOut, kYes},
         1,
         RunImport},
        {"find",
         "find GAMEFOLDER --game bw1|bw2|bw3 TEXT [--table weapons|units|formations]",
         {{"game", {"--game"}}, {"table", {"--table"}}},
         2,
         RunFind},
        {"check", "check FILE", {}, 1, RunCheck},
        {"diff", "diff A B", {}, 2, RunDiff},
    };
    return commands;
}

void PrintUsage(std::ostream& out) {
    out << "usage:\n";
    for (const Command& c : Commands()) out << "  obtool " << c.usage << '\n';
    out << "\n"
           "  info    generation, nation, title and slot counts of an OB file\n"
           "  dump    the whole file as JSON, every record by its field names\n"
           "  set     change one field of one slot (an element as Wpn[2], from 0; Name: at most\n"
           "          15 Latin-1 characters, empty empties the slot) and save, in place or to OUT\n"
           "  demo    write a made-up game installation (bw1, bw2, bw3) into DIR\n"
           "  export  write the CSV files the editor exports (LIST: weapons,units,formations)\n"
           "  import  read them back and save, in place or to OUT\n"
           "  find    the named slots of every OB file of a game folder whose name holds TEXT\n"
           "  check   units and formations naming empty or missing slots, and formation loops\n"
           "  diff    every field that differs between two OB files of one generation\n"
           "\n"
           "  set and import rewrite a file that is not a complete OB file only with --yes.\n";
}

} // namespace

int RunObtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "obtool: no command given (try obtool -h)\n";
        return kExitUsage;
    }
    if (args[0] == "-h" || args[0] == "--help" || args[0] == "help") {
        PrintUsage(out);
        return 0;
    }
    for (const Command& command : Commands()) {
        if (args[0] != command.name) continue;
        std::vector<std::string> words(args.begin() + 1, args.end());
        if (!words.empty() && (words[0] == "-h" || words[0] == "--help")) {
            out << "usage: obtool " << command.usage << '\n';
            return 0;
        }
        CommandLine line;
        std::string error;
        if (!ParseCommandLine(words, command.options, line, error)) {
            err << "obtool " << command.name << ": " << error << "\nusage: obtool " << command.usage << '\n';
            return kExitUsage;
        }
        if (line.positionals.size() != command.positionals) {
            err << "obtool " << command.name << ": "
                << (line.positionals.size() < command.positionals ? "missing argument" : "too many arguments")
                << "\nusage: obtool " << command.usage << '\n';
            return kExitUsage;
        }
        try {
            return command.run(line, out, err);
        } catch (const std::exception& e) {
            err << "obtool: " << e.what() << '\n';
            return kExitFailure;
        }
    }
    err << "obtool: unknown command " << args[0] << " (try obtool -h)\n";
    return kExitUsage;
}

} // namespace quorvant::cli
