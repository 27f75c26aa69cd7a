#include "cli_test_support.h"
#include "tests/core/obfile_builder.h"

using namespace quorvant::testing;

// A script reads the exit code and the two streams; each wrong folder is named on stderr, exit 1.
TEST(ObtoolFolders, AMissingFolderOrOneWithoutTheFamilysFilesIsNamedAndExitsOne) {
    TempFolder dir;
    const std::string missing = (dir / "missing").string();
    const std::string empty = (dir / "empty").string();
    const std::string bw2 = (dir / "bw2").string();
    std::filesystem::create_directories(empty);
    std::filesystem::create_directories(dir / "bw2" / "MOB01"); // a folder is no OB file
    WriteBytes(dir / "bw2" / "mob00", OBFileBuilder::BW2().unitName(1, "Leopard").bytes());
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"xref", missing, "--family", "bw1"}, "obtool: " + missing + ": no such folder\n"},
        {{"xref", empty, "--family", "bw1"}, "obtool: no BW1 OB files in " + empty + "\n"},
        {{"xref", bw2, "--family", "bw3-modern"}, "obtool: no BW3 Modern OB files in " + bw2 + "\n"},
        {{"xref", empty, "--family", "bw3-wwii"}, "obtool: no BW3 WWII OB files in " + empty + "\n"},
        {{"find", missing, "--game", "bw2", "Leo"}, "obtool: " + missing + ": no such folder\n"},
        {{"find", empty, "--game", "bw2", "Leo"}, "obtool: no BW2 OB files in " + empty + "\n"},
        {{"find", bw2, "--game", "bw3", "Leo"}, "obtool: no BW3 OB files in " + bw2 + "\n"},
    };
    for (const Case& c : cases) {
        ToolResult r = Obtool(c.args);
        EXPECT_EQ(r.code, 1) << c.args[0] << ' ' << c.args[1];
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(Obtool({"xref", bw2, "--family", "bw2"}).code, 0);
    EXPECT_EQ(Obtool({"find", bw2, "--game", "bw2", "Leo"}).out, "mob00\tunits\t1\tLeopard\n");
}
