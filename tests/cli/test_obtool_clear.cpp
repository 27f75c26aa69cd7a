#include "cli_test_support.h"
#include "obdata/quorvantdoc.h"
#include "tests/core/obfile_builder.h"

using namespace quorvant;
using namespace quorvant::testing;

namespace {

// Weapon 7 is carried by unit 3; unit 4 is named by nothing.
OBFileBuilder Sample() {
    OBFileBuilder b = OBFileBuilder::BW2();
    b.column(25000, 1, 31).weaponName(7, "75mm").unitName(3, "Panther").unitName(4, "Tiger");
    b.column(14000, 3, 7, 4, 0).column(24750, 4, 120);
    return b;
}

std::vector<std::string> ClearArgs(const std::filesystem::path& file, const std::string& table,
                                   const std::string& slot) {
    return {"clear", file.string(), "--table", table, "--slot", slot};
}

} // namespace

TEST(ObtoolClear, RefusalsWriteNothing) {
    TempFolder dir;
    auto file = dir / "MOB31";
    WriteBytes(file, Sample().bytes());
    const auto bytes = ReadBytes(file);
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err;
    };
    const std::vector<Case> cases = {
        {ClearArgs(file, "weapons", "7"), 1,
         "obtool: Weapon 7 75mm is named by:\n  unit 3 Panther (weapon 1)\n"
         "obtool: give --yes to clear it; nothing written\n"},
        {ClearArgs(file, "units", "5"), 1, "obtool: units slot 5 is empty; nothing written\n"},
        {ClearArgs(file, "units", "250"), 1,
         "obtool: slot 250 is out of range: the units table has slots 0 to 249; nothing written\n"},
        {ClearArgs(file, "units", "x"), 1,
         "obtool: slot x is out of range: the units table has slots 0 to 249; nothing written\n"},
        {ClearArgs(file, "tanks", "4"), 2, "obtool: unknown table tanks (weapons, units or formations)\n"},
        {{"clear", file.string(), "--table", "units"}, 2, "obtool: clear needs --slot\n"},
    };
    for (const Case& c : cases) {
        ToolResult r = Obtool(c.args);
        EXPECT_EQ(r.code, c.code) << ::testing::PrintToString(c.args);
        EXPECT_EQ(r.err, c.err);
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    EXPECT_EQ(ReadBytes(file), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(ObtoolClear, ClearsInPlaceOrIntoAnotherFile) {
    TempFolder dir;
    auto file = dir / "MOB31";
    WriteBytes(file, Sample().bytes());
    const auto bytes = ReadBytes(file);

    auto copy = dir / "copy";
    ToolResult r =
        Obtool({"clear", file.string(), "--table", "weapons", "--slot", "7", "--yes", "-o", copy.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "weapons slot 7: cleared \"75mm\"; 1 records now name an empty slot\n");
    EXPECT_EQ(ReadBytes(file), bytes);

    r = Obtool(ClearArgs(file, "units", "4"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "units slot 4: cleared \"Tiger\"\n");
    CQuorvantDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(file));
    EXPECT_TRUE(doc.Units[4].Name.empty());
    EXPECT_EQ(doc.Units[4].Cost, 0);
    EXPECT_EQ(doc.FileNation, 31);
    ASSERT_TRUE(doc.OnOpenDocument(copy));
    EXPECT_TRUE(doc.Weapons[7].Name.empty());
}
