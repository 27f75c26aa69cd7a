#include "cli/obtool.h"

#include "cli/cliargs.h"
#include "cli/commands.h"

#include "app/version.h"

#include <string_view>

namespace quorvant::cli {
namespace {

struct Command {
    const char* name; // "patch make": a command with operations is named by both words

    const char* usage;
    std::vector<OptionSpec> options;
    std::size_t positionals; // kAnyPositionals: the command checks them itself
    int (*run)(const CommandLine&, std::ostream&, std::ostream&);
    // An option that makes the last positional one that may be left out.
    const char* lastPositionalOptionalWith = nullptr;
};

const OptionSpec kOut{"out", {"-o", "--out"}};
const OptionSpec kSections{"sections", {"--sections"}};
const OptionSpec kTable{"table", {"--table"}};
const OptionSpec kSlot{"slot", {"--slot"}};
const OptionSpec kYes{"yes", {"--yes"}, true};
const OptionSpec kWhere{"where", {"--where"}};
const OptionSpec kBy{"by", {"--by"}};
const OptionSpec kForce{"force", {"--force"}, true};

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"info", "info FILE", {}, 1, RunInfo},
        {"dump", "dump FILE", {}, 1, RunDump},
        {"set",
         "set FILE --table weapons|units|formations (--slot N --field F --value V | --where EXPR --field F "
         "(--value V | --add N | --times X)) [--yes] [-o OUT]",
         {kTable,
          kSlot,
          kWhere,
          {"field", {"--field"}},
          {"value", {"--value"}},
          {"add", {"--add"}},
          {"times", {"--times"}},
          kOut,
          kYes},
         1,
         RunSet},
        {"clear",
         "clear FILE --table weapons|units|formations --slot N [--yes] [-o OUT]",
         {kTable, kSlot, kOut, kYes},
         1,
         RunClear},
        {"demo", "demo DIR", {}, 1, RunDemo},
        {"export", "export FILE [--out DIR] [--sections LIST]", {kOut, kSections}, 1, RunExport},
        {"import",
         "import FILE [--from DIR] [--sections LIST] [--yes] [-o OUT]",
         {{"from", {"--from"}}, kSections, kOut, kYes},
         1,
         RunImport},
        {"find",
         "find GAMEFOLDER --game bw1|bw2|bw3 TEXT [--table weapons|units|formations] [--where EXPR]",
         {{"game", {"--game"}}, {"table", {"--table"}}, kWhere},
         2,
         RunFind,
         "where"},
        {"check", "check FILE [--pictures DIR]", {{"pictures", {"--pictures"}}}, 1, RunCheck},
        {"diff", "diff A B", {}, 2, RunDiff},
        {"block", "block FILE --table units|weapons --slot S [-o OUT]", {kTable, kSlot, kOut}, 1, RunBlock},
        {"paste",
         "paste FILE --table units|weapons --slot D --block BLOCKFILE [--yes] [-o OUT]",
         {kTable, kSlot, {"block", {"--block"}}, kYes, kOut},
         1,
         RunPaste},
        {"copy",
         "copy SRC --table units|weapons --slot S DST --to D [--yes] [-o OUT]",
         {kTable, kSlot, {"to", {"--to"}}, kYes, kOut},
         2,
         RunCopy},
        {"slots",
         "slots GAMEFOLDER --game bw1|bw2|bw3 [--kind save|email] [--yes] [--archiver CMD] [OPERATION ARGS]",
         {{"game", {"--game"}}, {"kind", {"--kind"}}, {"archiver", {"--archiver"}}, kYes},
         kAnyPositionals,
         RunSlots},
        {"lbm2bmp", "lbm2bmp IN.lbm OUT.bmp", {}, 2, RunLbm2Bmp},
        {"patch make", "patch make A B [-o PATCH]", {kOut}, 2, RunPatchMake},
        {"patch apply",
         "patch apply FILE PATCH [--by slot|name] [--force] [--yes] [-o OUT]",
         {kBy, kForce, kYes, kOut},
         2,
         RunPatchApply},
        {"patch apply-all",
         "patch apply-all GAMEFOLDER --game bw1|bw2|bw3 PATCH [--by slot|name] [--force]",
         {{"game", {"--game"}}, kBy, kForce},
         2,
         RunPatchApplyAll},
        {"lbm",
         kLbmUsage,
         {{"like", {"--like"}},
          {"family", {"--family"}},
          {"game-folder", {"--game-folder"}},
          {"dither", {"--dither"}, true},
          {"transparent", {"--transparent"}},
          kYes},
         kAnyPositionals,
         RunLbm},
        {"xref",
         "xref GAMEFOLDER --family bw1|bw2|bw3-modern|bw3-wwii [--picture N]",
         {{"family", {"--family"}}, {"picture", {"--picture"}}},
         1,
         RunXref},
        {"backups", kBackupsUsage, {{"profile", {"--profile"}}}, 1, RunBackups},
    };
    return commands;
}

// How many of args name the command (one, or two for "patch make"); 0 when they name another.
std::size_t NamedWords(const Command& command, const std::vector<std::string>& args) {
    const std::string_view name = command.name;
    const std::size_t space = name.find(' ');
    if (space == std::string_view::npos) return args[0] == name ? 1 : 0;
    return args.size() > 1 && args[0] == name.substr(0, space) && args[1] == name.substr(space + 1) ? 2 : 0;
}

void PrintUsage(std::ostream& out) {
    out << "usage:\n";
    for (const Command& c : Commands()) out << "  obtool " << c.usage << '\n';
    out << "  obtool --version\n";
    out << "\n"
           "  info    generation, nation, title and slot counts of an OB file\n"
           "  dump    the whole file as JSON, every record by its field names\n"
           "  set     change one field of one slot (an element as Wpn[2], from 0; Name: at most\n"
           "          15 Latin-1 characters, empty empties the slot) and save, in place or to OUT; with\n"
           "          --where, the field (a list heading or a field name) of every named record EXPR\n"
           "          holds for, set to V, plus N or times X, rounded and held to the field's range\n"
           "  clear   empty one slot (a blank name, every field 0) and save, in place or to OUT; a slot\n"
           "          other records name is cleared only with --yes, else they are listed\n"
           "  demo    write a made-up game installation (bw1, bw2, bw3) into DIR\n"
           "  export  write the CSV files the editor exports (LIST: weapons,units,formations)\n"
           "  import  read them back and save, in place or to OUT\n"
           "  find    the named slots of every OB file of a game folder whose name holds TEXT; with\n"
           "          --where, those EXPR holds for (TEXT may then be left out)\n"
           "  check   units and formations naming empty or missing slots, and formation loops; with\n"
           "          --pictures, units whose side picture has no file in DIR\n"
           "  diff    every field that differs between two OB files of one generation\n"
           "  block   write the clipboard block of a unit (with its four weapons) or a weapon, to OUT\n"
           "          or to standard output\n"
           "  paste   paste a block file onto a slot, by the editor's rules, and save; a named slot is\n"
           "          replaced only with --yes\n"
           "  copy    paste the block of SRC slot S onto DST slot D (files of one generation) and save\n"
           "  slots   list the saved or e-mail game slots, one \"N<TAB>TEXT\" line each, or change them:\n"
           "          copy N M, move N M, delete N, rename N TEXT, email-set K N, email-save K N,\n"
           "          email-restore K (K: e-mail slot 1 or 2); archives, zip N, unzip N, update,\n"
           "          zip-delete N for the zip archives of the slots (the built-in archiver unless\n"
           "          --archiver names one); what would overwrite or remove a slot or archive needs --yes\n"
           "  lbm2bmp convert an LBM side picture into a Windows bitmap file\n"
           "  patch   make: the patch (JSON) that turns A into B, the changes diff lists; apply: carry\n"
           "          it to FILE, each change to its slot or (--by name) to every record of its name;\n"
           "          apply-all: to every OB file of a game folder; a field found neither at the patch's\n"
           "          from nor at its to is a conflict, and a file with one is left alone unless --force\n"
           "  lbm import  write a PNG or BMP picture as an LBM side picture in the palette, kind and\n"
           "          planes of EXISTING.lbm or of the family's first picture, no larger than that one\n"
           "          (--dither: Floyd-Steinberg; --transparent RRGGBB: pixels of that colour become\n"
           "          the family's transparent colour); an existing OUT is replaced only with --yes\n"
           "  xref    the units of a family's OB files that use each side picture, one line each:\n"
           "          picture, unit, name, nation, available, unavailable, tab-separated\n"
           "  backups the copies the editor kept of FILE before writing over it, newest first, one\n"
           "          DATE<TAB>SIZE<TAB>PATH line each (DATE: when the copy was made, YYYY-MM-DD\n"
           "          HH:MM:SS local time; SIZE in bytes; PATH absolute), from the backups folder of\n"
           "          the profile DIR, else of QUORVANT_PROFILE, else of the editor's settings folder\n"
           "\n"
           "  EXPR compares list columns, named by heading or field name (Cost > 100 and Class = \"APC\",\n"
           "  Available < 1960 or not Name ~ HQ), with = != < <= > >= and ~ (holds), joined by and, or,\n"
           "  not and parentheses; quoted text meets the text the list shows, a number the stored value.\n"
           "\n"
           "  set, clear, import, paste, copy and patch apply rewrite a file that is not a complete OB file\n"
           "  only with --yes.\n"
           "\n"
           "  A patch is a UTF-8 JSON file:\n"
           "    {\"quorvant-patch\": 1, \"generation\": \"BW2\", \"changes\": [\n"
           "      {\"table\": \"weapons\", \"slot\": 12, \"name\": \"88mm KwK\",\n"
           "       \"fields\": {\"Name\": [\"88mm KwK\", \"88mm KwK 36\"], \"HEKill\": [40, 45]}}]}\n"
           "  one change per record (its table, slot and name, trailing blanks dropped), each field named\n"
           "  as set names it with [from, to]: names as text, every other value a number; [v, v] sets v\n"
           "  whatever the file holds.\n";
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
    if (args[0] == "--version") {
        out << "obtool " << ProgramVersion() << '\n';
        return 0;
    }
    for (const Command& command : Commands()) {
        const std::size_t named = NamedWords(command, args);
        if (named == 0) continue;
        std::vector<std::string> words(args.begin() + static_cast<std::ptrdiff_t>(named), args.end());
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
        const bool oneLess = command.lastPositionalOptionalWith &&
                             line.has(command.lastPositionalOptionalWith) &&
                             line.positionals.size() + 1 == command.positionals;
        if (command.positionals != kAnyPositionals && line.positionals.size() != command.positionals &&
            !oneLess) {
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
    if (args[0] == "patch") {
        err << "obtool patch: " << (args.size() < 2 ? "name an operation" : "unknown operation " + args[1])
            << " (make, apply or apply-all)\n";
        return kExitUsage;
    }
    err << "obtool: unknown command " << args[0] << " (try obtool -h)\n";
    return kExitUsage;
}

} // namespace quorvant::cli
