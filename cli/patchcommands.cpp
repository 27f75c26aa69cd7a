// Patches on the command line: make one from two files, apply one to a file or to every OB file of a
// game folder. Each field written or in conflict is one tab-separated line; names as UTF-8.

#include "analysis/patchapply.h"
#include "analysis/patchfile.h"
#include "analysis/patchfolder.h"
#include "cli/commands.h"
#include "cli/obfileaccess.h"
#include "cli/tables.h"
#include "obdata/generation.h"
#include "obdata/latin1text.h"
#include "obdata/quorvantdoc.h"
#include "platform/fileio.h"
#include "views/columnsets.h"

namespace fs = std::filesystem;

namespace quorvant::cli {
namespace {

std::optional<Patch> LoadPatch(const std::string& given, std::ostream& err) {
    std::string error;
    const fs::path path = ResolveInputPath(given);
    std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path, error);
    std::optional<Patch> patch;
    if (bytes)
        patch =
            ReadPatch(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), error);
    if (!patch) err << "obtool: " << given << ": " << error << "; nothing written\n";
    return patch;
}

// --by slot (the default) or --by name; nothing after saying so on err for another word.
std::optional<PatchMatch> MatchOf(const CommandLine& line, std::ostream& err) {
    const std::string by = line.option("by").value_or("slot");
    if (by == "slot") return PatchMatch::BySlot;
    if (by == "name") return PatchMatch::ByName;
    err << "obtool patch: --by takes slot or name, not " << by << '\n';
    return std::nullopt;
}

// TABLE SLOT NAME FIELD and two values: old and new of a write, expected and found of a conflict.
void PrintRow(std::ostream& out, const std::string& prefix, const PatchRow& row, const std::string& first,
              const std::string& second) {
    const bool text = IsTextField(row.field);
    out << prefix << TableWord(row.table) << '\t' << row.slot << '\t' << Latin1ToUtf8(row.name) << '\t'
        << row.field << '\t' << (text ? Latin1ToUtf8(first) : first) << '\t'
        << (text ? Latin1ToUtf8(second) : second) << '\n';
}

void PrintConflicts(std::ostream& out, const std::string& prefix, const PatchPreview& preview) {
    for (const PatchRow& row : preview.rows)
        if (row.state == PatchFieldState::Conflict) PrintRow(out, prefix, row, row.expected, row.found);
}

std::string ConflictCount(const PatchPreview& preview) {
    std::size_t n = 0;
    for (const PatchRow& row : preview.rows) n += row.state == PatchFieldState::Conflict;
    return std::to_string(n) + (n == 1 ? " conflict" : " conflicts");
}

// Writes the rows into doc and saves it to output; false after saying why on err.
bool WriteRows(CQuorvantDoc& doc, const std::vector<PatchRow>& rows, const fs::path& output,
               const std::string& shown, const std::string& why, std::ostream& err) {
    CQuorvantDoc::SlotsByTable changed;
    std::string problem;
    if (!ApplyPatchRows(doc, rows, changed, problem)) {
        err << "obtool: " << shown << ": " << problem << "; " << why << '\n';
        return false;
    }
    return SaveOBFile(doc, output, err);
}

} // namespace

int RunPatchMake(const CommandLine& line, std::ostream& out, std::ostream& err) {
    CQuorvantDoc a;
    CQuorvantDoc b;
    if (!LoadFilePair(line, a, b, "a patch is made from files of one generation", err)) return kExitFailure;
    const std::string text = WritePatch(MakePatch(a, b));
    if (!line.option("out")) {
        out << text;
        return 0;
    }
    std::string error;
    if (WriteFileAtomically(fs::path(*line.option("out")), text, error)) return 0;
    err << "obtool: " << error << "; nothing written\n";
    return kExitFailure;
}

int RunPatchApply(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const std::optional<PatchMatch> match = MatchOf(line, err);
    if (!match) return kExitUsage;
    const std::optional<Patch> patch = LoadPatch(line.positionals[1], err);
    if (!patch) return kExitFailure;
    const fs::path input = ResolveInputPath(line.positionals[0]);
    CQuorvantDoc doc;
    if (!LoadOBFile(input, doc, err)) return kExitFailure;
    const PatchPreview preview = PreviewPatch(doc, *patch, *match);
    if (!preview.refusal.empty()) {
        err << "obtool: " << input.string() << ": " << preview.refusal << "; nothing written\n";
        return kExitFailure;
    }
    const bool force = line.has("force");
    if (preview.HasConflicts() && !force) {
        PrintConflicts(out, "", preview);
        err << "obtool: " << input.string() << ": " << ConflictCount(preview)
            << "; nothing written (--force takes the patch's values)\n";
        return kExitFailure;
    }
    const std::vector<PatchRow> writes = preview.Writes(force);
    if (writes.empty()) return 0;
    if (!MayRewrite(doc, input, line.has("yes"), err)) return kExitFailure;
    const fs::path output = line.option("out") ? fs::path(*line.option("out")) : input;
    if (!WriteRows(doc, writes, output, input.string(), "nothing written", err)) return kExitFailure;
    for (const PatchRow& row : writes) PrintRow(out, "", row, row.found, row.to);
    return 0;
}

int RunPatchApplyAll(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const std::optional<int> game = line.option("game") ? ParseGameName(*line.option("game")) : std::nullopt;
    if (!game) {
        err << "obtool patch apply-all: --game bw1|bw2|bw3 is needed\n";
        return kExitUsage;
    }
    const std::optional<PatchMatch> match = MatchOf(line, err);
    if (!match) return kExitUsage;
    const std::optional<Patch> patch = LoadPatch(line.positionals[1], err);
    if (!patch) return kExitFailure;
    if (patch->generation != *game) {
        err << "obtool: the patch is for " << GenerationLabel(patch->generation) << " files, not "
            << GenerationLabel(*game) << "; nothing written\n";
        return kExitFailure;
    }
    const fs::path folder = ResolveInputPath(line.positionals[0]);
    if (!IsGameFolder(folder, *game, err)) return kExitFailure;
    const bool force = line.has("force");
    bool clean = true;
    for (FilePatchPreview& f : PreviewPatchOverFolder(folder, *game, *patch, *match)) {
        const std::string prefix = f.file + '\t';
        const std::string kept = "left as it was";
        if (f.missing) {
            err << "obtool: " << f.file << ": no such file; skipped\n";
            continue;
        }
        clean = clean && f.unreadable.empty() && f.preview.refusal.empty();
        if (!f.unreadable.empty() || !f.preview.refusal.empty()) {
            err << "obtool: " << f.file << ": " << (f.unreadable.empty() ? f.preview.refusal : f.unreadable)
                << "; " << kept << '\n';
            continue;
        }
        if (f.preview.HasConflicts() && !force) {
            PrintConflicts(out, prefix, f.preview);
            err << "obtool: " << f.file << ": " << ConflictCount(f.preview) << "; " << kept << '\n';
            clean = false;
            continue;
        }
        const std::vector<PatchRow> writes = f.preview.Writes(force);
        if (writes.empty()) continue;
        if (!f.read->IsFileComplete()) {
            err << "obtool: " << f.file << " is " << f.read->FileSize() << " bytes, not a complete OB file; "
                << kept << " (obtool patch apply --yes rewrites it as a complete one)\n";
            clean = false;
            continue;
        }
        if (!WriteRows(*f.read, writes, f.path, f.file, kept, err)) {
            clean = false;
            continue;
        }
        for (const PatchRow& row : writes) PrintRow(out, prefix, row, row.found, row.to);
    }
    return clean ? 0 : kExitFailure;
}

} // namespace quorvant::cli
