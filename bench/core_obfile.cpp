// Loading and saving a full BW3 OB file, against the raw read of the same file as the baseline.

#include "obdata/quorvantdoc.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace quorvant;

namespace {

// Every slot named and every byte of the layout non-trivial, with a BW3 strength marker.
const fs::path& FullBW3File() {
    static const fs::path path = [] {
        fs::path p = fs::temp_directory_path() / "quorvant_bench_full_bw3.ob";
        std::vector<std::uint8_t> bytes(44500);
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(1 + i * 7 % 200);
        auto name = [&](std::size_t at, int slot) {
            char text[16];
            std::snprintf(text, sizeof text, "Slot %03d", slot);
            for (int i = 0; i < 15; ++i) bytes[at + slot * 15 + i] = i < 8 ? text[i] : ' ';
        };
        for (int s = 0; s < 250; ++s) name(0, s), name(9250, s);
        for (int s = 0; s < 200; ++s) name(32500, s);
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return p;
    }();
    return path;
}

void BM_RawRead(benchmark::State& state) {
    std::string error;
    for (auto _ : state) {
        auto bytes = ReadWholeFile(FullBW3File(), error);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_RawRead);

// A fresh document each time, the last one freed: glibc hands the freed memory back to the system, so
// this also counts the page faults of taking it again (costly on virtual machines).
void BM_LoadBW3(benchmark::State& state) {
    for (auto _ : state) {
        CQuorvantDoc doc;
        doc.OnOpenDocument(FullBW3File());
        benchmark::DoNotOptimize(doc.Units.data());
    }
}
BENCHMARK(BM_LoadBW3);

// The same read into one document again and again: the heap stays warm, so this is the reader's own
// cost without the page faults of a fresh process-level allocation (expensive on virtual machines).
void BM_LoadBW3WarmHeap(benchmark::State& state) {
    CQuorvantDoc doc;
    for (auto _ : state) {
        doc.OnOpenDocument(FullBW3File());
        benchmark::DoNotOptimize(doc.Units.data());
    }
}
BENCHMARK(BM_LoadBW3WarmHeap);

void BM_SaveBW3(benchmark::State& state) {
    CQuorvantDoc doc;
    doc.OnOpenDocument(FullBW3File());
    doc.Units[5].Cost = static_cast<std::uint8_t>(doc.Units[5].Cost + 1);
    fs::path out = fs::temp_directory_path() / "quorvant_bench_save_bw3.ob";
    std::string error;
    for (auto _ : state) benchmark::DoNotOptimize(doc.OnSaveDocument(out, error));
}
BENCHMARK(BM_SaveBW3);

} // namespace

namespace {
// The reader alone, on bytes already in memory.
void BM_ParseBW3(benchmark::State& state) {
    std::string error;
    auto bytes = *ReadWholeFile(FullBW3File(), error);
    CQuorvantDoc doc;
    for (auto _ : state) {
        doc.ReadBytes(bytes);
        benchmark::DoNotOptimize(doc.Units.data());
    }
}
BENCHMARK(BM_ParseBW3);
} // namespace
