// Undo and redo of a CSV import of all three tables of a full BW3 file, against the import itself
// as the baseline.

#include "bench/fullbw3doc.h"
#include "exchange/csvexchange.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

using namespace quorvant;

namespace {

// The three tables exported from the full file with every byte one higher: importing them changes
// every record of every table.
const std::array<std::string, 3>& OtherTables() {
    static const std::array<std::string, 3> texts = [] {
        std::vector<std::uint8_t> bytes = FullBW3Image();
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] > ' ' && bytes[i] < 250) ++bytes[i];
        CQuorvantDoc other;
        other.ReadBytes(bytes);
        std::array<std::string, 3> out;
        for (CsvSection s : kCsvSections) out[static_cast<std::size_t>(s)] = ExportCsv(other, s);
        return out;
    }();
    return texts;
}

CsvImported ImportAll(CQuorvantDoc& doc) {
    CsvImported imported;
    for (CsvSection s : kCsvSections)
        imported.emplace_back(s, ImportCsv(doc, s, OtherTables()[static_cast<std::size_t>(s)]));
    return imported;
}

// A full document whose last step is that import.
std::unique_ptr<CQuorvantDoc> ImportedDoc() {
    auto doc = std::make_unique<CQuorvantDoc>();
    doc->ReadBytes(FullBW3Image());
    RecordCsvImport(*doc, ImportAll(*doc));
    return doc;
}

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
