#include "fault_sweep.h"
#include "recovery/journalwriter.h"

#include <memory>

#include <unistd.h>

using namespace quorvant;
using namespace quorvant::testing;
namespace fs = std::filesystem;

namespace {

fs::path Root() {
    return fs::temp_directory_path() / ("quorvant-faults-journal-" + std::to_string(::getpid()));
}

HistoryStep UnitStep(int slot) {
    CUnitRecord after;
    after.Name.assignPadded("Tiger I");
    return {"Edit Unit", {{kViewUnits, false, slot, CUnitRecord{}, after}}};
}

// The writer lives across setUp and run: setUp leaves it where the swept call begins.
struct Journaled {
    std::shared_ptr<std::unique_ptr<JournalWriter>> writer =
        std::make_shared<std::unique_ptr<JournalWriter>>();

    SweptOperation Operation(const char* name, int flushedSteps, bool addBeforeRun,
                             std::function<bool(JournalWriter&, std::string&)> run) const {
        auto held = writer;
        return {name,
                [held, flushedSteps, addBeforeRun](const fs::path& root) {
                    *held = std::make_unique<JournalWriter>(root / "recovery");
                    JournalHeader header{root / "KOB12", 2, {44500, 7, 0x1234}, 1000};
                    (*held)->Begin(header);
                    for (int i = 0; i < flushedSteps; ++i) (*held)->AddStep(UnitStep(i + 1), 1001 + i);
                    std::string error;
                    if (flushedSteps > 0) (*held)->Flush(error);
                    if (addBeforeRun) (*held)->AddStep(UnitStep(9), 2000);
                },
                [held, run](const fs::path&, std::string& error) { return run(**held, error); }};
    }
};

} // namespace

TEST(FaultInjection, JournalWritesKeepTheJournalOrFinish) {
    Journaled j;
    auto flush = [](JournalWriter& w, std::string& error) { return w.Flush(error); };
    auto remove = [](JournalWriter& w, std::string& error) { return w.Remove(error); };
    Journaled torn;
    auto cutAndResume = torn.Operation("journal resumed, its torn end cut", 2, false, {});
    cutAndResume.setUp = [setUp = cutAndResume.setUp](const fs::path& root) {
        setUp(root);
        const fs::path journal = JournalPathFor(root / "recovery", root / "KOB12");
        fs::resize_file(journal, fs::file_size(journal) - 3);
    };
    cutAndResume.run = [](const fs::path& root, std::string& error) {
        JournalWriter writer(root / "recovery");
        return writer.Resume(JournalPathFor(root / "recovery", root / "KOB12"), error);
    };
    ExpectEveryFaultHandled({j.Operation("journal, first flush", 0, true, flush),
                             j.Operation("journal, flush appended", 2, true, flush),
                             j.Operation("journal removed", 2, false, remove), cutAndResume},
                            Root());
}
