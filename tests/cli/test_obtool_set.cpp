#include "cli_test_support.h"
#include "obdata/quorvantdoc.h"
#include "tests/core/obfile_builder.h"

using namespace quorvant;
using namespace quorvant::testing;

namespace {

std::vector<std::string> SetArgs(const std::filesystem::path& file, const std::string& table,
                                 const std::string& slot, const std::string& field,
                                 const std::string& value) {
    return {"set", file.string(), "--table", table, "--slot", slot, "--field", field, "--value", value};
}

// The offsets where two images differ.
std::vector<std::size_t> Differences(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i)
        if (i >= a.size() || i >= b.size() || a[i] != b[i]) at.push_back(i);
    return at;
}

OBFileBuilder SampleBW2() {
    OBFileBuilder b = OBFileBuilder::BW2();
    b.column(25000, 1, 31).unitName(1, "Tank").unitName(5, "Jeep").column(24750, 5, 120);
    b.column(24250, 5, 60).column(24500, 5, 90); // Jeep's dates
    b.formationName(2, "Coy");
    return b;
}

} // namespace

TEST(ObtoolSet, ChangesOneFieldInPlaceOrIntoAnotherFile) {
    TempFolder dir;
    auto file = dir / "MOB31";
    WriteBytes(file, SampleBW2().bytes());
    const auto before = ReadBytes(file);

    ToolResult r = Obtool(SetArgs(file, "units", "5", "Cost", "130"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "units slot 5 Cost: 120 -> 130\n");
    EXPECT_EQ(Differences(before, ReadBytes(file)), std::vector<std::size_t>{24750 + 5});
    EXPECT_EQ(ReadBytes(file)[24750 + 5], 130);

    auto copy = dir / "copy";
    r = Obtool({"set", file.string(), "--table=units", "--slot=5", "--field=Wpn[2]", "--value=17", "-o",
                copy.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Differences(ReadBytes(file), ReadBytes(copy)), std::vector<std::size_t>{14000 + 5 * 4 + 2});

    r = Obtool(SetArgs(file, "formations", "2", "Units[1]", "1004"));
    ASSERT_EQ(r.code, 0) << r.err;
    auto after = ReadBytes(file);
    EXPECT_EQ(after[38500 + 2 * 20 + 2] | (after[38500 + 2 * 20 + 3] << 8), 1004);

    r = Obtool(SetArgs(file, "weapons", "0", "HEAT", "255"));
    ASSERT_EQ(r.code, 0) << r.err; // slot 0 is a slot like any other
    EXPECT_EQ(ReadBytes(file)[6750], 255);
}

TEST(ObtoolSet, EveryRefusalLeavesTheFileAsItWas) {
    TempFolder dir;
    auto file = dir / "MOB31";
    WriteBytes(file, SampleBW2().bytes());
    auto bw3 = dir / "KOB70";
    WriteBytes(bw3, OBFileBuilder::BW3().column(25000, 1, 70).formationName(0, "HQ").bytes());
    auto bw1 = dir / "OBPZ";
    WriteBytes(bw1, OBFileBuilder::BW1().formationName(1, "Plt").bytes());
    const auto bw2Bytes = ReadBytes(file);
    const auto bw3Bytes = ReadBytes(bw3);
    const auto bw1Bytes = ReadBytes(bw1);

    struct Case {
        std::filesystem::path file;
        std::vector<std::string> args;
    };
    const std::vector<Case> cases = {
        {file, SetArgs(file, "units", "250", "Cost", "1")},
        {file, SetArgs(file, "units", "-1", "Cost", "1")},
        {file, SetArgs(file, "units", "five", "Cost", "1")},
        {file, SetArgs(file, "units", "5", "Price", "1")},
        {file, SetArgs(file, "units", "5", "Wpn", "1")},    // an array needs an element
        {file, SetArgs(file, "units", "5", "Wpn[4]", "1")}, // past its end
        {file, SetArgs(file, "units", "5", "Wpn[x]", "1")},
        {file, SetArgs(file, "units", "5", "Cost[0]", "1")}, // not an array
        {file, SetArgs(file, "units", "5", "Cost", "256")},
        {file, SetArgs(file, "units", "5", "Cost", "-1")},
        {file, SetArgs(file, "units", "5", "Cost", "12abc")},
        {file, SetArgs(file, "units", "5", "Cost", "")},
        {file, SetArgs(file, "units", "5", "SideView", "65536")},
        {file, SetArgs(file, "units", "5", "Name", "Sixteen chars!!!")},
        {file, SetArgs(file, "units", "5", "Name", "Euro \xe2\x82\xac")}, // beyond Latin-1
        {file, SetArgs(file, "units", "5", "Name", "bad \xff utf8")},
        {file, SetArgs(file, "units", "5", "Name", "tab\there")},
        {file, SetArgs(file, "weapons", "5", "Generation", "2")}, // not kept in the file
        {file, SetArgs(file, "units", "5", "Nationality", "3")},  // a BW2 file has one nation
        {file, SetArgs(file, "formations", "2", "Country", "3")},
        {file, SetArgs(file, "units", "7", "Available", "60")},      // a blank slot has no dates
        {file, SetArgs(file, "formations", "0", "UnitStr[0]", "3")}, // would turn the file into BW3
        {bw3, SetArgs(bw3, "formations", "0", "UnitStr[0]", "0")},   // would turn it into BW2
        {bw1, SetArgs(bw1, "formations", "1", "AvailMon", "4")},     // not in a BW1 file
        {bw1, SetArgs(bw1, "formations", "1", "Units[0]", "256")},   // one byte in BW1
        {file,
         {"set", file.string(), "--table", "units", "--slot", "5", "--field", "Cost", "--value", "1", "-o",
          dir.path().string()}}, // the output is a folder
    };
    for (const Case& c : cases) {
        ToolResult r = Obtool(c.args);
        EXPECT_EQ(r.code, 1) << ::testing::PrintToString(c.args);
        EXPECT_NE(r.err.find("nothing written"), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    EXPECT_EQ(ReadBytes(file), bw2Bytes);
    EXPECT_EQ(ReadBytes(bw3), bw3Bytes);
    EXPECT_EQ(ReadBytes(bw1), bw1Bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

TEST(ObtoolSet, NamesFillEmptySlotsEmptyThemAndTakeLatin1) {
    TempFolder dir;
    auto file = dir / "MOB31";
    OBFileBuilder b = SampleBW2();
    b.column(24250, 7, 77); // a date byte under the empty slot 7: the reader ignores it
    WriteBytes(file, b.bytes());

    ToolResult r = Obtool(SetArgs(file, "units", "7", "Name", "Sch\xc3\xbctze"));
    ASSERT_EQ(r.code, 0) << r.err;
    CQuorvantDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(file));
    EXPECT_EQ(doc.Units[7].Name.view(), "Sch\xfctze        "); // Latin-1 byte, padded as the reader holds it
    EXPECT_EQ(doc.Units[7].Available, 0);                      // the slot now has dates, and they are 0
    EXPECT_EQ(ReadBytes(file)[9250 + 7 * 15 + 3], 0xFC);

    r = Obtool(SetArgs(file, "units", "5", "Name", ""));
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_TRUE(doc.OnOpenDocument(file));
    EXPECT_TRUE(doc.Units[5].Name.empty());
    EXPECT_EQ(doc.Units[5].Cost, 120); // the rest of the slot is kept
    EXPECT_EQ(ReadBytes(file)[9250 + 5 * 15], 0);

    r = Obtool(SetArgs(file, "units", "1", "Name", " Reserve"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("blank slot"), std::string::npos);
    ASSERT_TRUE(doc.OnOpenDocument(file));
    EXPECT_EQ(doc.Units[1].Name.view(), " Reserve       ");
    EXPECT_EQ(doc.FileNation, 31);

    r = Obtool(SetArgs(file, "formations", "2", "Name", "Exactly15chars!"));
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_TRUE(doc.OnOpenDocument(file));
    EXPECT_EQ(doc.Formations[2].Name.view(), "Exactly15chars!");
}
