// Undo and redo of a CSV import of all three tables of a full BW3 file, against the import itself
// as the baseline.

#include "bench/fullbw3import.h"

#include <benchmark/benchmark.h>

using namespace quorvant;

namespace {

void BM_BaselineImportAllTables(benchmark::State& state) {
    CQuorvantDoc doc;
    doc.ReadBytes(FullBW3Image());
    for (auto _ : state) benchmark::DoNotOptimize(ImportAll(doc).size());
}
BENCHMARK(BM_BaselineImportAllTables)->Unit(benchmark::kMicrosecond);

void BM_UndoImportAllTables(benchmark::State& state) {
    auto doc = ImportedDoc();
    state.counters["records"] = static_cast<double>(doc->History().UndoStep()->changes.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc->Undo());
        state.PauseTiming();
        doc->Redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoImportAllTables)->Unit(benchmark::kMicrosecond);

void BM_RedoImportAllTables(benchmark::State& state) {
    auto doc = ImportedDoc();
    doc->Undo();
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc->Redo());
        state.PauseTiming();
        doc->Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RedoImportAllTables)->Unit(benchmark::kMicrosecond);

// Making the import's step: comparing the records it filled with their state before.
void BM_RecordImportStep(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        CQuorvantDoc doc;
        doc.ReadBytes(FullBW3Image());
        CsvImported imported = ImportAll(doc);
        state.ResumeTiming();
        benchmark::DoNotOptimize(RecordCsvImport(doc, imported));
    }
}
BENCHMARK(BM_RecordImportStep)->Unit(benchmark::kMicrosecond);

} // namespace
