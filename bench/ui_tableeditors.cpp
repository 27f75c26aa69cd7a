// Opening the formation and weapon editors on a full BW3 file and moving to the next record, to be
// read against BM_OpenUnitSheet and BM_NextUnit (ui_unitsheet.cpp) and BM_RebuildUnitsReport
// (ui_listview.cpp) of the same run.

#include "bench/fullbw3doc.h"
#include "editors/ui/editorhost.h"
#include "editors/ui/formationeditor.h"
#include "editors/ui/weaponeditor.h"
#include "views/columnsets.h"
#include "views/ui/unitview.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace quorvant;

namespace {

// Built, shown and drawn once.
void OpenEditor(benchmark::State& state, int kind) {
    ui::CUnitView view(FullDoc());
    ui::EditorHost host(&view, FullDoc());
    for (auto _ : state) {
        host.Open(kind, 100);
        host.editor(kind)->repaint();
        state.PauseTiming();
        host.CloseEditors();
        state.ResumeTiming();
    }
}
void BM_OpenFormationEditor(benchmark::State& state) {
    OpenEditor(state, kFormationTable);
}
BENCHMARK(BM_OpenFormationEditor)->Unit(benchmark::kMillisecond);
void BM_OpenWeaponEditor(benchmark::State& state) {
    OpenEditor(state, kWeaponTable);
}
BENCHMARK(BM_OpenWeaponEditor)->Unit(benchmark::kMillisecond);

// ">" stores the record shown, loads the next one and draws the editor again.
template <class Editor> void NextRecord(benchmark::State& state, int kind, int last) {
    ui::CUnitView view(FullDoc());
    ui::EditorHost host(&view, FullDoc());
    host.Open(kind, 1);
    auto* editor = static_cast<Editor*>(host.editor(kind));
    QApplication::processEvents();
    for (auto _ : state) {
        editor->Move(editor->CurrentSlot() < last ? UnitMove::Next : UnitMove::First);
        editor->repaint();
    }
    host.CloseEditors();
}
void BM_NextFormation(benchmark::State& state) {
    NextRecord<ui::CFormationEditor>(state, kFormationTable, kFormationSlots - 1);
}
BENCHMARK(BM_NextFormation)->Unit(benchmark::kMillisecond);
void BM_NextWeapon(benchmark::State& state) {
    NextRecord<ui::CWeaponEditor>(state, kWeaponTable, kWeaponSlots - 1);
}
BENCHMARK(BM_NextWeapon)->Unit(benchmark::kMillisecond);

} // namespace
