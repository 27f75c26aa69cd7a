#include "cli_test_support.h"
#include "tests/core/archive_fixture.h"

#include <map>

using namespace quorvant::testing;
using quorvant::testing::MakeZip;
using quorvant::testing::ReadZip;
using quorvant::testing::WriteStandInArchiver;
using quorvant::testing::ZipEntries;
namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (auto& entry : fs::recursive_directory_iterator(root))
        files[fs::relative(entry.path(), root).string()] =
            entry.is_regular_file() ? ReadText(entry.path()) : "/";
    return files;
}

class ObtoolArchives : public ::testing::Test {
  protected:
    void SetUp() override {
        email = dir / "bw1" / "Email";
        zips = email / "ZipFiles";
        fs::create_directories(zips);
        Put(email / "Email5.dat", "five");
        Put(email / "Email5.cmt", "Hill\x01"
                                  "defence");
        Put(email / "EMAIL7.DAT", "seven");
        Put(email / "EMAIL7.CMT", "Ridge");
        Put(zips / "Email9.cmt", "Nine archived");
        ASSERT_TRUE(MakeZip(zips / "Email9.zip", {{"Email9.cmt", "Nine archived"}, {"Email9.dat", "nine"}}));
        Put(zips / "Email7.cmt.bak", "stray");
    }
    static void Put(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    ToolResult Slots(std::vector<std::string> words) {
        std::vector<std::string> args = {"slots", (dir / "bw1").string(), "--game", "bw1", "--kind", "email"};
        args.insert(args.end(), words.begin(), words.end());
        return Obtool(args);
    }

    TempFolder dir;
    fs::path email, zips;
};

TEST_F(ObtoolArchives, ArchivesListsEveryRowOfTheMode) {
    ToolResult r = Slots({"archives"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string expected;
    for (int n = 3; n <= 197; ++n)
        expected += std::to_string(n) + (n == 9 ? "\tEmail9.cmt\tNine archived\n" : "\t----\t\n");
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.err, "");

    TempFolder bw3;
    fs::create_directories(bw3 / "SAVE" / "zipfiles");
    std::ofstream(bw3 / "SAVE" / "zipfiles" / "SAVE000.CMT") << "Opening\n";
    r = Obtool({"slots", bw3.path().string(), "--game", "bw3", "archives"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 29), "0\tSAVE000.CMT\tOpening\n1\t----\t");
    EXPECT_EQ(r.out.substr(r.out.size() - 10), "196\t----\t\n");
}

TEST_F(ObtoolArchives, ZipUnzipAndDeleteAskForYesWhereTheDialogAsks) {
    ToolResult r = Slots({"zip", "7"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "slot 7 packed into Email7.zip\n");
    ZipEntries entries = ReadZip(zips / "Email7.zip");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].first, "Email7.cmt"); // the program's spelling, not the disk's
    EXPECT_EQ(entries[1], (std::pair<std::string, std::string>{"Email7.dat", "seven"}));
    EXPECT_EQ(ReadText(zips / "Email7.cmt"), "Ridge");

    auto before = Snapshot(dir.path());
    r = Slots({"zip", "7"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(
        r.err,
        "obtool slots: the archive of slot 7 exists (Email7.zip, \"Ridge\"); add --yes to replace it\n");
    r = Slots({"unzip", "9"});
    EXPECT_EQ(r.code, 0) << r.err; // slot 9 is empty: nothing to ask
    EXPECT_EQ(ReadText(email / "Email9.dat"), "nine");
    before = Snapshot(dir.path());
    r = Slots({"unzip", "9"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "obtool slots: slot 9 holds \"Nine archived\"; add --yes to replace it\n");
    r = Slots({"zip-delete", "9"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("add --yes to delete it"), std::string::npos);
    EXPECT_EQ(Snapshot(dir.path()), before);

    Put(email / "EMAIL7.DAT", "played on");
    r = Slots({"unzip", "7", "--yes"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "Email7.zip unpacked into slot 7\n");
    EXPECT_EQ(ReadText(email / "EMAIL7.DAT"), "seven");
    EXPECT_FALSE(fs::exists(email / "Email7.dat"));
    r = Slots({"zip-delete", "9", "--yes"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "archive of slot 9 deleted\n");
    EXPECT_FALSE(fs::exists(zips / "Email9.zip"));
    EXPECT_FALSE(fs::exists(zips / "Email9.cmt"));
}

TEST_F(ObtoolArchives, RefusalsExitOneAndChangeNothing) {
    const auto before = Snapshot(dir.path());
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"zip", "4"}, "slot 4 is empty"},
        {{"unzip", "5", "--yes"}, "slot 5 has no archive"},
        {{"zip-delete", "5", "--yes"}, "slot 5 has no archive"},
        {{"zip", "2"}, "slot 2 has no archive"},
        {{"unzip", "198", "--yes"}, "slot 198 has no archive"},
        {{"zip", "5", "--archiver", "nodot"}, "The archiver could not be started: .exe: "},
    };
    for (const auto& [words, why] : cases) {
        ToolResult r = Slots(words);
        EXPECT_EQ(r.code, 1) << words[0] << ' ' << words[1];
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(why), std::string::npos) << r.err;
    }
    // A zip-slip archive is refused before anything is written.
    Put(zips / "Email10.cmt", "hostile");
    ASSERT_TRUE(MakeZip(zips / "Email10.zip", {{"../../Email10.cmt", "x"}, {"Email10.dat", "x"}}));
    const auto withHostile = Snapshot(dir.path());
    ToolResult r = Slots({"unzip", "10", "--yes"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("climbs out of its folder"), std::string::npos) << r.err;
    EXPECT_EQ(Snapshot(dir.path()), withHostile);
    fs::remove(zips / "Email10.zip");
    fs::remove(zips / "Email10.cmt");
    EXPECT_EQ(Snapshot(dir.path()), before);

    // Without the folder only a zip has work to do, and makes the folder for it.
    fs::remove_all(zips);
    for (const auto& words : std::vector<std::vector<std::string>>{
             {"archives"}, {"update"}, {"unzip", "5", "--yes"}, {"zip-delete", "5", "--yes"}}) {
        r = Slots(words);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, "obtool slots: " + (email / "ZipFiles").string() + " is missing\n");
    }
    EXPECT_FALSE(fs::exists(zips));
    r = Slots({"zip", "5"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "slot 5 packed into Email5.zip\n");
    EXPECT_EQ(ReadZip(zips / "Email5.zip").size(), 2u);
    EXPECT_EQ(Slots({"zip"}).code, 2);
    EXPECT_EQ(Slots({"archives", "3"}).code, 2);
}

TEST_F(ObtoolArchives, UpdateRecoversEmail12AndReportsARefusedArchive) {
    ASSERT_TRUE(MakeZip(zips / "Email12.zip", {{"Email12.cmt", "Twelve"}, {"Email12.dat", "data"}}));
    ToolResult r = Slots({"update"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "Email12.cmt recovered from Email12.zip\n");
    EXPECT_EQ(ReadText(zips / "Email12.cmt"), "Twelve");
    EXPECT_FALSE(fs::exists(zips / "Email12.dat"));
    EXPECT_EQ(Slots({"update"}).out, "every archive has its description copy\n");

    Put(zips / "Email13.zip", "not a zip");
    r = Slots({"update"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Email13.zip cannot be read as a zip archive"), std::string::npos) << r.err;
}

TEST_F(ObtoolArchives, AnOutsideArchiverIsStartedWithTheArgumentList) {
    fs::path packed = dir / "packed.zip";
    ASSERT_TRUE(MakeZip(packed, {{"Email5.cmt", "Hill"}, {"Email5.dat", "five"}}));
    fs::path script = WriteStandInArchiver(dir.path(), packed, dir.path());
    ToolResult r = Slots({"zip", "5", "--archiver", "\"" + script.string() + "\" \"%1\""});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "slot 5 packed into Email5.zip\n"); // the archiver's own output is kept apart
    EXPECT_EQ(ReadText(dir / "calls.txt"), "-min\n-a\n" + (zips / "Email5.zip").string() + "\n" +
                                               (email / "Email5.cmt").string() + "\n" +
                                               (email / "Email5.dat").string() + "\n\n");

    fs::path failing = dir / "failing";
    fs::create_directories(failing);
    fs::path bad = WriteStandInArchiver(failing, packed, dir.path(), 1);
    Put(email / "Email5.cmt", "changed");
    const auto before = Snapshot(dir.path());
    r = Slots({"zip", "5", "--yes", "--archiver", bad.string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("failed: exit code 1"), std::string::npos) << r.err;
    fs::remove(failing / "calls.txt");
    EXPECT_EQ(Snapshot(dir.path()), before);
}

} // namespace
