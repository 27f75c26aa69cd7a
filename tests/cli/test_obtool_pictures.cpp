#include "cli_test_support.h"
#include "demo/demopictures.h"

#include <gtest/gtest.h>

namespace quorvant::testing {
namespace {

namespace fs = std::filesystem;

// A BW1 OB file with units in slots 0 and 4, both using picture 7, and one using picture 65535.
std::vector<std::uint8_t> OBPZ() {
    std::vector<std::uint8_t> b(38500, 0);
    auto name = [&](int slot, std::string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i)
            b[9250 + 15 * slot + i] = static_cast<std::uint8_t>(text[i]);
    };
    name(0, "Tiger   ");
    b[25250] = 7;
    b[25000] = 11;
    name(4, "Pak 40");
    b[25250 + 8] = 7;
    b[24250 + 4] = 41;
    name(5, "Odd");
    b[25250 + 10] = b[25250 + 11] = 0xFF;
    return b;
}

TEST(ObtoolLbm2Bmp, WritesTheDecodedBitmapAndRefusesABadFileLeavingTheOutputAlone) {
    TempFolder dir;
    std::vector<std::uint8_t> lbm = demo::DemoPicture(1, true);
    WriteBytes(dir / "P0001.lbm", lbm);
    ToolResult ok = Obtool({"lbm2bmp", (dir / "p0001.LBM").string(), (dir / "out.bmp").string()});
    EXPECT_EQ(ok.code, 0) << ok.err;
    EXPECT_EQ(ok.err, "");
    std::vector<std::uint8_t> bmp = ReadBytes(dir / "out.bmp");
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');

    lbm.resize(lbm.size() - 40);
    WriteBytes(dir / "cut.lbm", lbm);
    ToolResult bad = Obtool({"lbm2bmp", (dir / "cut.lbm").string(), (dir / "out.bmp").string()});
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("longer than the file"), std::string::npos) << bad.err;
    EXPECT_EQ(ReadBytes(dir / "out.bmp"), bmp);

    ToolResult missing = Obtool({"lbm2bmp", (dir / "none.lbm").string(), (dir / "new.bmp").string()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(fs::exists(dir / "new.bmp"));
    EXPECT_EQ(Obtool({"lbm2bmp", (dir / "P0001.lbm").string()}).code, 2);
}

TEST(ObtoolXref, PrintsOneTabSeparatedLinePerReferenceInScanOrder) {
    TempFolder dir;
    WriteBytes(dir / "obpz", OBPZ());
    ToolResult all = Obtool({"xref", dir.path().string(), "--family", "bw1"});
    ASSERT_EQ(all.code, 0) << all.err;
    EXPECT_EQ(all.err, "");
    std::istringstream lines(all.out);
    std::string first, second, third, extra;
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, third);
    EXPECT_FALSE(std::getline(lines, extra));
    EXPECT_EQ(first.substr(0, 10), "7\t1\tTiger\t");
    EXPECT_EQ(second.substr(0, 11), "7\t5\tPak 40\t");
    EXPECT_EQ(third.substr(0, 12), "65535\t6\tOdd\t");
    EXPECT_EQ(std::count(first.begin(), first.end(), '\t'), 6);

    ToolResult seven = Obtool({"xref", dir.path().string(), "--family", "bw1", "--picture", "7"});
    EXPECT_EQ(seven.out, first + "\n" + second + "\n");
    EXPECT_EQ(Obtool({"xref", dir.path().string(), "--family", "bw1", "--picture", "65535"}).out,
              third + "\n");
    EXPECT_EQ(Obtool({"xref", dir.path().string(), "--family", "bw1", "--picture", "8"}).out, "");
    // The BW1 file belongs to no other family.
    EXPECT_EQ(Obtool({"xref", dir.path().string(), "--family", "bw2"}).out, "");
}

TEST(ObtoolXref, RefusesBadArgumentsOnStderr) {
    TempFolder dir;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"xref", dir.path().string()},
             {"xref", dir.path().string(), "--family", "bw4"},
             {"xref", dir.path().string(), "--family", "bw1", "--picture", "65536"},
             {"xref", dir.path().string(), "--family", "bw1", "--picture", "-1"},
             {"xref", dir.path().string(), "--family", "bw1", "--picture", "7x"}}) {
        ToolResult r = Obtool(args);
        EXPECT_EQ(r.code, 2) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(r.err.empty());
    }
    ToolResult none = Obtool({"xref", (dir / "missing").string(), "--family", "bw1"});
    EXPECT_EQ(none.code, 1);
    EXPECT_NE(none.err.find("no such folder"), std::string::npos);
}

TEST(ObtoolDemo, PicturesAreNamedInEachGenerationsFormsAndDecode) {
    TempFolder dir;
    ASSERT_EQ(Obtool({"demo", (dir / "game").string()}).code, 0);
    fs::path game = dir / "game";
    EXPECT_TRUE(fs::exists(game / "bw1" / "pic" / "P0001.lbm"));
    EXPECT_FALSE(fs::exists(game / "bw1" / "pic" / "PM00001.lbm"));
    EXPECT_TRUE(fs::exists(game / "bw2" / "pic" / "PM00002.lbm"));
    EXPECT_TRUE(fs::exists(game / "bw3" / "pic" / "PM00040.lbm"));
    EXPECT_TRUE(fs::exists(game / "bw3" / "pic" / "P0040.lbm"));
    EXPECT_FALSE(fs::exists(game / "bw3" / "pic" / "P0009.lbm"));
    for (const char* file : {"P0001.lbm", "P0002.lbm"})
        EXPECT_EQ(Obtool({"lbm2bmp", (game / "bw1" / "pic" / file).string(), (dir / "x.bmp").string()}).code,
                  0);
    // Every demo unit's picture number is one the demo draws or leaves out on purpose.
    ToolResult refs = Obtool({"xref", (game / "bw2").string(), "--family", "bw2"});
    ASSERT_EQ(refs.code, 0);
    EXPECT_FALSE(refs.out.empty());
    std::istringstream lines(refs.out);
    for (std::string line; std::getline(lines, line);) {
        int number = std::stoi(line.substr(0, line.find('\t')));
        EXPECT_GE(number, 1);
        EXPECT_LE(number, 40);
        EXPECT_EQ(
            fs::exists(game / "bw2" / "pic" /
                       (std::string("PM000") + (number < 10 ? "0" : "") + std::to_string(number) + ".lbm")),
            !demo::IsMissingDemoPicture(number));
    }
}

} // namespace
} // namespace quorvant::testing
