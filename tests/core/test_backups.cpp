#include "backups/backupguard.h"
#include "backups/backuplisting.h"
#include "backups/backupsetting.h"
#include "backups/backupstore.h"
#include "backups/profilefolder.h"
#include "fault_sweep.h"
#include "obdata/generation.h"

#include <map>

#include <unistd.h>

using namespace quorvant;
using namespace quorvant::testing;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

class BackupsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "game");
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Game(const std::string& name, const std::string& bytes) const {
        WriteText(dir_ / "game" / name, bytes);
        return dir_ / "game" / name;
    }
    fs::path Root() const { return dir_ / "profile" / "backups"; }
    // A store of its own session whose clock stands at second s of 2026-12-10 10:42.
    BackupStore Session(int s) const {
        return BackupStore(Root(), [s] { return BackupMoment{2026, 12, 10, 10, 42, s}; });
    }
    std::vector<std::string> Names(int generation, const std::string& file) const {
        std::vector<std::string> names;
        for (const BackupEntry& e : ListBackups(Root(), generation, file))
            names.push_back(e.path.filename().string());
        return names;
    }

    const fs::path dir_ = fs::temp_directory_path() / ("quorvant-backups-" + std::to_string(::getpid()));
};

} // namespace

TEST_F(BackupsTest, KeepsTheBytesAndTimeStampUnderGenerationAndName) {
    const std::string binary("\0\xff\r\n\x1a end", 9);
    struct Case {
        int generation;
        const char* name;
        std::string bytes;
        const char* folder;
    } cases[] = {
        {kBW1, "OBPZ", binary, "BW1/OBPZ"},
        {kBW2, "MOB31", std::string(60000, '\x7f'), "BW2/MOB31"},
        {kBW3, "kob71", "", "BW3/kob71"},
    };
    const auto stamp = fs::file_time_type::clock::now() - 1000h - 123456789ns;
    for (const Case& c : cases) {
        fs::path file = Game(c.name, c.bytes);
        fs::last_write_time(file, stamp);
        BackupStore store = Session(7);
        std::string error;
        ASSERT_TRUE(store.KeepBackup(c.generation, file, 10, error)) << error;
        const fs::path kept = Root() / c.folder / "2026-12-10_10-42-07";
        EXPECT_EQ(store.lastBackup(), kept);
        EXPECT_EQ(SnapshotTree(Root() / c.folder), (FileTree{{kept.filename().string(), c.bytes}}));
        EXPECT_EQ(fs::last_write_time(kept), stamp) << c.name;
    }
}

TEST_F(BackupsTest, PrunesToTheNewestOfThatFileAlone) {
    struct Case {
        int keep;
        int sessions;
        std::vector<std::string> left; // newest first
    } cases[] = {
        {3, 5, {"2026-12-10_10-42-04", "2026-12-10_10-42-03", "2026-12-10_10-42-02"}},
        {10, 2, {"2026-12-10_10-42-01", "2026-12-10_10-42-00"}},
        {1, 3, {"2026-12-10_10-42-02"}},
        {0, 2, {"2026-12-10_10-42-01"}}, // never below the backup just made
    };
    for (const Case& c : cases) {
        fs::remove_all(Root());
        fs::path file = Game("OBUS", "us");
        fs::path other = Game("OBBR", "br");
        std::string error;
        ASSERT_TRUE(Session(0).KeepBackup(kBW1, other, 1, error));
        for (int s = 0; s < c.sessions; ++s) ASSERT_TRUE(Session(s).KeepBackup(kBW1, file, c.keep, error));
        EXPECT_EQ(Names(kBW1, "OBUS"), c.left) << "keep " << c.keep;
        EXPECT_EQ(Names(kBW1, "OBBR").size(), 1u);
    }
}

TEST_F(BackupsTest, BackupsInOneSecondAreNumberedAndListedInOrder) {
    fs::path file = Game("OBJA", "ja");
    std::string error;
    for (int session = 0; session < 11; ++session) ASSERT_TRUE(Session(9).KeepBackup(kBW1, file, 20, error));
    ASSERT_TRUE(Session(10).KeepBackup(kBW1, file, 20, error));
    // Numbered from 2, and ordered by number rather than as text ("-11" after "-9").
    std::vector<std::string> expected{"2026-12-10_10-42-10"};
    for (int n = 11; n >= 2; --n) expected.push_back("2026-12-10_10-42-09-" + std::to_string(n));
    expected.push_back("2026-12-10_10-42-09");
    EXPECT_EQ(Names(kBW1, "OBJA"), expected);
    EXPECT_EQ(ListBackups(Root(), kBW1, "OBJA")[1].date(), "2026-12-10 10:42:09");
}

TEST_F(BackupsTest, TheListLeavesOutWhatIsNoBackup) {
    const fs::path folder = Root() / "BW2" / "MOB05";
    fs::create_directories(folder / "2026-01-01_00-00-00-3");
    for (const char* name : {"2026-01-01_00-00-01", ".2026-01-01_00-00-02.1234.tmp", "2026-13-01_00-00-00",
                             "2026-01-01_00-00-00-1", "2026-01-01_00-00-00-02", "2026-01-01_00-00-00x",
                             "2026-01-01 00-00-00", "notes.txt"})
        WriteText(folder / name, "x");
    fs::create_symlink(folder / "2026-01-01_00-00-01", folder / "2026-01-01_00-00-05");
    EXPECT_EQ(Names(kBW2, "MOB05"), std::vector<std::string>{"2026-01-01_00-00-01"});
}

TEST_F(BackupsTest, OncePerSessionAndNothingForANewFile) {
    fs::path file = Game("KOB12", "first");
    BackupStore store = Session(1);
    std::string error;
    ASSERT_TRUE(store.KeepBackup(kBW3, file, 10, error));
    Game("KOB12", "second");
    ASSERT_TRUE(store.KeepBackup(kBW3, dir_ / "game" / "." / "KOB12", 10, error));
    EXPECT_TRUE(store.lastBackup().empty());
    EXPECT_EQ(SnapshotTree(Root() / "BW3" / "KOB12"), (FileTree{{"2026-12-10_10-42-01", "first"}}));

    // Save As to a new name: nothing to keep now, nor when the session writes over it again.
    const fs::path fresh = dir_ / "game" / "KOB13";
    ASSERT_TRUE(store.KeepBackup(kBW3, fresh, 10, error)) << error;
    EXPECT_TRUE(store.Kept(fresh));
    Game("KOB13", "made this session");
    ASSERT_TRUE(store.KeepBackup(kBW3, fresh, 10, error));
    EXPECT_TRUE(Names(kBW3, "KOB13").empty());
    EXPECT_TRUE(error.empty());
}

// What a failure leaves on disk is judged by the fault sweep; here, what the session makes of it.
TEST_F(BackupsTest, AFailedBackupSaysWhyAndIsTriedAgain) {
    fs::path file = Game("OBMA", "ma");
    BackupStore store = Session(5);
    FaultyFileSystem faulty(Fault::RenameFails,
                            [](Call call, const fs::path&, const fs::path&) { return call == Call::Rename; });
    std::string error;
    {
        ScopedFileSystemForTesting use(faulty);
        EXPECT_FALSE(store.KeepBackup(kBW1, file, 10, error));
    }
    EXPECT_EQ(error.rfind(file.string() + " cannot be backed up: " + (Root() / "BW1" / "OBMA").string(), 0),
              0u)
        << error;
    EXPECT_NE(error.find(FaultReason(Fault::RenameFails)), std::string::npos) << error;
    EXPECT_FALSE(store.Kept(file));
    EXPECT_TRUE(store.KeepBackup(kBW1, file, 10, error)) << error;
    EXPECT_TRUE(store.Kept(file));
}

TEST_F(BackupsTest, AnOldBackupThatWillNotGoStopsNothing) {
    fs::path file = Game("OBPZ", "pz");
    std::string error;
    ASSERT_TRUE(Session(0).KeepBackup(kBW1, file, 1, error));
    FaultyFileSystem faulty(Fault::PermissionDenied,
                            [](Call call, const fs::path&, const fs::path&) { return call == Call::Remove; });
    {
        ScopedFileSystemForTesting use(faulty);
        EXPECT_TRUE(Session(1).KeepBackup(kBW1, file, 1, error)) << error;
    }
    EXPECT_EQ(Names(kBW1, "OBPZ").size(), 2u);
    ASSERT_TRUE(Session(2).KeepBackup(kBW1, file, 1, error));
    EXPECT_EQ(Names(kBW1, "OBPZ"), std::vector<std::string>{"2026-12-10_10-42-02"});
}

TEST_F(BackupsTest, AFolderWhereTheFileShouldBeIsRefused) {
    fs::create_directories(dir_ / "game" / "OBPZ");
    std::string error;
    EXPECT_FALSE(Session(0).KeepBackup(kBW1, dir_ / "game" / "OBPZ", 10, error));
    EXPECT_EQ(error, (dir_ / "game" / "OBPZ").string() + " cannot be backed up: it is a folder, not a file");
    EXPECT_FALSE(fs::exists(Root()));
}

TEST(ProfileFolder, GivenThenEnvironmentThenTheSettingsFolder) {
    using Environment = std::map<std::string, std::string>;
    struct Case {
        std::optional<std::string> given;
        Environment environment;
        fs::path folder;
    } cases[] = {
        {"/p", {{"QUORVANT_PROFILE", "/q"}, {"HOME", "/h"}}, "/p"},
        {"rel", {}, "rel"},
        {std::nullopt, {{"QUORVANT_PROFILE", "/q"}, {"HOME", "/h"}}, "/q"},
        {"", {{"QUORVANT_PROFILE", ""}, {"HOME", "/h"}}, "/h/.config/Vexmoor Software/Quorvant"},
        {std::nullopt, {{"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}}, "/x/Vexmoor Software/Quorvant"},
        {std::nullopt, {{"XDG_CONFIG_HOME", "x"}, {"HOME", "/h"}}, "/h/.config/Vexmoor Software/Quorvant"},
        {std::nullopt, {{"XDG_CONFIG_HOME", ""}}, ""},
    };
    for (const Case& c : cases) {
        auto lookup = [&](const char* name) -> std::optional<std::string> {
            auto it = c.environment.find(name);
            if (it == c.environment.end()) return std::nullopt;
            return it->second;
        };
        EXPECT_EQ(ProfileFolder(c.given, lookup), c.folder) << c.given.value_or("(none)");
    }
    EXPECT_EQ(BackupRoot("/p"), fs::path("/p/backups"));
}

TEST(BackupSetting, HeldToOffUpToTheMost) {
    struct Case {
        std::optional<std::string> stored;
        int kept;
    } cases[] = {{std::nullopt, 10}, {"0", 0}, {"3", 3}, {"100", 100}, {"1000", 100}, {"-1", 10}, {"x", 10}};
    for (const Case& c : cases) {
        MemoryProfile profile;
        if (c.stored) profile.WriteString("Settings", "Backups", *c.stored);
        EXPECT_EQ(ReadBackupsKept(profile), c.kept) << c.stored.value_or("(none)");
    }
    MemoryProfile profile;
    WriteBackupsKept(profile, 250);
    EXPECT_EQ(profile.ReadString("Settings", "Backups"), "100");
}

TEST_F(BackupsTest, TheGuardStopsAWriteWhoseBackupFailsUntilTheUserAllowsItOnce) {
    const fs::path file = Game("OBPZ", "old");
    int keep = 0;
    WriteText(dir_ / "profile", "a file where the profile's folder should be");
    BackupStore store = Session(1);
    BackupGuard guard(store, [&keep] { return keep; });
    std::string error;
    EXPECT_TRUE(guard.BeforeOverwrite(file, kBW1, error)) << "backups off: nothing to keep";
    keep = 3;
    EXPECT_FALSE(guard.BeforeOverwrite(file, kBW1, error));
    EXPECT_NE(error.find("OBPZ"), std::string::npos) << error;
    EXPECT_TRUE(guard.Refused(dir_ / "game" / ".." / "game" / "OBPZ"));
    guard.AllowOnceWithout(file);
    EXPECT_TRUE(guard.BeforeOverwrite(file, kBW1, error));
    EXPECT_FALSE(guard.Refused(file));
    EXPECT_FALSE(guard.BeforeOverwrite(file, kBW1, error)) << "allowed once only";
}
