// Listing a slot folder that holds all 199 slots, against reading the 199 description files raw.

#include "gamemgr/gamemode.h"
#include "gamemgr/slotlisting.h"
#include "obdata/generation.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace quorvant;

namespace {

const GameMode kMode{kBW3, true};

// A BW3 save folder with every slot taken: a description of a typical length and a data file each,
// plus the stray names a real folder gathers.
const fs::path& FullSlotFolder() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / "quorvant_bench_slots" / "save";
        fs::remove_all(f.parent_path());
        fs::create_directories(f);
        for (int n = 0; n < kListedSlots; ++n) {
            std::ofstream(f / kMode.DescriptionFileName(n), std::ios::binary)
                << "Campaign game " << n << ", the armoured group holds the ridge\r\n";
            std::ofstream(f / kMode.DataFileName(n), std::ios::binary) << std::string(4000, 'd');
        }
        std::ofstream(f / "Save005.cmt.bak") << "stray";
        return f;
    }();
    return folder;
}

void BM_RawReadOfTheDescriptions(benchmark::State& state) {
    std::vector<fs::path> paths;
    for (int n = 0; n < kListedSlots; ++n) paths.push_back(FullSlotFolder() / kMode.DescriptionFileName(n));
    std::string error;
    for (auto _ : state) {
        for (const fs::path& path : paths) {
            auto bytes = ReadWholeFile(path, error);
            benchmark::DoNotOptimize(bytes);
        }
    }
}
BENCHMARK(BM_RawReadOfTheDescriptions)->Unit(benchmark::kMicrosecond);

// What filling the slot list costs: one pass over the folder, each description found ignoring case
// and its first line read.
void BM_ListSlots(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<SlotEntry> slots = ListSlots(FullSlotFolder(), kMode);
        benchmark::DoNotOptimize(slots.data());
    }
}
BENCHMARK(BM_ListSlots)->Unit(benchmark::kMicrosecond);

} // namespace
