// CSV export and import of all three tables of a full BW3 file, against copying and scanning the
// same text as the baseline.

#include "exchange/csvexchange.h"
#include "obdata/quorvantdoc.h"
#include "tests/core/obfile_builder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

using namespace quorvant;

namespace {

// A BW3 file with every slot named and every column holding non-zero values.
std::unique_ptr<CQuorvantDoc> FullBW3Doc() {
    auto b = quorvant::testing::OBFileBuilder::BW3();
    for (std::size_t at = 0; at < 44500; ++at) b.put(at, static_cast<std::uint8_t>(3 + at % 250));
    for (int slot = 0; slot < 250; ++slot) {
        std::string name = "Slot " + std::to_string(slot);
        b.weaponName(slot, name).unitName(slot, name);
        if (slot < 200) b.formationName(slot, name);
    }
    auto doc = std::make_unique<CQuorvantDoc>();
    doc->ReadBytes(b.bytes());
    return doc;
}

const CQuorvantDoc& Doc() {
    static const auto doc = FullBW3Doc();
    return *doc;
}

const std::string& AllText() {
    static const std::string text = [] {
        std::string all;
        for (CsvSection s : kCsvSections) all += ExportCsv(Doc(), s);
        return all;
    }();
    return text;
}

void BM_BaselineCopyText(benchmark::State& state) {
    for (auto _ : state) {
        std::string copy = AllText();
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * AllText().size()));
}
BENCHMARK(BM_BaselineCopyText);

void BM_BaselineCountLines(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(std::count(AllText().begin(), AllText().end(), '\n'));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * AllText().size()));
}
BENCHMARK(BM_BaselineCountLines);

void BM_ExportAllTablesBW3(benchmark::State& state) {
    for (auto _ : state) {
        for (CsvSection s : kCsvSections) {
            std::string text = ExportCsv(Doc(), s);
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * AllText().size()));
}
BENCHMARK(BM_ExportAllTablesBW3);

void BM_ImportAllTablesBW3(benchmark::State& state) {
    auto doc = FullBW3Doc();
    std::string texts[3];
    for (CsvSection s : kCsvSections) texts[static_cast<int>(s)] = ExportCsv(*doc, s);
    for (auto _ : state) {
        for (CsvSection s : kCsvSections)
            benchmark::DoNotOptimize(ImportCsv(*doc, s, texts[static_cast<int>(s)]));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * AllText().size()));
}
BENCHMARK(BM_ImportAllTablesBW3);

} // namespace
