// Start-up of the editor to its main window shown, and opening a full BW3 OB file into a visible
// units list, each against a baseline measured in the same run.

#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "app/ui/quorvantapp.h"
#include "demo/demogame.h"
#include "game/appsettings.h"
#include "game/settingsroutine.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "platform/fileio.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using namespace quorvant;

namespace {

class NoDialogs : public SettingsDialogs {
  public:
    bool RunSetPaths(AppSettings&) override { return false; }
    bool RunGameDefaults(AppSettings&) override { return false; }
};

const fs::path& DemoGame() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / "quorvant-bench-demo";
        std::string error;
        if (!demo::WriteDemoGame(d, error)) std::abort();
        return d;
    }();
    return dir;
}

void SetUpProfile(MemoryProfile& profile) {
    for (int generation : {kBW1, kBW2, kBW3})
        profile.WriteString(kSettingsSection, InstallPathValueName(generation),
                            demo::DemoInstallFolder(DemoGame(), generation).string());
    profile.WriteInt(kSettingsSection, kPathSetValue, kPathsKnown);
    profile.WriteString(kSettingsSection, kVersionValue, kSettingsVersion);
    profile.WriteInt(kSettingsSection, kSaveDefaultValue, 1166);
}

void Settle() {
    QApplication::processEvents();
}

// Baseline: a bare main window shown.
void BM_StartupBareWindow(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.show();
        window.repaint();
        Settle();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_StartupBareWindow)->Unit(benchmark::kMillisecond);

// The start-up sequence: frame, menus, toolbar, status bar, settings routine, window shown.
void BM_StartupEditor(benchmark::State& state) {
    MemoryProfile profile;
    SetUpProfile(profile);
    NoDialogs dialogs;
    for (auto _ : state) {
        ui::CQuorvantApp app(profile, &dialogs);
        app.InitInstance({});
        Settle();
        benchmark::DoNotOptimize(app.mainFrame()->isVisible());
    }
}
BENCHMARK(BM_StartupEditor)->Unit(benchmark::kMillisecond);

fs::path FullBW3File() {
    return demo::DemoInstallFolder(DemoGame(), kBW3) / "KOB70";
}

// Baselines: the raw read of the file, and the document reading it without any window.
void BM_OpenRawRead(benchmark::State& state) {
    std::string error;
    for (auto _ : state) benchmark::DoNotOptimize(ReadWholeFile(FullBW3File(), error));
}
BENCHMARK(BM_OpenRawRead)->Unit(benchmark::kMillisecond);

void BM_OpenDocumentOnly(benchmark::State& state) {
    for (auto _ : state) {
        CQuorvantDoc doc(kBW3);
        benchmark::DoNotOptimize(doc.OnOpenDocument(FullBW3File()));
    }
}
BENCHMARK(BM_OpenDocumentOnly)->Unit(benchmark::kMillisecond);

// Opening from the main frame: progress window, document, child frame and units list shown.
void BM_OpenIntoVisibleUnitsList(benchmark::State& state) {
    MemoryProfile profile;
    SetUpProfile(profile);
    AppSettings settings;
    RecentFileList recent;
    NoDialogs dialogs;
    RunSettingsRoutine(profile, dialogs, settings);
    ui::CMainFrame frame(settings, profile, recent);
    frame.show();
    Settle();
    QString path = QString::fromStdString(FullBW3File().string());
    for (auto _ : state) {
        ui::CChildFrame* child = frame.OpenDocumentFile(path);
        if (!child || !child->isVisible()) {
            state.SkipWithError("the document did not open");
            break;
        }
        child->repaint(); // the units list drawn, not only laid out
        Settle();
        state.PauseTiming();
        delete child;
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenIntoVisibleUnitsList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(DemoGame(), ec);
    return 0;
}
