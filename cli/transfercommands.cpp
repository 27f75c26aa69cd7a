#include "cli/commands.h"
#include "cli/obfileaccess.h"
#include "cli/tables.h"
#include "exchange/recordpaste.h"
#include "obdata/generation.h"
#include "obdata/latin1text.h"
#include "obdata/quorvantdoc.h"
#include "platform/fileio.h"

#include <charconv>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvant::cli {
namespace {

const char* KindName(TransferKind kind) {
    return TableName(kind == TransferKind::Weapons ? Table::Weapons : Table::Units);
}

std::size_t BlockSize(TransferKind kind) {
    return kind == TransferKind::Weapons ? kWeaponBlockSize : kUnitBlockSize;
}

// The options a command cannot do without; says which one is missing.
bool HasOptions(const CommandLine& line, const char* command, std::initializer_list<const char*> keys,
                std::ostream& err) {
    for (const char* key : keys) {
        if (line.option(key)) continue;
        err << "obtool: " << command << " needs --" << key << '\n';
        return false;
    }
    return true;
}

std::optional<TransferKind> ChosenKind(const CommandLine& line, std::ostream& err) {
    const std::string name = *line.option("table");
    auto table = ParseTableName(name);
    if (table == Table::Weapons) return TransferKind::Weapons;
    if (table == Table::Units) return TransferKind::Units;
    if (table == Table::Formations)
        err << "obtool: formations are not transferred (weapons or units)\n";
    else
        err << "obtool: unknown table " << name << " (weapons or units)\n";
    return std::nullopt;
}

// A slot the document's table has.
std::optional<int> ExistingSlot(const CQuorvantDoc& doc, TransferKind kind, const std::string& text,
                                std::ostream& err) {
    const int count = kind == TransferKind::Weapons ? doc.WeaponCount() : doc.UnitCount();
    int slot = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), slot);
    if (!text.empty() && ec == std::errc() && end == text.data() + text.size() && slot >= 0 && slot < count)
        return slot;
    if (count <= 0)
        err << "obtool: " << doc.FileName() << " has no " << KindName(kind) << '\n';
    else
        err << "obtool: slot " << text << " is out of range: the " << KindName(kind) << " table of "
            << doc.FileName() << " has slots 0 to " << count - 1 << '\n';
    return std::nullopt;
}

// Reads the file and finds in it the slot the command line names.
std::optional<int> LoadWithSlot(const fs::path& path, CQuorvantDoc& doc, TransferKind kind,
                                const std::string& slot, std::ostream& err) {
    if (!LoadOBFile(path, doc, err)) return std::nullopt;
    return ExistingSlot(doc, kind, slot, err);
}

// The block file, read only when it has the size of a block of that kind.
std::optional<RecordBlock> ReadBlockFile(const fs::path& path, TransferKind kind, std::ostream& err) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        err << "obtool: " << path.string() << ": no such block file\n";
        return std::nullopt;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size != BlockSize(kind)) {
        err << "obtool: " << path.string() << ": " << (ec ? 0 : size) << " bytes is not a " << KindName(kind)
            << " block (" << BlockSize(kind) << " bytes)\n";
        return std::nullopt;
    }
    std::string error;
    auto bytes = ReadWholeFile(path, error);
    if (!bytes) err << "obtool: " << error << '\n';
    return bytes;
}

// Pastes the block onto the slot of doc and saves it to the output, in place unless -o names one.
int PasteAndSave(CQuorvantDoc& doc, const fs::path& input, TransferKind kind, int slot,
                 const RecordBlock& block, const CommandLine& line, std::ostream& out, std::ostream& err) {
    if (!MayRewrite(doc, input, line.has("yes"), err)) return kExitFailure;
    if (auto name = NamedSlotName(doc, kind, slot); name && !line.has("yes")) {
        err << "obtool: " << KindName(kind) << " slot " << slot << " holds \"" << Latin1ToUtf8(*name)
            << "\"; give --yes to replace it; nothing written\n";
        return kExitFailure;
    }
    auto report = PasteBlock(doc, kind, slot, block);
    if (!report) {
        err << "obtool: the block has " << block.size() << " bytes, not the " << BlockSize(kind) << " of a "
            << KindName(kind) << " block; nothing written\n";
        return kExitFailure;
    }
    const fs::path output = line.option("out") ? fs::path(*line.option("out")) : input;
    if (!SaveOBFile(doc, output, err)) return kExitFailure;
    out << Latin1ToUtf8(report->text()) << '\n';
    return 0;
}

} // namespace

int RunBlock(const CommandLine& line, std::ostream& out, std::ostream& err) {
    if (!HasOptions(line, "block", {"table", "slot"}, err)) return kExitUsage;
    auto kind = ChosenKind(line, err);
    if (!kind) return kExitUsage;
    CQuorvantDoc doc;
    auto slot = LoadWithSlot(ResolveInputPath(line.positionals[0]), doc, *kind, *line.option("slot"), err);
    if (!slot) return kExitFailure;
    RecordBlock block = *BlockOfSlot(doc, *kind, *slot);
    if (auto output = line.option("out")) {
        std::string error;
        if (WriteFileAtomically(*output, block, error)) return 0;
        err << "obtool: " << error << "; nothing written\n";
        return kExitFailure;
    }
    out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
    out.flush();
    return out ? 0 : kExitFailure;
}

int RunPaste(const CommandLine& line, std::ostream& out, std::ostream& err) {
    if (!HasOptions(line, "paste", {"table", "slot", "block"}, err)) return kExitUsage;
    auto kind = ChosenKind(line, err);
    if (!kind) return kExitUsage;
    const fs::path input = ResolveInputPath(line.positionals[0]);
    CQuorvantDoc doc;
    auto slot = LoadWithSlot(input, doc, *kind, *line.option("slot"), err);
    if (!slot) return kExitFailure;
    auto block = ReadBlockFile(ResolveInputPath(*line.option("block")), *kind, err);
    if (!block) return kExitFailure;
    return PasteAndSave(doc, input, *kind, *slot, *block, line, out, err);
}

int RunCopy(const CommandLine& line, std::ostream& out, std::ostream& err) {
    if (!HasOptions(line, "copy", {"table", "slot", "to"}, err)) return kExitUsage;
    auto kind = ChosenKind(line, err);
    if (!kind) return kExitUsage;
    CQuorvantDoc source;
    auto from = LoadWithSlot(ResolveInputPath(line.positionals[0]), source, *kind, *line.option("slot"), err);
    if (!from) return kExitFailure;
    const fs::path input = ResolveInputPath(line.positionals[1]);
    CQuorvantDoc target;
    if (!LoadOBFile(input, target, err)) return kExitFailure;
    if (target.Generation != source.Generation) {
        err << "obtool: " << source.FileName() << " is a " << GenerationLabel(source.Generation)
            << " file and " << target.FileName() << " a " << GenerationLabel(target.Generation)
            << " file; records pass only between files of one generation\n";
        return kExitFailure;
    }
    auto to = ExistingSlot(target, *kind, *line.option("to"), err);
    if (!to) return kExitFailure;
    return PasteAndSave(target, input, *kind, *to, *BlockOfSlot(source, *kind, *from), line, out, err);
}

} // namespace quorvant::cli
