#include "cli_test_support.h"
#include "tests/core/patch_files.h"

using namespace quorvant;
using namespace quorvant::testing;

namespace {

namespace fs = std::filesystem;

const char* const kPatch =
    "{\"quorvant-patch\": 1, \"generation\": \"BW2\", \"changes\": [\n"
    "  {\"table\": \"weapons\", \"slot\": 12, \"name\": \"88mm KwK\", \"fields\": "
    "{\"Name\": [\"88mm KwK\", \"88mm KwK 36\"], \"HEKill\": [40, 45]}},\n"
    "  {\"table\": \"units\", \"slot\": 5, \"name\": \"Tiger\", \"fields\": {\"Wpn[2]\": [7, 9]}}\n"
    "]}\n";

const char* const kWritten = "weapons\t12\t88mm KwK\tName\t88mm KwK\t88mm KwK 36\n"
                             "weapons\t12\t88mm KwK\tHEKill\t40\t45\n"
                             "units\t5\tTiger\tWpn[2]\t7\t9\n";

void WriteText(const fs::path& path, const std::string& text) {
    WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

// Whether the file holds PatchTarget's records (the writer pads names with blanks where the builder wrote NULs).
bool HoldsTarget(const fs::path& file) {
    const fs::path expected = file.parent_path() / "expected";
    WriteBytes(expected, PatchTarget().bytes());
    return Obtool({"diff", file.string(), expected.string()}).code == 0;
}

// Makes the file look old, so a rewrite shows in its time stamp.
fs::file_time_type Age(const fs::path& path) {
    const fs::file_time_type old = fs::last_write_time(path) - std::chrono::hours(24);
    fs::last_write_time(path, old);
    return old;
}

} // namespace

TEST(ObtoolPatchMake, WritesTheChangesDiffListsRecordByRecord) {
    TempFolder dir;
    WriteBytes(dir / "A", PatchSource().bytes());
    WriteBytes(dir / "B", PatchTarget().bytes());
    ToolResult r = Obtool({"patch", "make", (dir / "A").string(), (dir / "B").string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, kPatch);

    r = Obtool(
        {"patch", "make", (dir / "A").string(), (dir / "B").string(), "-o", (dir / "p.json").string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(ReadText(dir / "p.json"), kPatch);

    r = Obtool({"patch", "make", (dir / "A").string(), (dir / "A").string()});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "{\"quorvant-patch\": 1, \"generation\": \"BW2\", \"changes\": []}\n");

    WriteBytes(dir / "C", OBFileBuilder::BW3().bytes());
    const struct {
        std::vector<std::string> args;
        int code;
    } failures[] = {
        {{"patch", "make", (dir / "A").string(), (dir / "C").string()}, 1},
        {{"patch", "make", (dir / "A").string(), (dir / "missing").string()}, 1},
        {{"patch", "make", (dir / "A").string()}, 2},
        {{"patch", "make", (dir / "A").string(), (dir / "B").string(), "--by", "name"}, 2},
        {{"patch", "mend", (dir / "A").string(), (dir / "B").string()}, 2},
        {{"patch"}, 2},
    };
    for (const auto& f : failures) {
        r = Obtool(f.args);
        EXPECT_EQ(r.code, f.code) << ::testing::PrintToString(f.args);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err, "");
    }
}

TEST(ObtoolPatchApply, WritesEachChangeOnceAndLeavesAnAppliedFileUntouched) {
    TempFolder dir;
    WriteText(dir / "p.json", kPatch);
    const fs::path file = dir / "MOB31";
    WriteBytes(file, PatchSource().bytes());
    ToolResult r = Obtool({"patch", "apply", file.string(), (dir / "p.json").string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, kWritten);
    EXPECT_TRUE(HoldsTarget(file));

    const fs::file_time_type old = Age(file);
    r = Obtool({"patch", "apply", file.string(), (dir / "p.json").string()});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(fs::last_write_time(file), old);

    WriteBytes(file, PatchSource().bytes());
    r = Obtool({"patch", "apply", file.string(), (dir / "p.json").string(), "-o", (dir / "out").string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(HoldsTarget(dir / "out"));
    EXPECT_EQ(ReadBytes(file), PatchSource().bytes());
}

TEST(ObtoolPatchApply, ConflictsStopTheWriteUnlessForced) {
    TempFolder dir;
    WriteText(dir / "p.json", kPatch);
    const fs::path file = dir / "MOB31";
    // The name already changed (applied), HEKill as expected, Wpn[2] neither 7 nor 9.
    const OBFileBuilder held = PatchSource().weaponName(12, "88mm KwK 36").column(14000, 5, 3, 4, 2);
    WriteBytes(file, held.bytes());
    ToolResult r = Obtool({"patch", "apply", file.string(), (dir / "p.json").string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "units\t5\tTiger\tWpn[2]\t7\t3\n");
    EXPECT_NE(r.err.find("1 conflict; nothing written"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(file), held.bytes());

    r = Obtool({"patch", "apply", file.string(), (dir / "p.json").string(), "--force"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "weapons\t12\t88mm KwK 36\tHEKill\t40\t45\n"
                     "units\t5\tTiger\tWpn[2]\t3\t9\n");
    EXPECT_TRUE(HoldsTarget(file));
}

TEST(ObtoolPatchApply, ByNameFindsTheRecordsWhereverTheyStand) {
    TempFolder dir;
    WriteText(dir / "p.json", kPatch);
    const fs::path file = dir / "MOB00";
    WriteBytes(file, OBFileBuilder::BW2()
                         .weaponName(30, "88MM KWK")
                         .column(5250, 30, 40, 2, 0)
                         .unitName(5, "Panther")
                         .unitName(77, "tiger")
                         .column(14000, 77, 7, 4, 2)
                         .bytes());
    ToolResult r =
        Obtool({"patch", "apply", file.string(), (dir / "p.json").string(), "--by", "name", "--force"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "weapons\t30\t88MM KWK\tName\t88MM KWK\t88mm KwK 36\n"
                     "weapons\t30\t88MM KWK\tHEKill\t40\t45\n"
                     "units\t77\ttiger\tWpn[2]\t7\t9\n");
    EXPECT_EQ(Obtool({"patch", "apply", file.string(), (dir / "p.json").string(), "--by", "nation"}).code, 2);
}

TEST(ObtoolPatchApply, RefusesABadPatchOrAnotherGenerationWritingNothing) {
    TempFolder dir;
    const fs::path file = dir / "MOB31";
    WriteBytes(file, PatchSource().bytes());
    std::vector<std::uint8_t> truncated = OBFileBuilder::BW1().bytes();
    truncated.resize(truncated.size() - 100);
    WriteBytes(dir / "short", truncated);
    const std::string head = R"({"quorvant-patch": 1, "generation": "BW2", "changes": [{"table": )";
    const std::string kBW1Patch =
        R"({"quorvant-patch": 1, "generation": "BW1", "changes": [)"
        R"({"table": "weapons", "slot": 3, "name": "", "fields": {"HEAT": [0, 7]}}]})";
    const struct {
        std::string patch;
        std::string fault;
        fs::path target;
    } cases[] = {
        {"not json", "not JSON", file},
        {R"({"quorvant-patch": 7, "generation": "BW2", "changes": []})", "patch format 7", file},
        {head + R"("guns", "slot": 1, "name": "G", "fields": {"Cost": [0, 1]}}]})", "unknown table", file},
        {head + R"("units", "slot": 5, "name": "T", "fields": {"Price": [0, 1]}}]})", "no field Price", file},
        {head + R"("units", "slot": 250, "name": "T", "fields": {"Cost": [0, 1]}}]})", "slot 250 is past",
         file},
        {head + R"("units", "slot": 5, "name": "T", "fields": {"Cost": [0, 300]}}]})", "value 300", file},
        {R"({"quorvant-patch": 1, "generation": "BW3", "changes": []})", "a BW2 file; the patch is for BW3",
         file},
        // A BW2 file keeps one nation.
        {head + R"("units", "slot": 5, "name": "T", "fields": {"Nationality": [31, 2]}}]})", "does not keep",
         file},
        {kBW1Patch, "--yes", dir / "short"},
    };
    for (const auto& c : cases) {
        WriteText(dir / "p.json", c.patch);
        const std::vector<std::uint8_t> before = ReadBytes(c.target);
        ToolResult r = Obtool({"patch", "apply", c.target.string(), (dir / "p.json").string()});
        EXPECT_EQ(r.code, 1) << c.patch;
        EXPECT_NE(r.err.find(c.fault), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("nothing written"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(ReadBytes(c.target), before);
    }
    EXPECT_EQ(Obtool({"patch", "apply", file.string(), (dir / "none.json").string()}).code, 1);
    WriteText(dir / "p.json", kBW1Patch);
    EXPECT_EQ(Obtool({"patch", "apply", (dir / "short").string(), (dir / "p.json").string(), "--yes"}).code,
              0);
}

TEST(ObtoolPatchApplyAll, WritesTheCleanFilesAndNamesTheOthers) {
    TempFolder dir;
    WriteText(dir / "p.json", kPatch);
    // Menu order: Greece (MOB31), West Germany (MOB00), then the USSR (MOB01).
    WriteBytes(dir / "mob31", PatchSource().bytes());
    WriteBytes(dir / "MOB00", PatchTarget().bytes()); // already applied
    WriteBytes(dir / "MOB01", PatchSource().column(14000, 5, 3, 4, 2).bytes());
    const fs::file_time_type applied = Age(dir / "MOB00");
    const fs::file_time_type conflicting = Age(dir / "MOB01");
    ToolResult r =
        Obtool({"patch", "apply-all", dir.path().string(), "--game", "bw2", (dir / "p.json").string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "mob31\tweapons\t12\t88mm KwK\tName\t88mm KwK\t88mm KwK 36\n"
                     "mob31\tweapons\t12\t88mm KwK\tHEKill\t40\t45\n"
                     "mob31\tunits\t5\tTiger\tWpn[2]\t7\t9\n"
                     "MOB01\tunits\t5\tTiger\tWpn[2]\t7\t3\n");
    EXPECT_NE(r.err.find("obtool: MOB01: 1 conflict; left as it was\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("obtool: MOB02: no such file; skipped\n"), std::string::npos) << r.err;
    EXPECT_TRUE(HoldsTarget(dir / "mob31"));
    EXPECT_EQ(fs::last_write_time(dir / "MOB00"), applied);
    EXPECT_EQ(fs::last_write_time(dir / "MOB01"), conflicting);

    r = Obtool(
        {"patch", "apply-all", dir.path().string(), "--game", "bw2", (dir / "p.json").string(), "--force"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "MOB01\tweapons\t12\t88mm KwK\tName\t88mm KwK\t88mm KwK 36\n"
                     "MOB01\tweapons\t12\t88mm KwK\tHEKill\t40\t45\n"
                     "MOB01\tunits\t5\tTiger\tWpn[2]\t3\t9\n");
    EXPECT_TRUE(HoldsTarget(dir / "MOB01"));

    const struct {
        std::vector<std::string> args;
        int code;
    } failures[] = {
        {{"patch", "apply-all", dir.path().string(), "--game", "bw3", (dir / "p.json").string()}, 1},
        {{"patch", "apply-all", (dir / "nowhere").string(), "--game", "bw2", (dir / "p.json").string()}, 1},
        {{"patch", "apply-all", dir.path().string(), (dir / "p.json").string()}, 2},
        {{"patch", "apply-all", dir.path().string(), "--game", "bw2", (dir / "p.json").string(), "--yes"}, 2},
    };
    for (const auto& f : failures) EXPECT_EQ(Obtool(f.args).code, f.code) << ::testing::PrintToString(f.args);
}
