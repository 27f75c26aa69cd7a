// Undo and redo of an import of all three tables of a full BW3 file with the document's units list
// shown, so the rows it reads again are drawn too; the list drawn unchanged is the baseline.

#include "bench/fullbw3import.h"
#include "bench/shownview.h"
#include "views/ui/unitview.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

using namespace quorvant;

namespace {

enum class Move { None, Undo, Redo };

void StepShown(benchmark::State& state, Move move) {
    auto doc = ImportedDoc();
    ui::CUnitView view(*doc);
    ShowView(view);
    if (move == Move::Redo) doc->Undo();
    auto step = [&](bool forward) { forward ? doc->Redo() : doc->Undo(); };
    for (auto _ : state) {
        if (move != Move::None) step(move == Move::Redo);
        view.activeView()->viewport()->repaint();
        if (move == Move::None) continue;
        state.PauseTiming();
        step(move != Move::Redo);
        view.activeView()->viewport()->repaint();
        state.ResumeTiming();
    }
}

void BM_RepaintUnitsShown(benchmark::State& state) {
    StepShown(state, Move::None);
}
BENCHMARK(BM_RepaintUnitsShown)->Unit(benchmark::kMillisecond);

void BM_UndoImportShown(benchmark::State& state) {
    StepShown(state, Move::Undo);
}
BENCHMARK(BM_UndoImportShown)->Unit(benchmark::kMillisecond);

void BM_RedoImportShown(benchmark::State& state) {
    StepShown(state, Move::Redo);
}
BENCHMARK(BM_RedoImportShown)->Unit(benchmark::kMillisecond);

} // namespace
