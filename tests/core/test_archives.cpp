#include "archive_fixture.h"
#include "fault_sweep.h"
#include "gamemgr/archiveentrycheck.h"
#include "gamemgr/archivenames.h"
#include "gamemgr/archiveoperations.h"
#include "gamemgr/archiver.h"
#include "gamemgr/slotoperations.h"
#include "obdata/generation.h"
#include "slot_folder_fixture.h"

#include <functional>
#include <map>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

std::map<std::string, std::string> Snapshot(const fs::path& root) {
    return SnapshotTree(root);
}

class Archives : public SlotFolderTest {
  protected:
    void SetUp() override {
        SlotFolderTest::SetUp();
        save = Folder("bw3/save");
        zips = Folder("bw3/save/ZipFiles");
        Write(save / "SAVE007.CMT", "Hedgerow country, turn 12\r\n");
        Write(save / "SAVE007.DAT", std::string(5000, '\x07'));
        email = Folder("bw1/Email");
        emailZips = Folder("bw1/Email/zipfiles");
    }
    std::vector<std::string> Calls() const {
        std::ifstream in(game / "calls.txt");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    GameMode bw3{kBW3, true};
    GameMode bw1Email{kBW1, false};
    fs::path save, zips, email, emailZips;
    BuiltinArchiver builtin;
    std::string error;
};

TEST_F(Archives, RowsFollowTheModeAndFindTheCopyByItsWholeName) {
    Write(emailZips / "EMAIL12.CMT", "Twelve\x01up");
    Write(emailZips / "Email12.zip", "");
    Write(emailZips / "Email5.cmt.bak", "not a copy");
    Write(emailZips / "Email1.cmt", "slot 1 has no row");
    std::vector<ArchiveEntry> rows = ListArchives(email, bw1Email);
    ASSERT_EQ(rows.size(), 195u);
    EXPECT_EQ(rows.front().number, 3);
    EXPECT_EQ(rows.back().number, 197);
    EXPECT_EQ(rows[12 - 3].Name(), "EMAIL12.CMT");
    EXPECT_EQ(rows[12 - 3].description, "Twelve up");
    EXPECT_TRUE(rows[12 - 3].archiveExists);
    EXPECT_EQ(rows[5 - 3].Name(), "----");
    EXPECT_EQ(rows[5 - 3].description, "");

    rows = ListArchives(save, bw3);
    ASSERT_EQ(rows.size(), 197u);
    EXPECT_EQ(rows.front().number, 0);
    EXPECT_EQ(rows.back().number, 196);
    EXPECT_FALSE(IsArchiveSlot(bw1Email, 2));
    EXPECT_FALSE(IsArchiveSlot(bw1Email, 198));
    EXPECT_TRUE(IsArchiveSlot(bw3, 0));

    // Without the folder every row is empty, unzip and delete say which folder is missing, and a
    // zip makes the folder, unless the zip fails.
    fs::remove_all(zips);
    for (const ArchiveEntry& row : ListArchives(save, bw3)) EXPECT_EQ(row.Name(), "----");
    EXPECT_FALSE(UnzipSlot(save, bw3, 7, builtin, error));
    EXPECT_EQ(error, (save / "ZipFiles").string() + " is missing");
    EXPECT_FALSE(ZipSlot(save, bw3, 7, *MakeArchiver("no dot at all"), error));
    EXPECT_FALSE(fs::exists(zips));
    ASSERT_TRUE(ZipSlot(save, bw3, 7, builtin, error)) << error;
    EXPECT_EQ(ReadZip(zips / "Save007.zip").size(), 2u);
    EXPECT_NE(ArchiveCommandRefusal(email, bw1Email, 2).find("slot 2 has no archive"), std::string::npos);
}

TEST_F(Archives, BuiltInRoundTripUsesTheProgramsSpellingAndReplacesInAnySpelling) {
    ASSERT_TRUE(ZipSlot(save, bw3, 7, builtin, error)) << error;
    ZipEntries entries = ReadZip(zips / "Save007.zip");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0],
              (std::pair<std::string, std::string>{"Save007.cmt", "Hedgerow country, turn 12\r\n"}));
    EXPECT_EQ(entries[1].first, "Save007.dat");
    EXPECT_EQ(Read(zips / "Save007.cmt"), "Hedgerow country, turn 12\r\n");
    EXPECT_EQ(ListArchives(save, bw3)[7].description, "Hedgerow country, turn 12");

    Write(save / "SAVE007.DAT", "played on");
    Write(save / "SAVE007.CMT", "later turn");
    ASSERT_TRUE(UnzipSlot(save, bw3, 7, builtin, error)) << error;
    EXPECT_EQ(Read(save / "SAVE007.DAT"), std::string(5000, '\x07'));
    EXPECT_EQ(Read(save / "SAVE007.CMT"), "Hedgerow country, turn 12\r\n");
    EXPECT_EQ(Names(save), (std::vector<std::string>{"SAVE007.CMT", "SAVE007.DAT", "ZipFiles"}));

    // Into an empty slot, and stored folder names dropped.
    ASSERT_TRUE(
        MakeZip(zips / "save009.ZIP", {{"game/", ""}, {"game/Save009.cmt", "nine"}, {"SAVE009.dat", "9"}}));
    ASSERT_TRUE(UnzipSlot(save, bw3, 9, builtin, error)) << error;
    EXPECT_EQ(Read(save / "Save009.cmt"), "nine");
    EXPECT_EQ(Read(save / "Save009.dat"), "9");
}

TEST_F(Archives, AFailedRenameDuringAnUnpackPutsTheReplacedFilesBack) {
    ASSERT_TRUE(
        MakeZip(zips / "Save007.zip", {{"Save007.cmt", "archived"}, {"Save007.dat", "archived data"}}));
    const auto before = Snapshot(game);
    FaultyFileSystem faulty(Fault::RenameFails, [](Call call, const fs::path&, const fs::path& to) {
        return call == Call::Rename && to.filename() == "SAVE007.CMT";
    });
    {
        ScopedFileSystemForTesting use(faulty);
        EXPECT_FALSE(UnzipSlot(save, bw3, 7, builtin, error));
    }
    EXPECT_EQ(error,
              (save / "SAVE007.CMT").string() + " cannot be replaced: " + FaultReason(Fault::RenameFails));
    EXPECT_TRUE(Snapshot(game) == before); // the data file, already replaced, is back; nothing is left over
    EXPECT_EQ(Read(save / "SAVE007.DAT"), std::string(5000, '\x07'));
}

TEST_F(Archives, HostileOrBrokenArchivesAreRefusedWithNothingWritten) {
    Write(zips / "Save007.cmt", "copy");
    const std::vector<std::pair<ZipEntries, std::string>> cases = {
        {{{"../Save007.cmt", "x"}, {"Save007.dat", "x"}}, "climbs out"},
        {{{"/tmp/Save007.cmt", "x"}, {"Save007.dat", "x"}}, "absolute"},
        {{{"C:Save007.cmt", "x"}, {"Save007.dat", "x"}}, "drive"},
        {{{"dir\\Save007.cmt", "x"}, {"Save007.dat", "x"}}, "backslash"},
        {{{"Save007.cmt", "x"}, {"a/SAVE007.CMT", "y"}, {"Save007.dat", "x"}}, "two files named"},
        {{{"Save007.cmt", "x"}}, "lacks Save007.dat"},
        {{{"Save007.cmt", "x"}, {"Save007.dat", "x"}, {"readme.txt", "x"}}, "not a file of the slot"},
    };
    const auto before = Snapshot(game);
    for (const auto& [entries, why] : cases) {
        ASSERT_TRUE(MakeZip(zips / "Save007.zip", entries));
        const auto withArchive = Snapshot(game);
        EXPECT_FALSE(UnzipSlot(save, bw3, 7, builtin, error)) << why;
        EXPECT_NE(error.find(why), std::string::npos) << error;
        EXPECT_TRUE(Snapshot(game) == withArchive) << why;
        fs::remove(zips / "Save007.zip");
    }
    // Not a zip at all, and a real archive cut short.
    Write(zips / "Save007.zip", "PK\x03\x04 but nothing more");
    EXPECT_FALSE(UnzipSlot(save, bw3, 7, builtin, error));
    EXPECT_NE(error.find("cannot be read as a zip archive"), std::string::npos) << error;
    ASSERT_TRUE(
        MakeZip(zips / "Save007.zip", {{"Save007.cmt", "x"}, {"Save007.dat", std::string(3000, 'q')}}));
    std::string whole = Read(zips / "Save007.zip");
    Write(zips / "Save007.zip", whole.substr(0, whole.size() - 30));
    EXPECT_FALSE(UnzipSlot(save, bw3, 7, builtin, error));
    fs::remove(zips / "Save007.zip");
    EXPECT_TRUE(Snapshot(game) == before);
}

TEST_F(Archives, EntryChecksCountSizeAndEncryption) {
    std::vector<ArchiveEntryInfo> entries = {{"Save007.cmt", 10, false},
                                             {"Save007.dat", kMaxUnpackedBytes - 10, false}};
    EXPECT_TRUE(CheckSlotArchiveEntries(entries, "Save007.cmt", "Save007.dat", error)) << error;
    entries[1].size += 1;
    EXPECT_FALSE(CheckArchiveEntries(entries, error));
    EXPECT_NE(error.find("1 GiB"), std::string::npos);
    entries[1].size = ~std::uint64_t{0};
    EXPECT_FALSE(CheckArchiveEntries(entries, error));
    entries[1] = {"Save007.dat", 1, true};
    EXPECT_FALSE(CheckArchiveEntries(entries, error));
    EXPECT_NE(error.find("encrypted"), std::string::npos);

    std::vector<ArchiveEntryInfo> many(kMaxArchiveEntries, {"d/", 0, false});
    EXPECT_TRUE(CheckArchiveEntries(many, error)) << error;
    many.push_back({"d/", 0, false});
    EXPECT_FALSE(CheckArchiveEntries(many, error));
    for (const char* bad : {"", "a/../b", "..", "./x", "a//b", "x\x01y", "/", "\\\\server\\x"})
        EXPECT_FALSE(CheckEntryName(bad, error)) << bad;
    for (const char* good : {"Save007.cmt", "a/b/Save007.cmt", "dir/", "..x", "x..y"})
        EXPECT_TRUE(CheckEntryName(good, error)) << good << ": " << error;

    // An archive that says it unpacks to more than it packs is read only as far as it says.
    ASSERT_TRUE(MakeZip(zips / "big.zip", {{"Save007.dat", std::string(1 << 20, '\0')}}));
    std::string bytes = Read(zips / "big.zip");
    EXPECT_TRUE(VerifyArchiveBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), error))
        << error;
    EXPECT_LT(bytes.size(), 10000u);
}

TEST_F(Archives, AZipOverAnExistingArchiveKeepsItWhenPackingFails) {
    ASSERT_TRUE(MakeZip(zips / "Save007.zip", {{"Save007.cmt", "old"}, {"Save007.dat", "old data"}}));
    Write(zips / "Save007.cmt", "old");
    Write(game / "junk.zip", "not a zip");
    ExternalArchiver failing(WriteStandInArchiver(Folder("failing"), game / "junk.zip", game, 1));
    // An archiver that says it worked but leaves no zip holding the two files.
    ExternalArchiver lying(WriteStandInArchiver(Folder("lying"), game / "junk.zip", game, 0));
    const auto before = Snapshot(game);
    EXPECT_FALSE(ZipSlot(save, bw3, 7, failing, error));
    EXPECT_NE(error.find("failed: exit code 1 (stand-in done)"), std::string::npos) << error;
    EXPECT_FALSE(ZipSlot(save, bw3, 7, lying, error));
    EXPECT_NE(error.find("gave no archive holding its two files"), std::string::npos) << error;
    fs::remove(game / "failing" / "calls.txt");
    fs::remove(game / "lying" / "calls.txt");
    EXPECT_TRUE(Snapshot(game) == before);

    ASSERT_TRUE(ZipSlot(save, bw3, 7, builtin, error)) << error;
    EXPECT_EQ(ReadZip(zips / "Save007.zip")[0].second, "Hedgerow country, turn 12\r\n");
    EXPECT_EQ(Names(zips), (std::vector<std::string>{"Save007.cmt", "Save007.zip"}));
}

TEST_F(Archives, AnOutsideArchiverGetsTheArgumentListsAndItsResultIsChecked) {
    Write(save / "Save007.cmt", "Hedgerow");
    Write(save / "Save007.dat", "data");
    fs::remove(save / "SAVE007.CMT");
    fs::remove(save / "SAVE007.DAT");
    fs::path packed = game / "packed.zip";
    ASSERT_TRUE(MakeZip(packed, {{"Save007.cmt", "Hedgerow"}, {"Save007.dat", "data"}}));
    fs::path unpacked = Folder("unpacked");
    Write(unpacked / "Save007.cmt", "from the archive");
    Write(unpacked / "Save007.dat", "archived data");
    ExternalArchiver standIn(WriteStandInArchiver(game, packed, unpacked));

    ASSERT_TRUE(ZipSlot(save, bw3, 7, standIn, error)) << error;
    std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 5),
              (std::vector<std::string>{"-min", "-a", (zips / "Save007.zip").string(),
                                        (save / "Save007.cmt").string(), (save / "Save007.dat").string()}));
    EXPECT_EQ(ListArchives(save, bw3)[7].Name(), "Save007.cmt");
    EXPECT_EQ(ListArchives(save, bw3)[7].description, "Hedgerow");

    fs::remove(game / "calls.txt");
    ASSERT_TRUE(UnzipSlot(save, bw3, 7, standIn, error)) << error;
    calls = Calls();
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 5),
              (std::vector<std::string>{"-min", "-e", "-o", "-j", (zips / "Save007.zip").string()}));
    EXPECT_EQ(fs::path(calls[5]).parent_path(), save); // a hidden folder of the slot folder first
    EXPECT_EQ(Read(save / "Save007.cmt"), "from the archive");
    EXPECT_EQ(Read(save / "Save007.dat"), "archived data");
    EXPECT_EQ(Names(save), (std::vector<std::string>{"Save007.cmt", "Save007.dat", "ZipFiles"}));

    // An outside archiver that unpacks more than the archive's two files is not believed.
    Write(unpacked / "extra.txt", "x");
    EXPECT_FALSE(UnzipSlot(save, bw3, 7, standIn, error));
    EXPECT_EQ(Read(save / "Save007.dat"), "archived data");
    EXPECT_EQ(Names(save), (std::vector<std::string>{"Save007.cmt", "Save007.dat", "ZipFiles"}));
}

TEST_F(Archives, ProgramPathRuleAndAnArchiverThatCannotStart) {
    EXPECT_EQ(ArchiverProgramPath("\"C:\\Program Files\\WinZip\\winzip32.exe\" \"%1\""),
              fs::path("C:\\Program Files\\WinZip\\winzip32.exe"));
    EXPECT_EQ(ArchiverProgramPath("/opt/zipper/run.sh %1"), fs::path("/opt/zipper/run.exe"));
    EXPECT_EQ(ArchiverProgramPath("no dot at all"), fs::path(".exe"));
    EXPECT_EQ(ArchiverProgramPath(""), fs::path(".exe"));
    EXPECT_NE(dynamic_cast<BuiltinArchiver*>(MakeArchiver("").get()), nullptr);

    const auto before = Snapshot(game);
    auto missing = MakeArchiver("no dot at all");
    EXPECT_FALSE(ZipSlot(save, bw3, 7, *missing, error));
    EXPECT_EQ(error.rfind("The archiver could not be started: .exe: ", 0), 0u) << error;
    EXPECT_TRUE(Snapshot(game) == before);
}

TEST_F(Archives, UpdateRecoversMissingCopiesAndGoesOnPastARefusedArchive) {
    ASSERT_TRUE(MakeZip(emailZips / "Email12.zip", {{"Email12.cmt", "Twelve"}, {"Email12.dat", "data"}}));
    ASSERT_TRUE(MakeZip(emailZips / "Email13.zip", {{"Email13.cmt", "new"}, {"Email13.dat", "data"}}));
    Write(emailZips / "EMAIL13.CMT", "kept");
    Write(emailZips / "Email4.zip", "broken");
    ASSERT_TRUE(MakeZip(emailZips / "Notes.zip", {{"Notes.cmt", "x"}}));
    UpdateResult result;
    ASSERT_TRUE(UpdateArchiveCopies(email, bw1Email, builtin, result, error)) << error;
    EXPECT_EQ(result.recovered, std::vector<int>{12});
    ASSERT_EQ(result.refused.size(), 1u);
    EXPECT_NE(result.refused[0].find("Email4.zip"), std::string::npos) << result.refused[0];
    EXPECT_EQ(Read(emailZips / "Email12.cmt"), "Twelve");
    EXPECT_EQ(Read(emailZips / "EMAIL13.CMT"), "kept");
    EXPECT_EQ(Names(emailZips), (std::vector<std::string>{"EMAIL13.CMT", "Email12.cmt", "Email12.zip",
                                                          "Email13.zip", "Email4.zip", "Notes.zip"}));
    EXPECT_EQ(ListArchives(email, bw1Email)[12 - 3].description, "Twelve");
}

TEST_F(Archives, AFolderWhereASlotFileShouldBeIsRefusedBeforeAnythingIsDone) {
    Write(email / "Email5.cmt", "five");
    Write(email / "Email5.dat", "five's data");
    ASSERT_TRUE(MakeZip(zips / "Save008.zip", {{"Save008.cmt", "eight"}, {"Save008.dat", "eight's data"}}));
    auto slot = [&](const fs::path& folder, const GameMode& mode, int n) {
        return FindSlotFiles(folder, mode, n);
    };
    const std::vector<std::pair<fs::path, std::function<bool()>>> cases = {
        {save / "Save009.dat", [&] { return CopySlot(slot(save, bw3, 7), slot(save, bw3, 9), error); }},
        {save / "Save009.cmt", [&] { return MoveSlot(slot(save, bw3, 7), slot(save, bw3, 9), error); }},
        {email / "Email1.dat", [&] { return EmailSet(email, 1, slot(email, bw1Email, 5), error); }},
        {save / "Save008.dat", [&] { return UnzipSlot(save, bw3, 8, builtin, error); }},
        {zips / "Save007.zip", [&] { return ZipSlot(save, bw3, 7, builtin, error); }},
        {zips / "Save007.cmt", [&] { return ZipSlot(save, bw3, 7, builtin, error); }},
    };
    for (const auto& [blocker, run] : cases) {
        fs::create_directories(blocker / "inside");
        Write(blocker / "inside" / "kept.txt", "kept");
        const auto before = Snapshot(game);
        EXPECT_FALSE(run()) << blocker;
        EXPECT_EQ(error, blocker.string() + ": is a folder, not a file");
        EXPECT_TRUE(Snapshot(game) == before) << blocker;
        fs::remove_all(blocker);
    }
}

TEST_F(Archives, DeleteRemovesWhicheverFileExists) {
    Write(emailZips / "Email6.cmt", "copy only");
    Write(emailZips / "Email8.zip", "archive only");
    Write(emailZips / "Email9.zip", "both");
    Write(emailZips / "Email9.cmt", "both");
    for (int n : {6, 8, 9}) EXPECT_TRUE(DeleteArchive(email, bw1Email, n, error)) << n << error;
    EXPECT_TRUE(Names(emailZips).empty());
    EXPECT_FALSE(DeleteArchive(email, bw1Email, 9, error));
    EXPECT_NE(error.find("slot 9 has no archive"), std::string::npos);
}

} // namespace
