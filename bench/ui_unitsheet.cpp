// Opening the unit sheet on a unit of a full BW3 file and moving to the next unit, to be read
// against BM_RebuildUnitsReport of the same run (ui_listview.cpp).

#include "bench/fullbw3doc.h"
#include "editors/ui/editorhost.h"
#include "editors/ui/unitdatapage.h"
#include "editors/ui/unitspropsheet.h"
#include "views/columnsets.h"
#include "views/ui/unitview.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace quorvant;

namespace {

// Built, shown and drawn once.
void BM_OpenUnitSheet(benchmark::State& state) {
    ui::CUnitView view(FullDoc());
    ui::EditorHost host(&view, FullDoc());
    for (auto _ : state) {
        host.Open(kUnitTable, 100);
        host.editor(kUnitTable)->repaint();
        state.PauseTiming();
        host.CloseEditors();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenUnitSheet)->Unit(benchmark::kMillisecond);

// ">" stores the unit shown, loads the next one and draws the page again.
void BM_NextUnit(benchmark::State& state) {
    ui::CUnitView view(FullDoc());
    ui::EditorHost host(&view, FullDoc());
    host.Open(kUnitTable, 1);
    auto* sheet = static_cast<ui::CUnitsPropSheet*>(host.editor(kUnitTable));
    auto* data = static_cast<ui::CUnitDataPage*>(sheet->page(0));
    QApplication::processEvents();
    for (auto _ : state) {
        data->Move(sheet->CurrentSlot() < 249 ? UnitMove::Next : UnitMove::First);
        sheet->repaint();
    }
    host.CloseEditors();
}
BENCHMARK(BM_NextUnit)->Unit(benchmark::kMillisecond);

} // namespace
