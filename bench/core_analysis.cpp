// Find and reference check over every BW3 OB file of a demo install folder, against the raw read
// of the same files as the baseline.

#include "analysis/recordfind.h"
#include "analysis/referencecheck.h"
#include "bench/demobw3folder.h"
#include "game/gamefolderfiles.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace quorvant;

namespace {

const fs::path& AnalysisFolder() {
    static const fs::path folder = DemoBW3Folder("quorvant_bench_analysis_demo");
    return folder;
}

void BM_RawReadFamily(benchmark::State& state) {
    const auto files = GameFolderFiles(AnalysisFolder(), kBW3);
    std::string error;
    for (auto _ : state) {
        std::size_t total = 0;
        for (const GameFolderFile& file : files)
            if (auto bytes = ReadWholeFile(file.path, error)) total += bytes->size();
        benchmark::DoNotOptimize(total);
    }
    state.counters["files"] = static_cast<double>(files.size());
}
BENCHMARK(BM_RawReadFamily)->Unit(benchmark::kMillisecond);

void BM_FindInFamily(benchmark::State& state) {
    for (auto _ : state) {
        FolderFindResult result = FindInGameFolder(AnalysisFolder(), kBW3, "tank", std::nullopt);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_FindInFamily)->Unit(benchmark::kMillisecond);

void BM_CheckFamily(benchmark::State& state) {
    const auto files = GameFolderFiles(AnalysisFolder(), kBW3);
    for (auto _ : state) {
        std::size_t findings = 0;
        for (const GameFolderFile& file : files) {
            CQuorvantDoc doc(kBW3);
            std::string why;
            if (ReadGameFolderFile(file.path, doc, why)) findings += CheckReferences(doc).size();
        }
        benchmark::DoNotOptimize(findings);
    }
}
BENCHMARK(BM_CheckFamily)->Unit(benchmark::kMillisecond);

} // namespace
