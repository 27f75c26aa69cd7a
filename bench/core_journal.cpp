// The journal write after a one-record edit of a BW3 unit (encoding the step and appending it),
// against a plain open, write and close of the same bytes as the baseline.

#include "bench/fullbw3doc.h"
#include "recovery/journalwriter.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace quorvant;

namespace {

// An editor's OK after changing one unit: its table and snapshot records, before and after.
const HistoryStep& OneUnitEdit() {
    static const HistoryStep step = [] {
        CQuorvantDoc doc;
        doc.ReadBytes(FullBW3Image());
        doc.Units[17].Cost = static_cast<std::uint8_t>(doc.Units[17].Cost + 1);
        doc.SetModifiedFlag(true);
        doc.CommitEdit(kViewUnits);
        return *doc.History().UndoStep();
    }();
    return step;
}

fs::path BenchFolder() {
    const fs::path folder = fs::temp_directory_path() / "quorvant_bench_journal";
    fs::create_directories(folder);
    return folder;
}

// Both files start again now and then, so neither grows without end.
constexpr std::int64_t kRestartEvery = 2000;

void BM_BaselinePlainAppend(benchmark::State& state) {
    std::vector<std::uint8_t> bytes;
    EncodeJournalEntry(JournalEntry{JournalEntryKind::Step, 1, OneUnitEdit()}, bytes);
    const std::string path = (BenchFolder() / "plain.bin").string();
    fs::remove(path);
    std::int64_t n = 0;
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        ::close(fd);
        if (++n % kRestartEvery == 0) {
            state.PauseTiming();
            fs::remove(path);
            state.ResumeTiming();
        }
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_BaselinePlainAppend)->Unit(benchmark::kMicrosecond);

void BM_JournalOneUnitEdit(benchmark::State& state) {
    const fs::path folder = BenchFolder();
    const JournalHeader header{folder / "KOB12", 2, {44500, 1, 2}, 1};
    JournalWriter writer(folder);
    std::string error;
    fs::remove(JournalPathFor(folder, header.obFile));
    writer.Begin(header);
    writer.AddStep(OneUnitEdit(), 1);
    writer.Flush(error);
    std::int64_t n = 0;
    for (auto _ : state) {
        writer.AddStep(OneUnitEdit(), ++n);
        if (!writer.Flush(error)) state.SkipWithError(error.c_str());
        if (n % kRestartEvery == 0) {
            state.PauseTiming();
            writer.Remove(error);
            writer.Begin(header);
            writer.AddStep(OneUnitEdit(), 1);
            writer.Flush(error);
            state.ResumeTiming();
        }
    }
    writer.Remove(error);
}
BENCHMARK(BM_JournalOneUnitEdit)->Unit(benchmark::kMicrosecond);

} // namespace
