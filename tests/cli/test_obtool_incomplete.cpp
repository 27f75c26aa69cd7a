#include "cli_test_support.h"
#include "tests/core/obfile_builder.h"

using namespace quorvant;
using namespace quorvant::testing;

// A text file or a truncated OB file opens, but nothing rewrites it as a complete OB file unasked.
TEST(ObtoolIncompleteFile, InfoSaysSoAndRewritesNeedYes) {
    TempFolder dir;
    const auto file = dir / "passwd";
    const std::vector<std::uint8_t> text(1221, 'r');
    WriteBytes(file, text);

    ToolResult info = Obtool({"info", file.string()});
    ASSERT_EQ(info.code, 0) << info.err;
    EXPECT_NE(info.out.find("\nsize: 1221 bytes (incomplete: a BW1 file has 38500)\n"), std::string::npos)
        << info.out;

    const std::vector<std::string> set = {"set", file.string(), "--table", "weapons", "--slot",
                                          "3",   "--field",     "HEAT",    "--value", "7"};
    ToolResult refused = Obtool(set);
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("--yes"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadBytes(file), text);

    std::filesystem::create_directories(dir / "csv");
    WriteBytes(dir / "csv" / "passwdWEP.csv", {'x', '\r', '\n'});
    refused = Obtool({"import", file.string(), "--from", (dir / "csv").string(), "--sections", "weapons"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(ReadBytes(file), text);

    std::vector<std::string> confirmed = set;
    confirmed.push_back("--yes");
    ToolResult done = Obtool(confirmed);
    ASSERT_EQ(done.code, 0) << done.err;
    EXPECT_EQ(ReadBytes(file).size(), 38500u);
    EXPECT_EQ(Obtool({"info", file.string()}).out.find("size:"), std::string::npos);
}

TEST(ObtoolIncompleteFile, CompleteFilesNeedNoYesAndTheFlagTakesNoValue) {
    TempFolder dir;
    const auto file = dir / "OBPZ";
    WriteBytes(file, OBFileBuilder::BW1().unitName(1, "Tiger").bytes());
    EXPECT_EQ(Obtool({"info", file.string()}).out.find("size:"), std::string::npos);
    std::vector<std::string> set = {"set", file.string(), "--table", "units",   "--slot",
                                    "1",   "--field",     "Cost",    "--value", "12"};
    ToolResult r = Obtool(set);
    EXPECT_EQ(r.code, 0) << r.err;
    set.push_back("--yes=1");
    EXPECT_EQ(Obtool(set).code, 2);
}
