#include "cli_test_support.h"
#include "tests/core/obfile_builder.h"

using namespace quorvant;
using namespace quorvant::testing;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kUnitRecord = 2296;
constexpr std::size_t kFirstWeapon = 2408;

// Unit slot 3 "Tiger" costs 120 and carries weapon slots 7 and 8; the file's nation is 31.
OBFileBuilder SourceBW2() {
    OBFileBuilder b = OBFileBuilder::BW2();
    b.column(25000, 1, 31).unitName(3, "Tiger").column(24750, 3, 120);
    b.column(14000, 3, 7, 4, 0).column(14000, 3, 8, 4, 1).column(14000, 3, 8, 4, 2).column(14000, 3, 8, 4, 3);
    b.weaponName(7, "88mm KwK").column(4750, 7, 90, 2, 0).weaponName(8, "MG 34").column(6000, 8, 12);
    return b;
}

// Every weapon slot from 1 to 247 named but 40; weapon 8 "MG 34" as in the source, at slot 60.
OBFileBuilder TargetBW2() {
    OBFileBuilder b = OBFileBuilder::BW2();
    b.column(25000, 1, 17).unitName(1, "HQ").unitName(5, "Sherman   ");
    for (int s = 1; s <= 247; ++s)
        if (s != 40) b.weaponName(s, std::string("W").append(std::to_string(s)));
    b.weaponName(60, "MG 34").column(6000, 60, 12);
    return b;
}

struct Files {
    TempFolder dir;
    fs::path source = dir / "MOB31";
    fs::path target = dir / "MOB17";
    fs::path bw1 = dir / "OBPZ";
    Files() {
        WriteBytes(source, SourceBW2().bytes());
        WriteBytes(target, TargetBW2().bytes());
        WriteBytes(bw1, OBFileBuilder::BW1().unitName(2, "Panzer").bytes());
    }
};

std::vector<std::string> Block(const fs::path& file, const std::string& table, const std::string& slot) {
    return {"block", file.string(), "--table", table, "--slot", slot};
}

} // namespace

TEST(ObtoolTransfer, BlockWritesTheUnitWithItsWeaponsToStandardOutputOrAFile) {
    Files f;
    ToolResult r = Obtool(Block(f.source, "units", "3"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ASSERT_EQ(r.out.size(), 11560u);
    EXPECT_EQ(r.out.substr(kUnitRecord + 8, 16), std::string("Tiger          \0", 16));
    EXPECT_EQ(r.out[kUnitRecord + 74], '\x78'); // Cost 120
    EXPECT_EQ(r.out[kUnitRecord + 75], '\x1F'); // the file's nation
    EXPECT_EQ(r.out.substr(kFirstWeapon + 8, 9), std::string("88mm KwK ", 9));
    EXPECT_EQ(r.out[kFirstWeapon + 28], '\x5A'); // HEPen 90
    EXPECT_EQ(r.out.substr(kFirstWeapon + 3 * 2288 + 8, 5), "MG 34");

    auto out = f.dir / "tiger.blk";
    r = Obtool({"block", f.source.string(), "--table", "units", "--slot", "3", "-o", out.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(ReadText(out), Obtool(Block(f.source, "units", "3")).out);

    r = Obtool(Block(f.source, "weapons", "249"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, std::string(4, '\0') + '\x01' + std::string(2283, '\0')); // only the generation
}

TEST(ObtoolTransfer, PasteMatchesTheWeaponsAndReplacesANamedSlotOnlyWithYes) {
    Files f;
    auto blockFile = f.dir / "tiger.blk";
    ASSERT_EQ(
        Obtool({"block", f.source.string(), "--table=units", "--slot=3", "-o", blockFile.string()}).code, 0);
    const auto before = ReadBytes(f.target);

    std::vector<std::string> paste = {"paste", f.target.string(), "--table",         "units", "--slot",
                                      "5",     "--block",         blockFile.string()};
    ToolResult r = Obtool(paste);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "obtool: units slot 5 holds \"Sherman\"; give --yes to replace it; nothing written\n");
    EXPECT_EQ(ReadBytes(f.target), before);

    paste.push_back("--yes");
    r = Obtool(paste);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "Pasted unit slot 5 \"Tiger\": weapon 1 \"88mm KwK\" added at free slot 40 (was 7); weapon 2 "
              "\"MG 34\" found at slot 60 (was 8); weapon 3 \"MG 34\" found at slot 60 (was 8); weapon 4 "
              "\"MG 34\" found at slot 60 (was 8)\n");
    const auto after = ReadBytes(f.target);
    EXPECT_EQ(after[9250 + 5 * 15], 'T');
    EXPECT_EQ(after[24750 + 5], 120);
    EXPECT_EQ(std::vector<std::uint8_t>(after.begin() + 14020, after.begin() + 14024),
              (std::vector<std::uint8_t>{40, 60, 60, 60}));
    EXPECT_EQ(after[40 * 15], '8');
    EXPECT_EQ(after[4750 + 40 * 2], 90);

    // An empty slot is replaced without asking; the weapon now found in slot 40 takes no new slot.
    r = Obtool(
        {"paste", f.target.string(), "--table", "units", "--slot", "6", "--block", blockFile.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(ReadBytes(f.target)[14024], 40);
}

TEST(ObtoolTransfer, CopyDoesBlockAndPasteInOneStep) {
    Files f;
    auto viaCopy = f.dir / "copy";
    ToolResult r = Obtool({"copy", f.source.string(), "--table", "units", "--slot", "3", f.target.string(),
                           "--to", "5", "--yes", "-o", viaCopy.string()});
    ASSERT_EQ(r.code, 0) << r.err;

    auto blockFile = f.dir / "tiger.blk";
    auto viaPaste = f.dir / "paste";
    Obtool({"block", f.source.string(), "--table", "units", "--slot", "3", "-o", blockFile.string()});
    EXPECT_EQ(Obtool({"paste", f.target.string(), "--table", "units", "--slot", "5", "--block",
                      blockFile.string(), "--yes", "-o", viaPaste.string()})
                  .out,
              r.out);
    EXPECT_EQ(ReadBytes(viaCopy), ReadBytes(viaPaste));
    EXPECT_EQ(ReadBytes(f.target), TargetBW2().bytes());

    r = Obtool(
        {"copy", f.source.string(), "--table", "weapons", "--slot", "7", f.target.string(), "--to", "0"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "Pasted weapon slot 0 \"88mm KwK\"\n");
    EXPECT_EQ(ReadBytes(f.target)[0], '8');
}

TEST(ObtoolTransfer, EveryFailureSaysWhyAndLeavesEveryFileAsItWas) {
    Files f;
    auto unitBlock = f.dir / "unit.blk";
    auto shortBlock = f.dir / "short.blk";
    ASSERT_EQ(
        Obtool({"block", f.source.string(), "--table", "units", "--slot", "3", "-o", unitBlock.string()})
            .code,
        0);
    auto bytes = ReadBytes(unitBlock);
    WriteBytes(shortBlock, std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1));
    const auto source = ReadBytes(f.source);
    const auto target = ReadBytes(f.target);
    const auto bw1 = ReadBytes(f.bw1);
    auto out = f.dir / "out";
    auto shortFile = f.dir / "OBUS";
    WriteBytes(shortFile, std::vector<std::uint8_t>(bw1.begin(), bw1.begin() + 30000));
    const auto shortBytes = ReadBytes(shortFile);
    const std::string s = f.source.string(), t = f.target.string(), o = out.string();

    const std::vector<std::vector<std::string>> cases = {
        {"block", s, "--table", "units", "--slot", "250", "-o", o},
        {"block", s, "--table", "units", "--slot", "-1", "-o", o},
        {"block", s, "--table", "units", "--slot", "3x", "-o", o},
        {"block", s, "--table", "formations", "--slot", "1", "-o", o},
        {"block", s, "--table", "crews", "--slot", "1", "-o", o},
        {"block", s, "--slot", "1", "-o", o},
        {"block", (f.dir / "missing").string(), "--table", "units", "--slot", "1", "-o", o},
        {"block", s, "--table", "units", "--slot", "3", "-o", (f.dir / "no" / "such" / "folder").string()},
        {"paste", t, "--table", "units", "--slot", "5", "--block", shortBlock.string(), "--yes", "-o", o},
        {"paste", t, "--table", "weapons", "--slot", "40", "--block", unitBlock.string(), "-o", o},
        {"paste", t, "--table", "units", "--slot", "250", "--block", unitBlock.string(), "--yes", "-o", o},
        {"paste", t, "--table", "units", "--slot", "5", "--block", (f.dir / "none.blk").string(), "-o", o},
        {"paste", t, "--table", "units", "--slot", "5", "--block", f.dir.path().string(), "-o", o},
        {"paste", t, "--table", "units", "--slot", "1", "--block", unitBlock.string(), "-o", o},
        {"paste", t, "--table", "units", "--slot", "1", "--block", unitBlock.string(), "--yes=no", "-o", o},
        {"copy", s, "--table", "units", "--slot", "3", f.bw1.string(), "--to", "4", "-o", o},
        {"copy", f.bw1.string(), "--table", "units", "--slot", "2", t, "--to", "4", "--yes", "-o", o},
        {"copy", s, "--table", "units", "--slot", "3", t, "--to", "250", "--yes", "-o", o},
        {"copy", s, "--table", "units", "--slot", "251", t, "--to", "4", "--yes", "-o", o},
        {"copy", s, "--table", "units", "--slot", "3", t, "--to", "5", "-o", o},
        {"copy", s, "--table", "units", "--slot", "3", "--to", "5", "-o", o},
        {"copy", s, "--table", "formations", "--slot", "3", t, "--to", "5", "-o", o},
        {"copy", f.bw1.string(), "--table", "units", "--slot", "2", shortFile.string(), "--to", "200", "-o",
         o},
        // In place: the same refusals leave the inputs untouched.
        {"paste", t, "--table", "units", "--slot", "1", "--block", unitBlock.string()},
        {"copy", s, "--table", "units", "--slot", "3", t, "--to", "5"},
        {"copy", s, "--table", "units", "--slot", "3", f.bw1.string(), "--to", "4", "--yes"},
    };
    for (const auto& args : cases) {
        std::string line;
        for (const auto& a : args) line += a + " ";
        SCOPED_TRACE(line);
        ToolResult r = Obtool(args);
        EXPECT_NE(r.code, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err, "");
        EXPECT_FALSE(fs::exists(out));
        EXPECT_EQ(ReadBytes(f.source), source);
        EXPECT_EQ(ReadBytes(f.target), target);
        EXPECT_EQ(ReadBytes(f.bw1), bw1);
        EXPECT_EQ(ReadBytes(unitBlock), bytes);
        EXPECT_EQ(ReadBytes(shortFile), shortBytes);
    }
}
