#include "cli_test_support.h"
#include "tests/core/obfile_builder.h"

using namespace quorvant::testing;

namespace {

// "Königstiger" as the game's files hold it and as obtool speaks it.
constexpr const char* kLatin1Name = "K\xf6nigstiger";
constexpr const char* kUtf8Name = "K\xc3\xb6nigstiger";
const std::string kEuroRefused =
    "\"\xe2\x82\xac\" (U+20AC) cannot be stored: the game's files hold Latin-1 text only";

// A BW1 menu file whose unit 1 has a Latin-1 name, side picture 15 and a weapon naming an empty slot.
OBFileBuilder Sample() {
    OBFileBuilder b = OBFileBuilder::BW1().unitName(1, kLatin1Name);
    b.put16(25250 + 2 * 1, 15).column(14000, 1, 117, 4, 2).column(15000, 1, 12, 8, 4);
    return b;
}

} // namespace

TEST(ObtoolEncoding, GameTextGoesInAndComesOutAsUtf8) {
    TempFolder dir;
    WriteBytes(dir / "OBPZ", Sample().bytes());
    WriteBytes(dir / "renamed", Sample().bytes());
    ToolResult set = Obtool({"set", (dir / "renamed").string(), "--table", "units", "--slot", "1", "--field",
                             "Name", "--value", "K\xc3\xb6nigstiger \xc3\x9c"});
    ASSERT_EQ(set.code, 0) << set.err;
    EXPECT_EQ(set.out, std::string("units slot 1 Name: \"") + kUtf8Name + "    \" -> \"" + kUtf8Name +
                           " \xc3\x9c  \"\n");
    const std::vector<std::uint8_t> bytes = ReadBytes(dir / "renamed");
    EXPECT_EQ(std::string(bytes.begin() + 9250 + 15, bytes.begin() + 9250 + 28), "K\xf6nigstiger \xdc");

    const std::string folder = dir.path().string();
    struct Case {
        std::vector<std::string> args;
        std::string line; // a line of the output
    };
    const std::vector<Case> cases = {
        {{"diff", (dir / "OBPZ").string(), (dir / "renamed").string()},
         std::string("units\t1\t") + kUtf8Name + "\tName\t" + kUtf8Name + "\t" + kUtf8Name + " \xc3\x9c\n"},
        {{"find", folder, "--game", "bw1", "k\xc3\xb6nigs"},
         std::string("OBPZ\tunits\t1\t") + kUtf8Name + "\n"},
        {{"check", (dir / "OBPZ").string()},
         std::string("units\t1\t") + kUtf8Name +
             "\tweapon 3 names empty weapon slot 117 but carries 12 HE rounds\n"},
        {{"xref", folder, "--family", "bw1"}, std::string("15\t2\t") + kUtf8Name + "\t"},
        {{"dump", (dir / "OBPZ").string()}, std::string("\"Name\": \"") + kUtf8Name + "    \""},
    };
    for (const Case& c : cases) {
        ToolResult r = Obtool(c.args);
        EXPECT_NE(r.out.find(c.line), std::string::npos) << c.args[0] << ":\n" << r.out << r.err;
    }
}

TEST(ObtoolEncoding, ACharacterLatin1CannotHoldIsRefusedByName) {
    TempFolder dir;
    WriteBytes(dir / "OBPZ", Sample().bytes());
    const std::vector<std::uint8_t> before = ReadBytes(dir / "OBPZ");
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"set", (dir / "OBPZ").string(), "--table", "units", "--slot", "1", "--field", "Name", "--value",
          "Tiger \xe2\x82\xac"},
         "obtool: " + kEuroRefused + "; nothing written\n"},
        {{"find", dir.path().string(), "--game", "bw1", "\xe2\x82\xac"}, "obtool: " + kEuroRefused + "\n"},
        {{"find", dir.path().string(), "--game", "bw1", "bad \xff"}, "obtool: the text is not valid UTF-8\n"},
    };
    for (const Case& c : cases) {
        ToolResult r = Obtool(c.args);
        EXPECT_EQ(r.code, 1) << c.args[0];
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(ReadBytes(dir / "OBPZ"), before);
}
