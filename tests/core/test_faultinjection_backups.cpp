#include "backups/backupstore.h"
#include "fault_sweep.h"
#include "obdata/generation.h"

#include <unistd.h>

using namespace quorvant;
using namespace quorvant::testing;
namespace fs = std::filesystem;

namespace {

// An OB file, and a profile that may already hold backups of it, one made this very second.
void WriteFileAndProfile(const fs::path& root, bool earlier) {
    WriteText(root / "MOB31", std::string(50000, '\x31'));
    if (!earlier) return;
    fs::create_directories(root / "profile" / "backups" / "BW2" / "MOB31");
    WriteText(root / "profile" / "backups" / "BW2" / "MOB31" / "2026-12-09_08-00-00", "older");
    WriteText(root / "profile" / "backups" / "BW2" / "MOB31" / "2026-12-10_10-42-07", "this second");
}

bool Backup(const fs::path& root, std::string& error) {
    BackupStore store(root / "profile" / "backups", [] { return BackupMoment{2026, 12, 10, 10, 42, 7}; });
    return store.KeepBackup(kBW2, root / "MOB31", 10, error);
}

} // namespace

TEST(FaultInjection, BackupsAreKeptWhollyOrNotAtAll) {
    const fs::path root =
        fs::temp_directory_path() / ("quorvant-faults-backups-" + std::to_string(::getpid()));
    ExpectEveryFaultHandled(
        {{"backup, the first of a profile", [](const fs::path& r) { WriteFileAndProfile(r, false); }, Backup},
         {"backup, beside earlier ones", [](const fs::path& r) { WriteFileAndProfile(r, true); }, Backup}},
        root);
}
