// Listing a slot folder that holds all 199 slots, against reading the 199 description files raw;
// packing and unpacking a slot against copying it.

#include "gamemgr/archiveoperations.h"
#include "gamemgr/gamemode.h"
#include "gamemgr/slotlisting.h"
#include "gamemgr/slotoperations.h"
#include "obdata/generation.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>

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

// Packing and unpacking a 300 KB slot with the built-in archiver, against copying the same two
// files the way the slot operations copy them (temporary file, flush to disk, rename); the
// counter "x_copy" is the archive operation's time over the copy's, from the same iterations.

namespace {

const GameMode kEmailMode{kBW1, false};

const fs::path& BigSlotFolder() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / "quorvant_bench_archives" / "Email";
        fs::remove_all(f.parent_path());
        fs::create_directories(f / "ZipFiles");
        std::ofstream(f / "Email5.cmt", std::ios::binary) << "Hill defence, turn 14 of the campaign\r\n";
        // A saved game: unit records of fixed layout with counters and positions that vary.
        std::string data;
        std::uint32_t seed = 12345;
        while (data.size() < 300 * 1024) {
            seed = seed * 1103515245u + 12345u;
            char record[48] = "Rifle Squad    ";
            for (int i = 16; i < 48; ++i)
                record[i] = static_cast<char>((seed >> (i % 24)) & (i < 32 ? 0x0F : 0xFF));
            data.append(record, sizeof record);
        }
        std::ofstream(f / "Email5.dat", std::ios::binary) << data;
        return f;
    }();
    return folder;
}

double Seconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void AgainstCopy(benchmark::State& state, const std::function<bool(std::string&)>& operation) {
    const fs::path& folder = BigSlotFolder();
    SlotFiles source = FindSlotFiles(folder, kEmailMode, 5);
    BuiltinArchiver archiver;
    std::string error;
    if (!ZipSlot(folder, kEmailMode, 5, archiver, error)) state.SkipWithError(error.c_str());
    double copying = 0;
    double archiving = 0;
    for (auto _ : state) {
        double copy = Seconds([&] { CopySlot(source, FindSlotFiles(folder, kEmailMode, 9), error); });
        double took = Seconds([&] {
            if (!operation(error)) state.SkipWithError(error.c_str());
        });
        copying += copy;
        archiving += took;
        state.SetIterationTime(took);
    }
    state.counters["x_copy"] = copying > 0 ? archiving / copying : 0;
}

void BM_PackSlotAgainstCopy(benchmark::State& state) {
    BuiltinArchiver archiver;
    AgainstCopy(state,
                [&](std::string& error) { return ZipSlot(BigSlotFolder(), kEmailMode, 5, archiver, error); });
}
BENCHMARK(BM_PackSlotAgainstCopy)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_UnpackSlotAgainstCopy(benchmark::State& state) {
    BuiltinArchiver archiver;
    AgainstCopy(state, [&](std::string& error) {
        return UnzipSlot(BigSlotFolder(), kEmailMode, 5, archiver, error);
    });
}
BENCHMARK(BM_UnpackSlotAgainstCopy)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
