#include "backups/backupstore.h"
#include "cli_test_support.h"
#include "obdata/generation.h"
#include "tests/core/obfile_builder.h"

#include <cstdlib>

using namespace quorvant;
using namespace quorvant::testing;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable for one test, and puts back what was there.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// Backups of file made by sessions at the given seconds of 2026-12-10 10:42.
void KeepBackups(const fs::path& profile, int generation, const fs::path& file, std::vector<int> seconds) {
    for (int s : seconds) {
        BackupStore store(profile / "backups", [s] { return BackupMoment{2026, 12, 10, 10, 42, s}; });
        std::string error;
        ASSERT_TRUE(store.KeepBackup(generation, file, 10, error)) << error;
    }
}

} // namespace

TEST(ObtoolBackups, ListsNewestFirstWithDateSizeAndPath) {
    TempFolder dir;
    const fs::path file = dir / "OBPZ";
    const fs::path profile = dir / "profile";
    WriteBytes(file, OBFileBuilder::BW1().bytes());
    KeepBackups(profile, kBW1, file, {7, 7});
    WriteBytes(file, OBFileBuilder::BW1().unitName(1, "Pz").bytes());
    std::ofstream(file, std::ios::app) << "tail";
    KeepBackups(profile, kBW1, file, {8});
    WriteBytes(dir / "MOB31", OBFileBuilder::BW2().column(25000, 1, 31).bytes());
    KeepBackups(profile, kBW2, dir / "MOB31", {9}); // another file's backups are not listed

    const std::string folder = (profile / "backups" / "BW1" / "OBPZ").string() + "/";
    const std::string size = std::to_string(OBFileBuilder::BW1().bytes().size());
    const std::string expected =
        "2026-12-10 10:42:08\t" + std::to_string(OBFileBuilder::BW1().bytes().size() + 4) + "\t" + folder +
        "2026-12-10_10-42-08\n" + "2026-12-10 10:42:07\t" + size + "\t" + folder + "2026-12-10_10-42-07-2\n" +
        "2026-12-10 10:42:07\t" + size + "\t" + folder + "2026-12-10_10-42-07\n";
    // The file is found ignoring case, as game files are, and its backups by its real name.
    ToolResult r = Obtool({"backups", (dir / "obpz").string(), "--profile", profile.string()});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.err, "");

    ScopedEnvironment named("QUORVANT_PROFILE", profile.string());
    EXPECT_EQ(Obtool({"backups", file.string()}).out, expected);
}

TEST(ObtoolBackups, TheSettingsFolderIsTheDefaultProfile) {
    TempFolder dir;
    WriteBytes(dir / "KOB71", OBFileBuilder::BW3().column(25000, 1, 71).bytes());
    const fs::path profile = dir / "config" / "Vexmoor Software" / "Quorvant";
    KeepBackups(profile, kBW3, dir / "KOB71", {1});
    ScopedEnvironment unnamed("QUORVANT_PROFILE", "");
    ScopedEnvironment config("XDG_CONFIG_HOME", (dir / "config").string());
    ToolResult r = Obtool({"backups", (dir / "KOB71").string()});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "2026-12-10 10:42:01\t" + std::to_string(fs::file_size(dir / "KOB71")) + "\t" +
                         (profile / "backups" / "BW3" / "KOB71" / "2026-12-10_10-42-01").string() + "\n");
}

TEST(ObtoolBackups, ExitCodes) {
    TempFolder dir;
    WriteBytes(dir / "OBUS", OBFileBuilder::BW1().bytes());
    fs::create_directories(dir / "folder");
    struct Case {
        std::vector<std::string> args;
        int code;
    } cases[] = {
        {{"backups", (dir / "OBUS").string(), "--profile", (dir / "none").string()}, 0},
        {{"backups"}, 2},
        {{"backups", (dir / "OBUS").string(), "extra"}, 2},
        {{"backups", (dir / "OBUS").string(), "--profile"}, 2},
        {{"backups", (dir / "OBUS").string(), "--profile", ""}, 2},
        {{"backups", (dir / "OBUS").string(), "--keep", "3"}, 2},
        {{"backups", (dir / "missing").string(), "--profile", dir.path().string()}, 1},
        {{"backups", (dir / "folder").string(), "--profile", dir.path().string()}, 1},
    };
    for (const Case& c : cases) {
        ToolResult r = Obtool(c.args);
        EXPECT_EQ(r.code, c.code) << ::testing::PrintToString(c.args) << r.err;
        EXPECT_EQ(r.out, "") << ::testing::PrintToString(c.args);
        EXPECT_EQ(r.err.empty(), c.code == 0) << r.err;
    }
    EXPECT_NE(Obtool({"--help"}).out.find("obtool backups FILE [--profile DIR]\n"), std::string::npos);
}
