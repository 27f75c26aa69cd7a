#include "cli_test_support.h"
#include "tests/core/obfile_builder.h"

using namespace quorvant;
using namespace quorvant::testing;

namespace {

constexpr std::size_t kCost = 24750;      // BW2 units' Cost column
constexpr std::size_t kAvailable = 24250; // and their first availability

// BW2 nation 31: units 1 Tank (cost 120, 1944), 2 Tank HQ (250, 1962), 3 Jeep (15, 1960); 4 blank.
std::vector<std::uint8_t> Sample() {
    OBFileBuilder b = OBFileBuilder::BW2();
    b.column(25000, 1, 31).unitName(1, "Tank").unitName(2, "Tank HQ").unitName(3, "Jeep");
    b.column(kCost, 1, 120).column(kCost, 2, 250).column(kCost, 3, 15).column(kCost, 4, 99);
    b.column(kAvailable, 1, 44).column(kAvailable, 2, 62).column(kAvailable, 3, 60);
    return b.bytes();
}

std::vector<std::string> SetWhere(const std::filesystem::path& file, const std::string& where,
                                  std::vector<std::string> change) {
    std::vector<std::string> args = {"set", file.string(), "--table", "units", "--where", where};
    args.insert(args.end(), change.begin(), change.end());
    return args;
}

} // namespace

TEST(ObtoolSetWhere, ChangesEveryMatchingNamedRecordAndPrintsItsLine) {
    TempFolder dir;
    auto file = dir / "MOB31";
    struct Case {
        std::string where;
        std::vector<std::string> change;
        std::string out;
        std::string err;
        std::vector<int> costs; // units 1-4 after
    };
    const std::vector<Case> cases = {
        {"Cost > 120",
         {"--field", "Cost", "--value", "130"},
         "units slot 2 Cost: 250 -> 130\n",
         "",
         {120, 130, 15, 99}},
        {"Name ~ tank",
         {"--field", "cost", "--times", "1.1"},
         "units slot 1 Cost: 120 -> 132\nunits slot 2 Cost: 250 -> 255\n",
         "obtool: 1 value held to the range of Cost\n",
         {132, 255, 15, 99}},
        {"Available < 1961",
         {"--field", "Cost", "--add", "-20"},
         "units slot 1 Cost: 120 -> 100\nunits slot 3 Cost: 15 -> 0\n",
         "obtool: 1 value held to the range of Cost\n",
         {100, 250, 0, 99}},
        {"not Name ~ HQ",
         {"--field", "Available", "--value", "1950"},
         "units slot 1 Available: 44 -> 50\nunits slot 3 Available: 60 -> 50\n",
         "",
         {120, 250, 15, 99}},
        {"Cost = 120",
         {"--field", "Cost", "--value", "120"},
         "",
         "obtool: every matching record holds that value already; nothing written\n",
         {120, 250, 15, 99}},
    };
    for (const Case& c : cases) {
        WriteBytes(file, Sample());
        ToolResult r = Obtool(SetWhere(file, c.where, c.change));
        ASSERT_EQ(r.code, 0) << c.where << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.where;
        EXPECT_EQ(r.err, c.err) << c.where;
        const auto bytes = ReadBytes(file);
        for (int s = 1; s <= 4; ++s) EXPECT_EQ(bytes[kCost + s], c.costs[s - 1]) << c.where << " unit " << s;
    }

    WriteBytes(file, Sample());
    auto copy = dir / "copy";
    ToolResult r =
        Obtool(SetWhere(file, "Cost > 100", {"--field", "Cost", "--add", "1", "-o", copy.string()}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(ReadBytes(file), Sample());
    EXPECT_EQ(ReadBytes(copy)[kCost + 1], 121);
}

TEST(ObtoolSetWhere, RefusesWithoutWritingAnything) {
    TempFolder dir;
    auto file = dir / "MOB31";
    WriteBytes(file, Sample());
    const std::string f = file.string();
    struct Case {
        std::vector<std::string> args;
        int code;
    };
    const std::vector<Case> cases = {
        {SetWhere(file, "Cost > 1000", {"--field", "Cost", "--add", "1"}), 1}, // no match
        {SetWhere(file, "Cost > 1", {"--field", "Price", "--add", "1"}), 1},
        {SetWhere(file, "Cost > 1", {"--field", "Cost", "--add", "ten"}), 1},
        {SetWhere(file, "Cost > 1", {"--field", "Unit Name", "--value", "x"}), 1},
        {SetWhere(file, "Cost > 1", {"--field", "Class", "--value", "Flying Saucer"}), 1},
        {SetWhere(file, "Cost > 1", {"--field", "Cost", "--slot", "1", "--add", "1"}), 2},
        {SetWhere(file, "Cost > 1", {"--field", "Cost", "--add", "1", "--times", "2"}), 2},
        {SetWhere(file, "Cost > 1", {"--field", "Cost"}), 2},
        {SetWhere(file, "Cost >", {"--field", "Cost", "--add", "1"}), 2},
        {SetWhere(file, "Cost > 1", {"--add", "1"}), 2},
        {{"set", f, "--table", "units", "--slot", "1", "--field", "Cost", "--add", "1"}, 2},
        {{"set", f, "--table", "tanks", "--where", "Cost > 1", "--field", "Cost", "--add", "1"}, 2},
    };
    for (const Case& c : cases) {
        ToolResult r = Obtool(c.args);
        EXPECT_EQ(r.code, c.code) << ::testing::PrintToString(c.args) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_EQ(ReadBytes(file), Sample());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(ObtoolFind, WhereKeepsTheSlotsAnExpressionHoldsFor) {
    TempFolder dir;
    WriteBytes(dir / "MOB31", Sample());
    const std::string folder = dir.path().string();
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"find", folder, "--game", "bw2", "--where", "Cost > 100"},
         0,
         "MOB31\tunits\t1\tTank\nMOB31\tunits\t2\tTank HQ\n"},
        {{"find", folder, "--game", "bw2", "HQ", "--where", "Cost > 100"}, 0, "MOB31\tunits\t2\tTank HQ\n"},
        {{"find", folder, "--game", "bw2", "--where", "Name ~ e", "--table", "units"},
         0,
         "MOB31\tunits\t3\tJeep\n"},
        {{"find", folder, "--game", "bw2", "--where", "Cost > 250"}, 1, ""},
        {{"find", folder, "--game", "bw2", "--where", "Cost >> 1"}, 2, ""},
        {{"find", folder, "--game", "bw2", "--where", "Cost > 1", "--table", "weapons"}, 2, ""},
        {{"find", folder, "--game", "bw2"}, 2, ""}, // TEXT may be left out only with --where
    };
    for (const Case& c : cases) {
        ToolResult r = Obtool(c.args);
        EXPECT_EQ(r.code, c.code) << ::testing::PrintToString(c.args) << r.err;
        EXPECT_EQ(r.out, c.out) << ::testing::PrintToString(c.args);
    }
}
