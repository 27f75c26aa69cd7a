#include "cli/commands.h"
#include "cli/obfileaccess.h"
#include "obdata/latin1text.h"
#include "obdata/vocabulary.h"
#include "pictures/lbmdecoder.h"
#include "pictures/picfamily.h"
#include "pictures/pictureimport.h"
#include "pictures/xrefscan.h"
#include "pictures/xreftexts.h"
#include "platform/fileio.h"
#include "platform/pathresolve.h"

#include <charconv>

namespace fs = std::filesystem;

namespace quorvant::cli {
namespace {

std::optional<PicFamily> ParseFamily(const std::string& text) {
    if (text == "bw1") return PicFamily::BW1;
    if (text == "bw2") return PicFamily::BW2;
    if (text == "bw3-modern") return PicFamily::BW3Modern;
    if (text == "bw3-wwii") return PicFamily::BW3WWII;
    return std::nullopt;
}

const char* FamilyLabel(PicFamily family) {
    switch (family) {
    case PicFamily::BW1:
        return "BW1";
    case PicFamily::BW2:
        return "BW2";
    case PicFamily::BW3Modern:
        return "BW3 Modern";
    default:
        return "BW3 WWII";
    }
}

std::optional<std::uint32_t> ParsePicture(const std::string& text) {
    std::uint32_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || value > 65535)
        return std::nullopt;
    return value;
}

// The picture a new one is written like: EXISTING.lbm, or the first picture of the family's folder.
std::optional<ImportTarget> ChooseTarget(const CommandLine& line, std::ostream& err, int& exit) {
    exit = kExitUsage;
    std::optional<std::string> like = line.option("like"), familyText = line.option("family"),
                               gameFolder = line.option("game-folder");
    if (like.has_value() == (familyText.has_value() || gameFolder.has_value())) {
        err << "obtool lbm import: give either --like EXISTING.lbm or --family F --game-folder DIR\n";
        return std::nullopt;
    }
    std::string reason;
    if (like) {
        exit = kExitFailure;
        const fs::path existing = ResolveInputPath(*like);
        std::optional<ImportTarget> target = ImportTargetLike(existing, reason);
        if (!target)
            err << "obtool lbm import: " << existing.string() << ": " << reason << "; nothing written\n";
        return target;
    }
    std::optional<PicFamily> family = familyText ? ParseFamily(*familyText) : std::nullopt;
    if (!family || !gameFolder) {
        err << "obtool lbm import: --family takes bw1, bw2, bw3-modern or bw3-wwii, with --game-folder DIR\n";
        return std::nullopt;
    }
    exit = kExitFailure;
    const fs::path folder = ResolveInputPath(*gameFolder);
    if (!IsFolder(folder, err)) return std::nullopt;
    PictureSource source =
        FindPictureSource(folder, {}, FamilyGeneration(*family), FamilyPicturePrefix(*family));
    std::optional<ImportTarget> target = ImportTargetFromListing(source.folder, source.listing, reason);
    if (!target && source.listing.empty())
        err << "obtool: no " << FamilyLabel(*family) << " pictures in " << (folder / "pic").string() << '\n';
    else if (!target)
        err << "obtool lbm import: " << reason << "; nothing written\n";
    return target;
}

} // namespace

int RunLbm(const CommandLine& line, std::ostream& out, std::ostream& err) {
    if (line.positionals.size() != 3 || line.positionals[0] != "import") {
        err << "obtool lbm: "
            << (line.positionals.empty() || line.positionals[0] == "import"
                    ? "missing argument"
                    : "unknown operation " + line.positionals[0])
            << "\nusage: obtool " << kLbmUsage << '\n';
        return kExitUsage;
    }
    std::optional<Rgb> transparent;
    if (std::optional<std::string> text = line.option("transparent")) {
        transparent = ParseRgbText(*text);
        if (!transparent) {
            err << "obtool lbm import: --transparent takes a colour as RRGGBB, not " << *text << '\n';
            return kExitUsage;
        }
    }
    int exit = 0;
    std::optional<ImportTarget> target = ChooseTarget(line, err, exit);
    if (!target) return exit;
    const fs::path input = ResolveInputPath(line.positionals[1]);
    const fs::path output = line.positionals[2];
    std::string reason;
    std::optional<SourceImage> image = ReadSourceImage(input, reason);
    std::optional<ImportedPicture> picture;
    if (image)
        picture = ImportPicture(*image, *target, {line.has("dither"), std::nullopt, transparent}, reason);
    if (!picture) {
        err << "obtool lbm import: " << input.string() << ": " << reason << "; nothing written\n";
        return kExitFailure;
    }
    if (!CheckFileDestination(output, reason)) {
        err << "obtool lbm import: " << reason << "; nothing written\n";
        return kExitFailure;
    }
    std::error_code ec;
    if (fs::exists(output, ec) && !line.has("yes")) {
        err << "obtool lbm import: " << output.string()
            << " exists; give --yes to replace it; nothing written\n";
        return kExitFailure;
    }
    if (!WriteFileAtomically(output, picture->lbm, reason)) {
        err << "obtool lbm import: " << reason << '\n';
        return kExitFailure;
    }
    out << output.string() << ": " << ImportSummary(*picture) << '\n';
    return 0;
}

int RunLbm2Bmp(const CommandLine& line, std::ostream&, std::ostream& err) {
    const fs::path input = ResolveInputPath(line.positionals[0]);
    const fs::path output = line.positionals[1];
    std::string reason;
    std::optional<std::vector<std::uint8_t>> bmp = lbm2bmp(input, reason);
    if (!bmp) {
        err << "obtool lbm2bmp: " << input.string() << ": " << reason << "; nothing written\n";
        return kExitFailure;
    }
    if (!WriteFileAtomically(output, *bmp, reason)) {
        err << "obtool lbm2bmp: " << reason << '\n';
        return kExitFailure;
    }
    return 0;
}

int RunXref(const CommandLine& line, std::ostream& out, std::ostream& err) {
    std::optional<std::string> familyText = line.option("family");
    if (!familyText) {
        err << "obtool: xref needs --family\n";
        return kExitUsage;
    }
    std::optional<PicFamily> family = ParseFamily(*familyText);
    if (!family) {
        err << "obtool: unknown family " << *familyText << " (bw1, bw2, bw3-modern or bw3-wwii)\n";
        return kExitUsage;
    }
    std::optional<std::uint32_t> picture;
    if (std::optional<std::string> text = line.option("picture")) {
        picture = ParsePicture(*text);
        if (!picture) {
            err << "obtool: --picture must be a number from 0 to 65535, not " << *text << '\n';
            return kExitUsage;
        }
    }
    const fs::path folder = ResolveInputPath(line.positionals[0]);
    if (!IsFolder(folder, err)) return kExitFailure;
    std::vector<fs::path> files;
    for (const std::string& name : FamilyOBFiles(*family))
        files.push_back(ResolveCaseInsensitive(folder, name));
    if (!HoldsOBFiles(folder, files, FamilyLabel(*family), err)) return kExitFailure;
    const int generation = FamilyGeneration(*family);
    const NameList nations = BuildNationList(generation);
    for (const CPicUseRecord& r : ScanFamily(*family, folder, nullptr)) {
        const auto number = static_cast<std::uint32_t>(r.SideView) & 0xFFFF;
        if (picture && number != *picture) continue;
        std::vector<std::string> cells = CrossReferenceCells(r, generation, nations);
        out << number;
        for (const std::string& cell : cells) out << '\t' << Latin1ToUtf8(cell);
        out << '\n';
    }
    return 0;
}

} // namespace quorvant::cli
