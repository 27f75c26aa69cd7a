// A patch of 20 fields applied by name to every BW3 OB file of a demo install folder, against the raw
// read of the same files plus the atomic write of each (every file changes).

#include "analysis/patchfolder.h"
#include "bench/demobw3folder.h"
#include "game/gamefolderfiles.h"
#include "obdata/generation.h"
#include "platform/fileio.h"
#include "views/columnsets.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace fs = std::filesystem;
using namespace quorvant;

namespace {

const fs::path& PatchFolder() {
    static const fs::path folder = DemoBW3Folder("quorvant_bench_patch_demo");
    return folder;
}

// Twenty fields of the unit every demo file carries, all set to value: applied in turn with two
// values, each run changes every file.
Patch TwentyFields(int value) {
    PatchChange change{kUnitTable, 1, "Command Section", {}};
    for (const char* field : {"Size", "Men", "LandSpeed", "Radio", "Cost", "Vision"})
        change.fields.push_back({field, std::to_string(value), std::to_string(value)});
    for (int i = 0; i < 7; ++i) {
        change.fields.push_back(
            {"ArmorAP[" + std::to_string(i) + "]", std::to_string(value), std::to_string(value)});
        change.fields.push_back(
            {"ArmorHEAT[" + std::to_string(i) + "]", std::to_string(value), std::to_string(value)});
    }
    return {kBW3, {change}};
}

void BM_RawReadAndWriteFamily(benchmark::State& state) {
    const auto files = GameFolderFiles(PatchFolder(), kBW3);
    std::string error;
    for (auto _ : state) {
        std::size_t total = 0;
        for (const GameFolderFile& file : files) {
            auto bytes = ReadWholeFile(file.path, error);
            if (!bytes || !WriteFileAtomically(file.path, *bytes, error)) std::abort();
            total += bytes->size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.counters["files"] = static_cast<double>(files.size());
}
BENCHMARK(BM_RawReadAndWriteFamily)->Unit(benchmark::kMillisecond);

void BM_PatchFamilyByName(benchmark::State& state) {
    const Patch patches[] = {TwentyFields(3), TwentyFields(4)};
    // Kept across the benchmark's repeated calls, so no run finds its values already there.
    static int run = 0;
    std::size_t written = 0;
    for (auto _ : state) {
        for (FilePatchPreview& f :
             PreviewPatchOverFolder(PatchFolder(), kBW3, patches[run++ % 2], PatchMatch::ByName)) {
            if (!f.read) continue;
            const std::vector<PatchRow> writes = f.preview.Writes(false);
            CQuorvantDoc::SlotsByTable changed;
            std::string error;
            if (writes.empty()) continue;
            if (!ApplyPatchRows(*f.read, writes, changed, error) || !f.read->OnSaveDocument(f.path, error))
                std::abort();
            ++written;
        }
    }
    state.counters["files written"] =
        benchmark::Counter(static_cast<double>(written), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PatchFamilyByName)->Unit(benchmark::kMillisecond);

} // namespace
