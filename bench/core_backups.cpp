// The backup made before a save, against the atomic write of the same bytes that the save itself is.

#include "backups/backupstore.h"
#include "obdata/generation.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace quorvant;

namespace {

const std::vector<std::uint8_t> kBW3Bytes(44500, 0x5a);

fs::path BenchFolder() {
    return fs::temp_directory_path() / ("quorvant_bench_backups_" + std::to_string(::getpid()));
}

void BM_BaselineAtomicWrite(benchmark::State& state) {
    fs::create_directories(BenchFolder());
    std::string error;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteFileAtomically(BenchFolder() / "KOB71", kBW3Bytes, error));
    fs::remove_all(BenchFolder());
}
BENCHMARK(BM_BaselineAtomicWrite)->Unit(benchmark::kMicrosecond);

// One session each time, so each makes a backup; with ten already kept, each also removes one.
void BM_KeepBackupAndPrune(benchmark::State& state) {
    fs::create_directories(BenchFolder());
    std::string error;
    WriteFileAtomically(BenchFolder() / "KOB71", kBW3Bytes, error);
    int second = 0;
    for (auto _ : state) {
        BackupStore store(BenchFolder() / "backups", [&second] {
            ++second;
            return BackupMoment{2026, 12, 10, second / 3600 % 24, second / 60 % 60, second % 60};
        });
        benchmark::DoNotOptimize(store.KeepBackup(kBW3, BenchFolder() / "KOB71", 10, error));
    }
    fs::remove_all(BenchFolder());
}
BENCHMARK(BM_KeepBackupAndPrune)->Unit(benchmark::kMicrosecond);

} // namespace
