#include "game/setpathsrules.h"
#include "test_settings_fixture.h"

using namespace quorvant;
using namespace quorvant::testing;

namespace {

class SettingsRoutine : public SettingsTest {
  protected:
    SettingsRoutineResult Run() { return RunSettingsRoutine(profile, dialogs, settings); }
    bool Exists(const fs::path& p) const { return fs::is_directory(p); }

    ScriptedDialogs dialogs;
    AppSettings settings;
};

TEST_F(SettingsRoutine, FirstRunAsksForFoldersThenSetsVersionCreatesFoldersAndAsksForDefaults) {
    fs::path bw1 = MakeInstall("b1", kBW1);
    fs::path bw2 = MakeInstall("b2", kBW2);
    dialogs.onSetPaths = [&](AppSettings& s) {
        ApplySetPaths({bw1.string() + "  ", bw2.string(), ""}, s, profile);
        return true;
    };
    SettingsRoutineResult result = Run();

    EXPECT_EQ(dialogs.setPathsRuns, 1);
    EXPECT_EQ(dialogs.gameDefaultsRuns, 1); // "Save Default" absent counts as never chosen
    EXPECT_TRUE(result.foldersKnown);
    EXPECT_EQ(Get("Version"), "2");
    EXPECT_EQ(Get("PathSet"), "1");
    EXPECT_EQ(Get("BW1 Path"), bw1.string());
    EXPECT_EQ(Get("BW3 Path"), "<absent>");
    EXPECT_EQ(settings.InstallFolder(kBW2), bw2.string());
    // Only the generations with a folder get working folders.
    EXPECT_TRUE(Exists(bw1 / "Email" / "Quorvant.bak"));
    EXPECT_TRUE(Exists(bw1 / "Email" / "ZipFiles"));
    EXPECT_TRUE(Exists(bw2 / "Exports"));
    EXPECT_FALSE(Exists(root / "b3"));
}

TEST_F(SettingsRoutine, FirstRunCancelledWithNothingSetRecordsThatNoFolderIsKnown) {
    Run();
    EXPECT_EQ(dialogs.setPathsRuns, 1);
    EXPECT_EQ(Get("PathSet"), "0");
    EXPECT_EQ(Get("Version"), "<absent>");

    // Next start: asked before, none known, version empty: the folders are read again, still none.
    dialogs.setPathsRuns = 0;
    Run();
    EXPECT_EQ(dialogs.setPathsRuns, 0);
    EXPECT_EQ(Get("PathSet"), "0");
}

TEST_F(SettingsRoutine, CancelledWhileVersionIsSetForgetsTheFolders) {
    fs::path bw1 = MakeInstall("b1", kBW1);
    Set("Version", "2");
    Set("BW1 Path", bw1.string());
    Run(); // PathSet absent: asked, cancelled
    EXPECT_EQ(Get("PathSet"), "0");
    EXPECT_FALSE(settings.HasInstallFolder(kBW1));
    EXPECT_FALSE(Exists(bw1 / "Exports"));
}

TEST_F(SettingsRoutine, DecisionTableForPathSetAndVersion) {
    fs::path bw3 = MakeInstall("b3", kBW3);
    Set("BW3 Path", bw3.string());
    Set("Save Default", "1166");
    Set("BW Default", "2");

    // Set up before: read, made current, working folders created, nothing written.
    Set("PathSet", "1");
    Set("Version", "2");
    profile.writes = 0;
    EXPECT_TRUE(Run().foldersKnown);
    EXPECT_EQ(profile.writes, 0);
    EXPECT_EQ(dialogs.setPathsRuns + dialogs.gameDefaultsRuns, 0);
    EXPECT_EQ(fs::canonical(CurrentFolder()), fs::canonical(bw3));
    EXPECT_TRUE(Exists(bw3 / "Exports"));
    EXPECT_TRUE(Exists(bw3 / "save" / "ZipFiles"));

    // PathSet 0 with version 2: the folders stay unknown.
    Set("PathSet", "0");
    EXPECT_FALSE(Run().foldersKnown);
    EXPECT_FALSE(settings.HasInstallFolder(kBW3));

    // PathSet 0 with empty version: read again; known, so the version is written.
    profile.Remove(kSettingsSection, "Version");
    EXPECT_TRUE(Run().foldersKnown);
    EXPECT_EQ(Get("Version"), "2");

    // Any other version text turns PathSet into 0 and creates nothing.
    fs::remove_all(bw3 / "Exports");
    Set("PathSet", "1");
    Set("Version", "1.5");
    EXPECT_FALSE(Run().foldersKnown);
    EXPECT_EQ(Get("PathSet"), "0");
    EXPECT_FALSE(Exists(bw3 / "Exports"));
    EXPECT_EQ(dialogs.setPathsRuns, 0);
}

TEST_F(SettingsRoutine, BadProfileValuesFallBackToSafeOnes) {
    fs::path bw1 = MakeInstall("b1", kBW1);
    Set("PathSet", "1");
    Set("Version", "2");
    Set("BW1 Path", bw1.string());
    Set("BW2 Path", (root / "gone").string()); // no such folder
    Set("BW Default", "7");
    Set("Save Default", "abc");
    Run();
    EXPECT_EQ(settings.DefaultGeneration, kBW1);
    EXPECT_EQ(dialogs.gameDefaultsRuns, 1);
    EXPECT_FALSE(settings.HasInstallFolder(kBW2));
    EXPECT_FALSE(fs::exists(root / "gone")); // never created by the working folders

    // A Save Default past the last button also asks again; PathSet garbage asks for the folders.
    Set("Save Default", "5000");
    Set("PathSet", "one");
    Set("BW Default", "-1");
    dialogs.gameDefaultsRuns = 0;
    Run();
    EXPECT_EQ(dialogs.gameDefaultsRuns, 1);
    EXPECT_EQ(dialogs.setPathsRuns, 1);
    EXPECT_EQ(settings.DefaultGeneration, kBW1);
}

TEST_F(SettingsRoutine, ValidSaveDefaultDoesNotAskAndIsHeld) {
    Set("PathSet", "0");
    Set("Version", "2");
    Set("Save Default", "1163");
    Run();
    EXPECT_EQ(dialogs.gameDefaultsRuns, 0);
    EXPECT_EQ(settings.SaveDefault, 1163);
    EXPECT_TRUE(settings.ArchiverCommand.empty());
}

} // namespace
