#include "archive_fixture.h"
#include "fault_sweep.h"
#include "gamemgr/archiveoperations.h"
#include "gamemgr/archiver.h"
#include "gamemgr/gamemode.h"
#include "obdata/generation.h"

#include <unistd.h>

using namespace quorvant;
using namespace quorvant::testing;
namespace fs = std::filesystem;

namespace {

const GameMode kBW3Save{kBW3, true};

// A BW3 save folder: slot 7 spelled in capitals with an older archive, slot 8 with no archive, slot
// 9 empty with an archive, and an archive of slot 10 without its description copy.
void WriteArchives(const fs::path& root) {
    fs::path save = root / "save";
    fs::create_directories(save / "ZipFiles");
    WriteText(save / "SAVE007.CMT", "Hedgerow country, turn 12\r\n");
    WriteText(save / "SAVE007.DAT", std::string(5000, '\x07'));
    WriteText(save / "Save008.cmt", "Bridge");
    WriteText(save / "Save008.dat", std::string(3000, '\x08'));
    MakeZip(save / "ZipFiles" / "Save007.zip",
            {{"Save007.cmt", "older turn"}, {"Save007.dat", "older data"}});
    WriteText(save / "ZipFiles" / "Save007.cmt", "older turn");
    MakeZip(save / "ZipFiles" / "Save009.zip", {{"Save009.cmt", "nine"}, {"Save009.dat", "nine's data"}});
    WriteText(save / "ZipFiles" / "Save009.cmt", "nine");
    MakeZip(save / "ZipFiles" / "Save010.zip", {{"Save010.cmt", "ten"}, {"Save010.dat", "ten's data"}});
}

SweptOperation Op(std::string name, std::function<bool(const fs::path&, std::string&)> run) {
    return {std::move(name), WriteArchives, std::move(run)};
}

} // namespace

TEST(FaultInjection, ArchiveOperationsKeepEveryByteOrFinish) {
    const fs::path root = fs::temp_directory_path() / ("quorvant-faults-zips-" + std::to_string(::getpid()));
    auto zip = [](int n) {
        return [n](const fs::path& r, std::string& e) {
            BuiltinArchiver archiver;
            return ZipSlot(r / "save", kBW3Save, n, archiver, e);
        };
    };
    auto unzip = [](int n) {
        return [n](const fs::path& r, std::string& e) {
            BuiltinArchiver archiver;
            return UnzipSlot(r / "save", kBW3Save, n, archiver, e);
        };
    };
    // An outside archiver, kept outside the swept folder; slot 7's capitals make it get copies.
    const fs::path standIn = fs::temp_directory_path() / ("quorvant-standin-" + std::to_string(::getpid()));
    fs::create_directories(standIn);
    MakeZip(standIn / "packed.zip", {{"Save007.cmt", "Hedgerow"}, {"Save007.dat", "data"}});
    ExternalArchiver outside(WriteStandInArchiver(standIn, standIn / "packed.zip", standIn));
    ExpectEveryFaultHandled(
        {Op("archive pack by an outside archiver",
            [&outside](const fs::path& r, std::string& e) {
                return ZipSlot(r / "save", kBW3Save, 7, outside, e);
            }),
         Op("archive pack, new archive", zip(8)), Op("archive pack, over an archive", zip(7)),
         Op("archive unpack, into a game", unzip(7)), Op("archive unpack, into an empty slot", unzip(9)),
         Op("archive update",
            [](const fs::path& r, std::string& e) {
                BuiltinArchiver archiver;
                UpdateResult result;
                if (!UpdateArchiveCopies(r / "save", kBW3Save, archiver, result, e)) return false;
                if (result.refused.empty()) return true;
                e = result.refused.front();
                return false;
            }),
         Op("archive delete",
            [](const fs::path& r, std::string& e) { return DeleteArchive(r / "save", kBW3Save, 7, e); })},
        root);
    fs::remove_all(standIn);
}
