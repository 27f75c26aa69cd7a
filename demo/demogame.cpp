#include "demo/demogame.h"

#include "demo/demofile.h"
#include "demo/demoobfile.h"
#include "demo/demopictures.h"
#include "demo/demoslots.h"
#include "obdata/generation.h"
#include "obdata/oblayout.h"
#include "obdata/obwriter.h"
#include "obdata/quorvantdoc.h"
#include "platform/fileio.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvant::demo {
namespace {

const char* const kMarkerFile = "quorvant-demo.txt";
const char* const kMarkerText = "A made-up game installation written by obtool demo. "
                                "obtool demo may overwrite everything in this folder.\n";

const char* ExecutableName(int generation) {
    static const char* const names[] = {"brass.exe", "brass2.exe", "brass3.exe"};
    return names[generation];
}

// A missing or empty folder, or one an earlier run wrote: anything else may be someone's game.
bool MayWriteInto(const fs::path& dir, std::string& error) {
    std::error_code ec;
    fs::file_status status = fs::status(dir, ec);
    if (!fs::exists(status)) return true;
    if (!fs::is_directory(status)) {
        error = dir.string() + ": exists and is not a folder";
        return false;
    }
    if (fs::is_empty(dir, ec) || fs::is_regular_file(dir / kMarkerFile, ec)) return true;
    error = dir.string() + ": the folder holds files that obtool demo did not write; "
                           "name a new or empty folder";
    return false;
}

bool WriteInstallFolder(const fs::path& dir, int generation, std::string& error) {
    fs::path folder = DemoInstallFolder(dir, generation);
    if (!CreateFolders(folder, error)) return false;
    return WriteDemoFile(folder / ExecutableName(generation),
                         "Placeholder for the game program of the demo installation.\r\n", error);
}

} // namespace

fs::path DemoInstallFolder(const fs::path& dir, int generation) {
    static const char* const folders[] = {"bw1", "bw2", "bw3"};
    return dir / folders[IsValidGeneration(generation) ? generation : kBW1];
}

bool WriteDemoGame(const fs::path& dir, std::string& error) {
    if (!MayWriteInto(dir, error)) return false;
    if (!CreateFolders(dir, error)) return false;
    if (!WriteDemoFile(dir / kMarkerFile, kMarkerText, error)) return false;
    for (int generation : {kBW1, kBW2, kBW3})
        if (!WriteInstallFolder(dir, generation, error)) return false;
    for (const DemoOBFile& file : DemoOBFiles()) {
        CQuorvantDoc doc(file.generation);
        FillDemoDocument(doc, file);
        std::vector<std::uint8_t> image = BuildOBImage(doc);
        // The game's own BW2 and BW3 files carry their nation in every unit slot, though only slot 1's
        // is read back; the picture cross reference shows each slot's.
        if (file.generation != kBW1)
            std::fill_n(image.begin() + layout::kUnitNationColumn, kUnitSlots,
                        static_cast<std::uint8_t>(doc.FileNation));
        std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
        if (!WriteDemoFile(DemoInstallFolder(dir, file.generation) / file.name, bytes, error)) return false;
    }
    if (!WriteDemoPictures(dir, error)) return false;
    return WriteDemoSlots(dir, error);
}

} // namespace quorvant::demo
