#include "cli_test_support.h"

#include <map>

using namespace quorvant::testing;
namespace fs = std::filesystem;

namespace {

// Every file below a folder with its bytes, to show that a refused command changed nothing.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (auto& entry : fs::recursive_directory_iterator(root))
        files[fs::relative(entry.path(), root).string()] =
            entry.is_regular_file() ? ReadText(entry.path()) : "/";
    return files;
}

class ObtoolSlots : public ::testing::Test {
  protected:
    void SetUp() override {
        email = dir / "bw1" / "EMAIL";
        fs::create_directories(email / "Quorvant.bak");
        Put("Email1.dat", "live one");
        Put("Email1.cmt", "Turn 4\r\nsecond line");
        Put("Email3.dat", "three");
        Put("Email3.cmt", "Ladder\x01game");
        Put("EMAIL5.DAT", "five");
        Put("EMAIL5.CMT", "");
        Put("Email6.cmt", "no data file");
        Put("Email8.dat", "data only");
        Put("Email9.cmt.bak", "stray");
    }
    void Put(const std::string& name, const std::string& bytes) {
        std::ofstream(email / name, std::ios::binary) << bytes;
    }
    ToolResult Slots(std::vector<std::string> words) {
        std::vector<std::string> args = {"slots", (dir / "bw1").string(), "--game", "bw1", "--kind", "email"};
        args.insert(args.end(), words.begin(), words.end());
        return Obtool(args);
    }

    TempFolder dir;
    fs::path email;
};

TEST_F(ObtoolSlots, ListsEveryNumberWithTheDescriptionBytes) {
    ToolResult r = Slots({});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string expected = "1\tTurn 4\n2\t----\n3\tLadder game\n4\t----\n5\t\n6\tno data file\n";
    for (int n = 7; n <= 199; ++n) expected += std::to_string(n) + "\t----\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.err, "");

    TempFolder bw3;
    fs::create_directories(bw3 / "Save");
    std::ofstream(bw3 / "Save" / "save000.cmt") << "Opening";
    r = Obtool({"slots", bw3.path().string(), "--game", "bw3"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 17), "0\tOpening\n1\t----\n");
    EXPECT_EQ(r.out.substr(r.out.size() - 9), "198\t----\n");

    // A game folder without its slot folder has empty slots; a game folder that is not there is none.
    r = Obtool({"slots", (dir / "bw1").string(), "--game", "bw2"});
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(r.out.substr(0, 14), "1\t----\n2\t----\n");
    for (std::vector<std::string> words : {std::vector<std::string>{}, {"delete", "3", "--yes"}}) {
        std::vector<std::string> args = {"slots", (dir / "nowhere").string(), "--game", "bw1"};
        args.insert(args.end(), words.begin(), words.end());
        r = Obtool(args);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "obtool: " + (dir / "nowhere").string() + ": no such folder\n");
    }
}

TEST_F(ObtoolSlots, TextsAreUtf8OnTheCommandLineAndLatin1InTheFiles) {
    ToolResult r = Slots({"rename", "3", "Village caf\xc3\xa9"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(ReadText(email / "Email3.cmt"), "Village caf\xe9");
    EXPECT_NE(Slots({}).out.find("\n3\tVillage caf\xc3\xa9\n"), std::string::npos);
    EXPECT_EQ(Slots({"delete", "3"}).err,
              "obtool slots: slot 3 holds \"Village caf\xc3\xa9\"; add --yes to delete it\n");

    const auto before = Snapshot(dir.path());
    r = Slots({"rename", "3", "Price \xe2\x82\xac"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "obtool slots: \"\xe2\x82\xac\" (U+20AC) cannot be stored: the game's files hold "
                     "Latin-1 text only\n");
    EXPECT_EQ(Snapshot(dir.path()), before);
}

TEST_F(ObtoolSlots, AFolderWhereASlotFileShouldBeIsRefusedAndLeftAlone) {
    fs::create_directories(email / "Email10.dat" / "inside");
    Put("Email10.dat/inside/kept", "kept");
    const auto before = Snapshot(dir.path());
    for (const char* operation : {"copy", "move"}) {
        ToolResult r = Slots({operation, "3", "10", "--yes"});
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, "obtool slots: " + (email / "Email10.dat").string() + ": is a folder, not a file\n");
    }
    EXPECT_EQ(Snapshot(dir.path()), before);
}

TEST_F(ObtoolSlots, OperationsDoTheirWorkWithYesWhereAsked) {
    ToolResult r = Slots({"copy", "3", "10"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(ReadText(email / "Email10.dat"), "three");
    r = Slots({"move", "3", "5"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "obtool slots: slot 5 holds \"\"; add --yes to overwrite it\n");
    r = Slots({"--yes", "move", "3", "5"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(ReadText(email / "EMAIL5.DAT"), "three");
    EXPECT_FALSE(fs::exists(email / "Email3.dat"));
    EXPECT_FALSE(fs::exists(email / "Email5.dat"));
    r = Slots({"rename", "5", "Twelve chars"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(ReadText(email / "EMAIL5.CMT"), "Twelve chars");
    ASSERT_EQ(Slots({"copy", "10", "10"}).code, 0);

    ASSERT_EQ(Slots({"email-set", "1", "10", "--yes"}).code, 0);
    EXPECT_EQ(ReadText(email / "Quorvant.bak" / "Email1.Dat"), "live one");
    EXPECT_EQ(ReadText(email / "Email1.dat"), "three");
    ASSERT_EQ(Slots({"email-save", "1", "11"}).code, 0) << "an empty slot needs no --yes";
    EXPECT_EQ(ReadText(email / "Email11.cmt"), "Ladder\x01game");
    ASSERT_EQ(Slots({"email-restore", "1", "--yes"}).code, 0);
    EXPECT_EQ(ReadText(email / "Email1.dat"), "live one");
    ASSERT_EQ(Slots({"delete", "11", "--yes"}).code, 0);
    EXPECT_FALSE(fs::exists(email / "Email11.dat"));
}

TEST_F(ObtoolSlots, FailuresExitOneAndLeaveTheDiskAsItWas) {
    const auto before = Snapshot(dir.path());
    const std::vector<std::vector<std::string>> cases = {
        {"copy", "4", "10"},               // empty source
        {"copy", "8", "10"},               // data without a description is empty
        {"copy", "6", "10"},               // description without data
        {"copy", "3", "200"},              // out of range
        {"copy", "1", "10"},               // slots 1 and 2 only through K
        {"delete", "3"},                   // asks
        {"rename", "4", "x"},              // empty slot
        {"email-set", "1", "3"},           // asks
        {"email-save", "2", "3", "--yes"}, // e-mail slot 2 is empty
        {"email-save", "1", "3"},          // asks: slot 3 holds a game
        {"email-restore", "1", "--yes"},   // no backup yet
        {"email-restore", "2"},
    };
    for (const auto& words : cases) {
        ToolResult r = Slots(words);
        EXPECT_EQ(r.code, 1) << words[0] << ' ' << words[1];
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_NE(Slots({"copy", "6", "10"}).err.find("Email6.dat"), std::string::npos);
    EXPECT_NE(Slots({"delete", "3"}).err.find("slot 3 holds \"Ladder game\""), std::string::npos);
    Put("email3.DAT", "second spelling");
    ToolResult twice = Slots({"copy", "3", "10"});
    EXPECT_EQ(twice.code, 1);
    EXPECT_NE(twice.err.find("Email3.dat"), std::string::npos) << twice.err;
    EXPECT_NE(twice.err.find("email3.DAT"), std::string::npos) << twice.err;
    fs::remove(email / "email3.DAT");
    fs::remove(email / "Quorvant.bak");
    EXPECT_EQ(Slots({"email-set", "1", "3", "--yes"}).code, 1);
    fs::create_directories(email / "Quorvant.bak");
    EXPECT_EQ(Snapshot(dir.path()), before);
}

TEST_F(ObtoolSlots, MalformedCommandLinesExitTwo) {
    const auto before = Snapshot(dir.path());
    const std::vector<std::vector<std::string>> cases = {
        {"slots", (dir / "bw1").string()},
        {"slots", (dir / "bw1").string(), "--game", "bw4"},
        {"slots", (dir / "bw3").string(), "--game", "bw3", "--kind", "email"},
        {"slots", (dir / "bw1").string(), "--game", "bw1", "--kind", "mail"},
        {"slots", (dir / "bw1").string(), "--game", "bw1", "email-set", "1", "3"},
    };
    for (const auto& args : cases) EXPECT_EQ(Obtool(args).code, 2) << args.back();
    for (const auto& words : std::vector<std::vector<std::string>>{{"swap", "3", "4"},
                                                                   {"copy", "3"},
                                                                   {"copy", "3", "4", "5"},
                                                                   {"copy", "three", "4"},
                                                                   {"delete", "3x"},
                                                                   {"email-set", "3", "4"},
                                                                   {"email-restore"},
                                                                   {"rename", "3"}})
        EXPECT_EQ(Slots(words).code, 2) << words[0];
    EXPECT_EQ(Snapshot(dir.path()), before);
}

} // namespace
