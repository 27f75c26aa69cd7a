#include "backups/backuplisting.h"
#include "backups/backupstore.h"
#include "backups/profilefolder.h"
#include "faulty_filesystem.h"
#include "obdata/generation.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
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
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("quorvant-backups-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "game");
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Game(const std::string& name, const std::string& bytes) const {
        fs::path file = dir_ / "game" / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
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
    // Every entry under the profile, hidden ones included.
    std::vector<std::string> Everything() const {
        std::vector<std::string> all;
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(dir_ / "profile", ec);
             !ec && it != fs::recursive_directory_iterator(); ++it)
            all.push_back(fs::relative(it->path(), dir_).generic_string());
        std::sort(all.begin(), all.end());
        return all;
    }
    static std::string Read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
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
        EXPECT_EQ(Read(kept), c.bytes) << c.name;
        EXPECT_EQ(fs::last_write_time(kept), stamp) << c.name;
        EXPECT_EQ(Read(file), c.bytes) << "the original is only read";
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
        std::ofstream(folder / name) << "x";
    fs::create_symlink(folder / "2026-01-01_00-00-01", folder / "2026-01-01_00-00-05");
    EXPECT_EQ(Names(kBW2, "MOB05"), std::vector<std::string>{"2026-01-01_00-00-01"});
    for (auto [generation, name] : std::vector<std::pair<int, std::string>>{
             {kBW2, "MOB06"}, {kBW2, ".."}, {kBW2, ""}, {kBW2, "a/b"}, {7, "MOB05"}})
        EXPECT_TRUE(ListBackups(Root(), generation, name).empty()) << generation << name;
}

TEST_F(BackupsTest, OncePerSessionAndNothingForANewFile) {
    fs::path file = Game("KOB12", "first");
    BackupStore store = Session(1);
    std::string error;
    ASSERT_TRUE(store.KeepBackup(kBW3, file, 10, error));
    Game("KOB12", "second");
    ASSERT_TRUE(store.KeepBackup(kBW3, dir_ / "game" / "." / "KOB12", 10, error));
    EXPECT_TRUE(store.lastBackup().empty());
    EXPECT_EQ(Names(kBW3, "KOB12").size(), 1u);
    EXPECT_EQ(Read(Root() / "BW3" / "KOB12" / "2026-12-10_10-42-01"), "first");

    // Save As to a new name: nothing to keep now, nor when the session writes over it again.
    const fs::path fresh = dir_ / "game" / "KOB13";
    ASSERT_TRUE(store.KeepBackup(kBW3, fresh, 10, error)) << error;
    EXPECT_TRUE(store.Kept(fresh));
    Game("KOB13", "made this session");
    ASSERT_TRUE(store.KeepBackup(kBW3, fresh, 10, error));
    EXPECT_TRUE(Names(kBW3, "KOB13").empty());
    EXPECT_TRUE(error.empty());
}

TEST_F(BackupsTest, AFailedBackupLeavesNothingAndIsTriedAgain) {
    struct Case {
        Fault fault;
        Call call;
    } cases[] = {
        {Fault::PermissionDenied, Call::Read}, {Fault::NoSpace, Call::CreateFolders},
        {Fault::NoSpace, Call::Create},        {Fault::NoSpace, Call::Write},
        {Fault::SyncFails, Call::Sync},        {Fault::PermissionDenied, Call::Stamp},
        {Fault::RenameFails, Call::Rename},
    };
    for (bool firstBackup : {true, false}) {
        for (const Case& c : cases) {
            fs::remove_all(dir_ / "profile");
            fs::path file = Game("OBMA", "ma");
            std::string error;
            if (!firstBackup) {
                ASSERT_TRUE(Session(0).KeepBackup(kBW1, file, 10, error));
            }
            const std::vector<std::string> before = Everything();
            BackupStore store = Session(5);
            FaultyFileSystem faulty(
                c.fault, [&](Call call, const fs::path&, const fs::path&) { return call == c.call; });
            {
                ScopedFileSystemForTesting use(faulty);
                EXPECT_FALSE(store.KeepBackup(kBW1, file, 10, error));
            }
            const std::string where = std::string(FaultName(c.fault)) + " " + std::to_string(int(c.call));
            EXPECT_TRUE(faulty.injected()) << where;
            EXPECT_NE(error.find(file.string() + " cannot be backed up: "), std::string::npos) << error;
            EXPECT_NE(error.find(FaultReason(c.fault)), std::string::npos) << error;
            EXPECT_EQ(Everything(), before) << where;
            EXPECT_EQ(Read(file), "ma");
            EXPECT_FALSE(store.Kept(file));
            EXPECT_TRUE(store.KeepBackup(kBW1, file, 10, error)) << where << error;
        }
    }
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

TEST_F(BackupsTest, RefusesWhatIsNoFileOrHasNoGeneration) {
    fs::create_directories(dir_ / "game" / "OBPZ");
    struct Case {
        int generation;
        fs::path file;
        const char* why;
    } cases[] = {
        {kBW1, dir_ / "game" / "OBPZ", "it is a folder, not a file"},
        {-1, Game("OBUS", "us"), "its game generation is unknown"},
        {kBW1, dir_ / "game" / "..", "it is not a file name"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(Session(0).KeepBackup(c.generation, c.file, 10, error));
        EXPECT_EQ(error, c.file.string() + " cannot be backed up: " + c.why);
    }
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
