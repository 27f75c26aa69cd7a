#include "app/recentfiles.h"
#include "game/gamedefaultsrules.h"
#include "game/opencommand.h"
#include "game/setpathsrules.h"
#include "test_settings_fixture.h"

using namespace quorvant;
using namespace quorvant::testing;

namespace {

class SetPathsRules : public SettingsTest {};

TEST_F(SetPathsRules, FieldsStartWithKnownFolderThenCurrentFolderThenProposal) {
    fs::path bw2 = MakeInstall("b2", kBW2);
    AppSettings settings;
    settings.InstallFolders[kBW1] = "/known/bw1";
    EXPECT_EQ(InitialInstallField(kBW1, settings, bw2), "/known/bw1");
    EXPECT_EQ(InitialInstallField(kBW2, settings, bw2), bw2.string());
    EXPECT_EQ(InitialInstallField(kBW3, settings, bw2), ProposedInstallFolder(kBW3));
#ifndef _WIN32
    EXPECT_TRUE(ProposedInstallFolder(kBW3).ends_with("/.wine/drive_c/brass3"));
#endif
}

TEST_F(SetPathsRules, OkKeepsOnlyFoldersWithTheirExecutableAndWritesOnlyThose) {
    fs::path bw1 = MakeInstall("b1", kBW1);
    fs::path bw3 = root / "b3";
    fs::create_directories(bw3);
    std::ofstream(bw3 / "BRASS3.EXE") << "MZ"; // any case will do
    Set("BW2 Path", "/old/bw2");
    AppSettings settings;
    settings.InstallFolders[kBW2] = "/old/bw2";

    ApplySetPaths({bw1.string() + " \t ", "", bw3.string()}, settings, profile);
    EXPECT_EQ(settings.InstallFolder(kBW1), bw1.string()); // trailing blanks stripped
    EXPECT_FALSE(settings.HasInstallFolder(kBW2));
    EXPECT_EQ(settings.InstallFolder(kBW3), bw3.string());
    EXPECT_EQ(Get("BW1 Path"), bw1.string());
    EXPECT_EQ(Get("BW2 Path"), "/old/bw2"); // an emptied field leaves the value as it was
    EXPECT_EQ(Get("PathSet"), "1");
}

TEST_F(SetPathsRules, FolderWithoutExecutableOrNamingTheExecutableItselfIsUnknown) {
    fs::path bw1 = MakeInstall("b1", kBW1);
    fs::create_directories(root / "empty" / "brass.exe"); // a folder by the executable's name
    AppSettings settings;
    ApplySetPaths({(root / "empty").string(), bw1.string(), (bw1 / "brass.exe").string()}, settings, profile);
    EXPECT_FALSE(settings.HasInstallFolder(kBW1));
    EXPECT_FALSE(settings.HasInstallFolder(kBW2)); // BW1's folder holds no brass2.exe
    EXPECT_FALSE(settings.HasInstallFolder(kBW3));
    EXPECT_EQ(Get("PathSet"), "<absent>");
}

TEST(GameDefaultsRules, GenerationButtonsCheckTheirGameManagerButton) {
    EXPECT_EQ(GameManagerButtonFor(kBW1), 1162);
    EXPECT_EQ(GameManagerButtonFor(kBW2), 1164);
    EXPECT_EQ(GameManagerButtonFor(kBW3), 1166);
    EXPECT_EQ(GenerationButton(kBW3), 1404);
}

TEST(GameDefaultsRules, OkWritesGenerationAndOnlyARealGameManagerButton) {
    MemoryProfile profile;
    AppSettings settings;
    settings.InstallFolders = {"/bw1", "/bw2", ""};
    ApplyGameDefaults(kBW2, 1165, settings, profile);
    EXPECT_EQ(settings.DefaultGeneration, kBW2);
    EXPECT_EQ(settings.SaveDefault, 1165);
    EXPECT_EQ(profile.ReadString(kSettingsSection, "BW Default"), "1");
    EXPECT_EQ(profile.ReadString(kSettingsSection, "Save Default"), "1165");

    ApplyGameDefaults(kBW1, std::nullopt, settings, profile);
    EXPECT_EQ(settings.SaveDefault, 1165);
    EXPECT_EQ(profile.ReadString(kSettingsSection, "Save Default"), "1165");
    EXPECT_EQ(profile.ReadString(kSettingsSection, "BW Default"), "0");

    ApplyGameDefaults(kBW3, 1166, settings, profile); // BW3 is not installed
    EXPECT_EQ(settings.DefaultGeneration, kBW1);
    EXPECT_EQ(settings.SaveDefault, 1165);
}

class MenuOpen : public SettingsTest {};

TEST_F(MenuOpen, EntriesOpenTheirFileInTheGenerationFolderAndSetTheDefault) {
    fs::path bw2 = MakeInstall("b2", kBW2);
    fs::path bw3 = MakeInstall("b3", kBW3);
    std::ofstream(bw3 / "kob70") << "x"; // a Wine folder with lower-case names
    AppSettings settings;
    settings.InstallFolders = {(root / "b1").string(), bw2.string(), bw3.string()};

    EXPECT_EQ(ResolveMenuOpen(32791 + 31, settings), bw2 / "MOB31"); // BW2 Greece
    EXPECT_EQ(settings.DefaultGeneration, kBW2);
    EXPECT_EQ(fs::canonical(CurrentFolder()), fs::canonical(bw2));
    EXPECT_EQ(OpenDialogFolder(settings), bw2.string());

    EXPECT_EQ(ResolveMenuOpen(32842, settings), root / "b1" / "OBPZ"); // BW1 leaves the default
    EXPECT_EQ(settings.DefaultGeneration, kBW2);

    EXPECT_EQ(ResolveMenuOpen(32822 + 70, settings), bw3 / "kob70"); // Germany, second world war
    EXPECT_EQ(settings.DefaultGeneration, kBW3);
    EXPECT_EQ(ResolveMenuOpen(32822 + 91, settings), bw3 / "KOB91"); // Free France
    EXPECT_EQ(ResolveMenuOpen(32847 + 8, settings), bw3 / "KOB08");  // PLO, modern
    EXPECT_FALSE(ResolveMenuOpen(57601, settings).has_value());
}

TEST_F(MenuOpen, OnlyPlainFilesOfSaneSizeAreTried) {
    std::ofstream(root / "one") << "x";
    EXPECT_FALSE(WhyNotOpenable(root / "one").has_value());
    EXPECT_TRUE(WhyNotOpenable(root / "none").has_value());
    EXPECT_TRUE(WhyNotOpenable(root).has_value());
#ifndef _WIN32
    EXPECT_TRUE(WhyNotOpenable("/dev/zero").has_value()); // would never end
#endif
    fs::resize_file(root / "one", 65u * 1024u * 1024u);
    EXPECT_TRUE(WhyNotOpenable(root / "one").has_value());
}

TEST_F(MenuOpen, SameFileSeesThroughDotsAndLinks) {
    std::ofstream(root / "OBPZ") << "x";
    fs::create_directories(root / "sub");
    EXPECT_TRUE(SameFile(root / "OBPZ", root / "sub" / ".." / "OBPZ"));
    fs::create_symlink(root / "OBPZ", root / "link");
    EXPECT_TRUE(SameFile(root / "OBPZ", root / "link"));
    EXPECT_FALSE(SameFile(root / "OBPZ", root / "sub"));
}

TEST(RecentFiles, KeepsFourNewestFirstWithoutDuplicatesAndRoundTrips) {
    RecentFileList list;
    for (const char* p : {"/a", "/b", "/c", "/d", "/b", "/e"}) list.Add(p);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/e", "/b", "/d", "/c"}));

    MemoryProfile profile;
    profile.WriteString("Recent File List", "File4", "/stale");
    list.Remove("/c");
    list.Save(profile);
    RecentFileList loaded;
    loaded.Load(profile);
    EXPECT_EQ(loaded.Entries(), (std::vector<std::string>{"/e", "/b", "/d"}));
}

TEST(ProfileValues, IntegersAreReadStrictly) {
    MemoryProfile profile;
    for (auto [text, expected] :
         std::vector<std::pair<std::string, std::optional<int>>>{{"2", 2},
                                                                 {"-1", -1},
                                                                 {"", std::nullopt},
                                                                 {"2x", std::nullopt},
                                                                 {" 2", std::nullopt},
                                                                 {"99999999999", std::nullopt}}) {
        profile.WriteString("S", "v", text);
        EXPECT_EQ(ReadProfileInt(profile, "S", "v"), expected) << text;
    }
    EXPECT_FALSE(ReadProfileInt(profile, "S", "absent").has_value());
}

} // namespace
