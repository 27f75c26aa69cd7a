// Rebuilding the units list of a shown view, against the core computing every cell text alone.

#include "bench/fullbw3doc.h"
#include "bench/shownview.h"
#include "obdata/quorvantdoc.h"
#include "views/columnsets.h"
#include "views/listrows.h"
#include "views/ui/recordsortproxy.h"
#include "views/ui/unitview.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace quorvant;

namespace {

void BM_CoreCellTextsOfUnits(benchmark::State& state) {
    const CQuorvantDoc& doc = FullDoc();
    for (auto _ : state) {
        std::size_t total = 0;
        for (int row = 0; row < ListRowCount(doc, kUnitTable); ++row)
            for (const std::string& text : RowTexts(doc, kUnitTable, row)) total += text.size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_CoreCellTextsOfUnits)->Unit(benchmark::kMillisecond);

// The view is shown, so the repaint lays out and draws every visible row with its cells.
void RebuildShown(benchmark::State& state, bool report, int size, bool rebuild = true) {
    ui::CUnitView view(FullDoc());
    view.resize(size, size * 3 / 4);
    view.setReportStyle(report);
    view.show();
    view.OnInitialUpdate();
    QApplication::processEvents();
    for (auto _ : state) {
        if (rebuild) view.ShowDisplayType(kUnitTable);
        view.activeView()->viewport()->repaint();
    }
    state.counters["rows"] = view.activeView()->model()->rowCount();
    state.counters["columns"] = view.activeView()->model()->columnCount();
}

// Baseline: drawing the rows of an unchanged list.
void BM_RepaintUnitsReport(benchmark::State& state) {
    RebuildShown(state, true, static_cast<int>(state.range(0)), false);
}
BENCHMARK(BM_RepaintUnitsReport)->Arg(800)->Unit(benchmark::kMillisecond);

void BM_RebuildUnitsReport(benchmark::State& state) {
    RebuildShown(state, true, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_RebuildUnitsReport)->Arg(800)->Arg(1600)->Unit(benchmark::kMillisecond);

void BM_RebuildUnitsList(benchmark::State& state) {
    RebuildShown(state, false, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_RebuildUnitsList)->Arg(800)->Unit(benchmark::kMillisecond);

// Changing tables swaps the model under both views as well.
void BM_SwitchWeaponsToUnits(benchmark::State& state) {
    ui::CUnitView view(FullDoc());
    ShowView(view);
    for (auto _ : state) {
        view.ShowDisplayType(kWeaponTable);
        view.ShowDisplayType(kUnitTable);
        view.activeView()->viewport()->repaint();
    }
}
BENCHMARK(BM_SwitchWeaponsToUnits)->Unit(benchmark::kMillisecond);

// Sorting the shown units list by one column, repaint included; the repaint baseline above is the
// part that does not sort. Columns: 0 name, 1 class (text), 3 available (date), 2 cost, 30 a weapon.
void BM_SortUnitsByColumn(benchmark::State& state) {
    ui::CUnitView view(FullDoc());
    ShowView(view);
    const int column = static_cast<int>(state.range(0));
    ui::RecordSortProxy* rows = view.shownRows(kUnitTable);
    for (auto _ : state) {
        rows->sort(column, Qt::DescendingOrder);
        view.activeView()->viewport()->repaint();
        state.PauseTiming();
        rows->sort(-1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortUnitsByColumn)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Arg(30)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
