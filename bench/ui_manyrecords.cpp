// Many records at once over a full BW3 file with its units list shown: filtering by a three-term
// expression, and one field changed over all 249 units as one step, each with the repaint that
// follows; the core's share (matching every row, working the change out) and the plain repaint
// (BM_RepaintUnitsReport) are the baselines.

#include "bench/fullbw3doc.h"
#include "bench/shownview.h"
#include "obdata/quorvantdoc.h"
#include "views/columnfields.h"
#include "views/fieldchange.h"
#include "views/listrows.h"
#include "views/rowfilter.h"
#include "views/ui/unitview.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <numeric>

using namespace quorvant;

namespace {

const char* const kExpression = "Cost > 100 and Available < 80 or Name ~ 7";

std::vector<int> EveryListedSlot(const CQuorvantDoc& doc) {
    std::vector<int> everySlot(static_cast<std::size_t>(ListRowCount(doc, kUnitTable)));
    std::iota(everySlot.begin(), everySlot.end(), 1);
    return everySlot;
}

FieldChangeRequest AddToCost(const CQuorvantDoc& doc) {
    return {FindColumn(kUnitTable, doc.Generation, "Cost"), ChangeKind::MultiplyBy, "1.1", -1};
}

void BM_CoreMatchUnitsByExpression(benchmark::State& state) {
    const CQuorvantDoc& doc = FullDoc();
    for (auto _ : state) {
        std::optional<RowFilter> filter = RowFilter::Parse(kExpression, kUnitTable, doc.Generation);
        int matched = 0;
        for (int row = 0; row < ListRowCount(doc, kUnitTable); ++row) matched += filter->Matches(doc, row);
        benchmark::DoNotOptimize(matched);
    }
}
BENCHMARK(BM_CoreMatchUnitsByExpression)->Unit(benchmark::kMillisecond);

void BM_FilterUnitsShownByExpression(benchmark::State& state) {
    ui::CUnitView view(FullDoc());
    ShowView(view);
    for (auto _ : state) {
        view.filterBox()->setText(QString::fromLatin1(kExpression));
        view.activeView()->viewport()->repaint();
        state.PauseTiming();
        state.counters["rows shown"] = view.activeView()->model()->rowCount();
        view.filterBox()->clear();
        view.activeView()->viewport()->repaint();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FilterUnitsShownByExpression)->Unit(benchmark::kMillisecond);

void BM_CorePlanCostOfAllUnits(benchmark::State& state) {
    const CQuorvantDoc& doc = FullDoc();
    const std::vector<int> everySlot = EveryListedSlot(doc);
    for (auto _ : state) {
        FieldChangePlan plan(doc, kUnitTable, everySlot, AddToCost(doc));
        benchmark::DoNotOptimize(plan.changedCount());
    }
}
BENCHMARK(BM_CorePlanCostOfAllUnits)->Unit(benchmark::kMillisecond);

// As Change Field's OK does it: the plan again, the step, the rows read again and selected, the repaint.
void BM_ChangeCostOfAllUnitsShown(benchmark::State& state) {
    CQuorvantDoc doc;
    doc.ReadBytes(FullBW3Image());
    ui::CUnitView view(doc);
    ShowView(view);
    view.SelectShownRows();
    const std::vector<int> rows = view.SelectedRows();
    for (auto _ : state) {
        std::vector<int> chosen;
        for (int row : rows) chosen.push_back(row + 1);
        FieldChangePlan plan(doc, kUnitTable, chosen, AddToCost(doc));
        plan.Apply(doc);
        std::vector<int> changed;
        for (const ChangedRow& row : plan.rows())
            if (row.changed) changed.push_back(row.slot);
        view.onRecordsChanged(kUnitTable, changed);
        view.SelectRows(rows);
        view.activeView()->viewport()->repaint();
        state.PauseTiming();
        state.counters["changed"] = static_cast<double>(changed.size());
        doc.Undo();
        view.activeView()->viewport()->repaint();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChangeCostOfAllUnitsShown)->Unit(benchmark::kMillisecond);

} // namespace
