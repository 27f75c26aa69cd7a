#include "cli_test_support.h"
#include "demo/demopictures.h"
#include "pictures/bmpimage.h"
#include "pictures/lbmdecoder.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// A width x height bitmap of the demo pictures' sky and ground colours, as they decode.
std::vector<std::uint8_t> SkyAndGroundBmp(std::uint32_t width, std::uint32_t height) {
    std::vector<Rgb> pixels(std::size_t{width} * height, Rgb{0x99, 0xBB, 0xDD});
    std::fill(pixels.begin() + static_cast<std::ptrdiff_t>(pixels.size() / 2), pixels.end(),
              Rgb{0x77, 0x66, 0x44});
    return BuildTrueColourBmp(width, height, pixels);
}

TEST(ObtoolLbmImport, WritesThePictureLikeTheOneGivenOrTheFamilysFirstAndSaysWhatItWrote) {
    TempFolder dir;
    ASSERT_EQ(Obtool({"demo", (dir / "game").string()}).code, 0);
    WriteBytes(dir / "in.bmp", SkyAndGroundBmp(20, 10));
    struct Case {
        std::vector<std::string> target;
        std::string summary;
    } cases[] = {
        {{"--like", (dir / "game" / "bw1" / "pic" / "P0002.lbm").string()},
         "20 x 10, ILBM, 4 planes, colour error mean 0.00, worst 0.00"},
        {{"--family", "bw2", "--game-folder", (dir / "game" / "bw2").string(), "--dither"},
         "20 x 10, PBM, 8 planes, colour error mean 0.00, worst 0.00"},
    };
    for (const Case& c : cases) {
        const std::string out = (dir / "out.lbm").string();
        std::vector<std::string> args = {"lbm", "import", (dir / "in.bmp").string(), out};
        args.insert(args.end(), c.target.begin(), c.target.end());
        args.push_back("--yes");
        ToolResult r = Obtool(args);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, out + ": " + c.summary + "\n");
        std::string reason;
        std::optional<std::vector<std::uint8_t>> bmp = lbm2bmp(fs::path(out), reason);
        ASSERT_TRUE(bmp) << reason;
        EXPECT_EQ((*bmp)[18] + 256u * (*bmp)[19], 20u);
        EXPECT_EQ((*bmp)[22] + 256u * (*bmp)[23], 10u);
    }
}

TEST(ObtoolLbmImport, ATransparentColourIsTakenWhenTheModelPictureHasOne) {
    TempFolder dir;
    ASSERT_EQ(Obtool({"demo", (dir / "game").string()}).code, 0);
    std::vector<std::uint8_t> like = ReadBytes(dir / "game" / "bw1" / "pic" / "P0002.lbm");
    const char tag[] = "BMHD";
    const auto bmhd = std::search(like.begin(), like.end(), tag, tag + 4);
    ASSERT_NE(bmhd, like.end());
    const auto masking = static_cast<std::size_t>(bmhd - like.begin()) + 8 + 9;
    like[masking] = kLbmTransparentColour;
    WriteBytes(dir / "masked.lbm", like);
    WriteBytes(dir / "in.bmp", SkyAndGroundBmp(20, 10));
    const std::string out = (dir / "out.lbm").string();
    ToolResult r = Obtool({"lbm", "import", (dir / "in.bmp").string(), out, "--like",
                           (dir / "masked.lbm").string(), "--transparent", "#99bbdd"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, out + ": 20 x 10, ILBM, 4 planes, colour error mean 0.00, worst 0.00\n");
    std::string reason;
    std::optional<LbmLayout> layout = ReadLbmLayout(fs::path(out), reason);
    ASSERT_TRUE(layout) << reason;
    EXPECT_EQ(layout->header.masking, kLbmTransparentColour);
}

TEST(ObtoolLbmImport, RefusalsSayWhyAndLeaveTheOutputAlone) {
    TempFolder dir;
    ASSERT_EQ(Obtool({"demo", (dir / "game").string()}).code, 0);
    const std::string like = (dir / "game" / "bw1" / "pic" / "P0001.lbm").string();
    WriteBytes(dir / "in.bmp", SkyAndGroundBmp(20, 10));
    WriteBytes(dir / "wide.bmp", SkyAndGroundBmp(161, 10));
    WriteBytes(dir / "text.png", {'n', 'o', 't'});
    WriteBytes(dir / "out.lbm", {1, 2, 3});
    fs::create_directories(dir / "empty");
    const std::string in = (dir / "in.bmp").string(), out = (dir / "out.lbm").string(),
                      fresh = (dir / "fresh.lbm").string();
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string says;
    } cases[] = {
        {{in, out, "--like", like}, 1, "exists; give --yes"},
        {{(dir / "wide.bmp").string(), fresh, "--like", like}, 1, "at most 160 x 80"},
        {{(dir / "text.png").string(), fresh, "--like", like}, 1, "not a PNG or BMP picture"},
        {{(dir / "none.png").string(), fresh, "--like", like}, 1, "none.png"},
        {{in, fresh, "--like", (dir / "text.png").string()}, 1, "not an IFF file"},
        {{in, fresh, "--family", "bw2", "--game-folder", (dir / "empty").string()}, 1, "no BW2 pictures in"},
        {{in, fresh}, 2, "either --like"},
        {{in, fresh, "--like", like, "--family", "bw1"}, 2, "either --like"},
        {{in, fresh, "--family", "bw1"}, 2, "--game-folder"},
        {{in, fresh, "--family", "bw4", "--game-folder", dir.path().string()}, 2, "bw3-wwii"},
        {{in, "--like", like}, 2, "missing argument"},
        {{in, fresh, "--like", like, "--transparent", "99BBDD"}, 1, "have no transparent colour"},
        {{in, fresh, "--like", like, "--transparent", "sky"}, 2, "as RRGGBB, not sky"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"lbm", "import"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        ToolResult r = Obtool(args);
        EXPECT_EQ(r.code, c.code) << c.says;
        EXPECT_EQ(r.out, "") << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(fresh)) << c.says;
        EXPECT_EQ(ReadBytes(out), (std::vector<std::uint8_t>{1, 2, 3})) << c.says;
    }
    EXPECT_EQ(Obtool({"lbm", "export", in, out}).code, 2);
}

} // namespace
} // namespace quorvant::testing
