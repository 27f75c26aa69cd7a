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
    const fs::path profile = dir / "config" / "Vexmoor Software" / "Quorvant";
    const std::size_t size = OBFileBuilder::BW1().bytes().size();
    WriteBytes(file, OBFileBuilder::BW1().bytes());
    KeepBackups(profile, kBW1, file, {7, 7});
    std::ofstream(file, std::ios::app) << "tail";
    KeepBackups(profile, kBW1, file, {8});
    WriteBytes(dir / "MOB31", OBFileBuilder::BW2().column(25000, 1, 31).bytes());
    KeepBackups(profile, kBW2, dir / "MOB31", {9}); // another file's backups are not listed

    const std::string folder = (profile / "backups" / "BW1" / "OBPZ").string() + "/";
    const std::string expected = "2026-12-10 10:42:08\t" + std::to_string(size + 4) + "\t" + folder +
                                 "2026-12-10_10-42-08\n" + "2026-12-10 10:42:07\t" + std::to_string(size) +
                                 "\t" + folder + "2026-12-10_10-42-07-2\n" + "2026-12-10 10:42:07\t" +
                                 std::to_string(size) + "\t" + folder + "2026-12-10_10-42-07\n";
    // The file is found ignoring case, as game files are, and its backups by its real name.
    const std::vector<std::string> byOption{"backups", (dir / "obpz").string(), "--profile",
                                            profile.string()};
    ToolResult r = Obtool(byOption);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.err, "");
    {
        ScopedEnvironment named("QUORVANT_PROFILE", profile.string());
        EXPECT_EQ(Obtool({"backups", file.string()}).out, expected);
    }
    ScopedEnvironment unnamed("QUORVANT_PROFILE", "");
    ScopedEnvironment settings("XDG_CONFIG_HOME", (dir / "config").string());
    EXPECT_EQ(Obtool({"backups", file.string()}).out, expected);
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
