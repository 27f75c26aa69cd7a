#include "app/ui/aboutbox.h"
#include "app/ui/helpwindow.h"
#include "app/ui/quorvantapp.h"
#include "game/setpathsrules.h"
#include "game/ui/gamedefaultsdialog.h"
#include "game/ui/qsettingsprofile.h"
#include "game/ui/setpathsdialog.h"
#include "test_mainframe_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

class SetPathsDialog : public SettingsTest {
  protected:
    AppSettings settings;
};

TEST_F(SetPathsDialog, FieldsStartFromTheSettingsAndOkKeepsOnlyRealInstalls) {
    fs::path bw1 = MakeInstall("bw1", kBW1);
    fs::path bw3 = MakeInstall("bw3", kBW3);
    settings.InstallFolders = {bw1.string(), "/old/bw2", ""};
    Set("BW2 Path", "/old/bw2");
    ui::CSetPathsDlg dialog(settings, profile);
    EXPECT_EQ(dialog.windowTitle(), "Set Paths");
    auto* bw1Field = dialog.findChild<QLineEdit*>("1380");
    auto* bw2Field = dialog.findChild<QLineEdit*>("1381");
    auto* bw3Field = dialog.findChild<QLineEdit*>("1167");
    ASSERT_TRUE(bw1Field && bw2Field && bw3Field);
    EXPECT_EQ(bw1Field->text().toStdString(), bw1.string());
    EXPECT_EQ(bw3Field->text().toStdString(), ProposedInstallFolder(kBW3));

    bw1Field->setText(QString::fromStdString(bw1.string()) + "   ");
    bw2Field->clear();
    bw3Field->setText(QString::fromStdString(bw3.string()));
    QTest::mouseClick(dialog.findChild<QPushButton*>("1"), Qt::LeftButton);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Get("BW1 Path"), bw1.string());
    EXPECT_EQ(Get("BW2 Path"), "/old/bw2");
    EXPECT_EQ(Get("BW3 Path"), bw3.string());
    EXPECT_EQ(Get("PathSet"), "1");
    EXPECT_FALSE(settings.HasInstallFolder(kBW2));
}

TEST_F(SetPathsDialog, CancelChangesNothingAndBrowseFillsTheField) {
    fs::path bw2 = MakeInstall("bw2", kBW2);
    ui::ScriptedFileChooser chooser;
    chooser.answers = {QString::fromStdString(bw2.string())};
    ui::CSetPathsDlg dialog(settings, profile);
    QTest::mouseClick(dialog.findChild<QPushButton*>("1381Browse"), Qt::LeftButton);
    EXPECT_EQ(dialog.findChild<QLineEdit*>("1381")->text().toStdString(), bw2.string());
    QTest::mouseClick(dialog.findChild<QPushButton*>("2"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(profile.writes, 0);
    EXPECT_FALSE(settings.HasInstallFolder(kBW2));
}

class GameDefaultsDialog : public SettingsTest {
  protected:
    AppSettings settings;
};

TEST_F(GameDefaultsDialog, OnlyInstalledGenerationsAreOfferedAndEachChecksItsGameManagerButton) {
    fs::path bw1 = MakeInstall("bw1", kBW1);
    settings.InstallFolders = {bw1.string(), "", ""};
    ui::CGameDefaultsDlg dialog(settings, profile);
    EXPECT_EQ(dialog.windowTitle(), "Game Defaults");
    EXPECT_TRUE(dialog.button(1400)->isEnabled());
    EXPECT_FALSE(dialog.button(1401)->isEnabled());
    EXPECT_FALSE(dialog.button(1404)->isEnabled());
    EXPECT_TRUE(dialog.button(1400)->isChecked());
    for (int id = 1162; id <= 1166; ++id) EXPECT_FALSE(dialog.button(id)->isChecked()) << id;
    EXPECT_EQ(dialog.button(1166)->text(), "BW &3");

    QTest::mouseClick(dialog.button(1400), Qt::LeftButton);
    EXPECT_TRUE(dialog.button(1162)->isChecked());
    EXPECT_EQ(fs::canonical(CurrentFolder()), fs::canonical(bw1));

    // A generation button checks its own game manager button, whichever was chosen before.
    settings.InstallFolders = {bw1.string(), bw1.string(), bw1.string()};
    ui::CGameDefaultsDlg all(settings, profile);
    QTest::mouseClick(all.button(1165), Qt::LeftButton);
    QTest::mouseClick(all.button(1404), Qt::LeftButton);
    EXPECT_TRUE(all.button(1166)->isChecked());
    EXPECT_FALSE(all.button(1165)->isChecked());
    QTest::mouseClick(all.button(1401), Qt::LeftButton);
    EXPECT_TRUE(all.button(1164)->isChecked());
}

TEST_F(GameDefaultsDialog, OkWritesTheChoicesAndCancelStoresNothing) {
    fs::path bw1 = MakeInstall("bw1", kBW1);
    settings.InstallFolders = {bw1.string(), bw1.string(), ""};
    settings.SaveDefault = 1163;
    {
        ui::CGameDefaultsDlg dialog(settings, profile);
        EXPECT_TRUE(dialog.button(1163)->isChecked());
        QTest::mouseClick(dialog.button(1401), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("2"), Qt::LeftButton);
    }
    EXPECT_EQ(profile.writes, 0);
    EXPECT_EQ(settings.DefaultGeneration, kBW1);

    ui::CGameDefaultsDlg dialog(settings, profile);
    QTest::mouseClick(dialog.button(1401), Qt::LeftButton);
    QTest::mouseClick(dialog.button(1165), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("1"), Qt::LeftButton);
    EXPECT_EQ(Get("BW Default"), "1");
    EXPECT_EQ(Get("Save Default"), "1165");
    EXPECT_EQ(settings.DefaultGeneration, kBW2);
    EXPECT_EQ(settings.SaveDefault, 1165);
}

TEST_F(GameDefaultsDialog, OkWithoutAGameManagerChoiceLeavesItAsItWas) {
    fs::path bw1 = MakeInstall("bw1", kBW1);
    settings.InstallFolders = {bw1.string(), "", ""};
    settings.SaveDefault = kGameManagerNotChosen;
    ui::CGameDefaultsDlg dialog(settings, profile);
    QTest::mouseClick(dialog.findChild<QPushButton*>("1"), Qt::LeftButton);
    EXPECT_EQ(Get("BW Default"), "0");
    EXPECT_EQ(Get("Save Default"), "<absent>");
    EXPECT_EQ(settings.SaveDefault, kGameManagerNotChosen);
}

TEST_F(GameDefaultsDialog, AGenerationWithoutFolderIsNeitherCheckedNorStored) {
    fs::path bw2 = MakeInstall("bw2", kBW2);
    settings.InstallFolders = {"", bw2.string(), ""};
    settings.DefaultGeneration = kBW3;
    settings.SaveDefault = 1166;
    {
        ui::CGameDefaultsDlg dialog(settings, profile);
        EXPECT_TRUE(dialog.button(1401)->isChecked()) << "the first installed generation stands in";
        EXPECT_FALSE(dialog.button(1404)->isChecked());
        for (int id : {1162, 1163, 1166}) EXPECT_FALSE(dialog.button(id)->isEnabled()) << id;
        for (int id = 1162; id <= 1166; ++id) EXPECT_FALSE(dialog.button(id)->isChecked()) << id;
        QTest::mouseClick(dialog.findChild<QPushButton*>("1"), Qt::LeftButton);
    }
    EXPECT_EQ(Get("BW Default"), "1");
    EXPECT_EQ(Get("Save Default"), "<absent>");

    settings.InstallFolders = {};
    int writes = profile.writes;
    ui::CGameDefaultsDlg none(settings, profile);
    QTest::mouseClick(none.findChild<QPushButton*>("1"), Qt::LeftButton);
    EXPECT_EQ(settings.DefaultGeneration, kBW2) << "nothing installed: nothing chosen, nothing stored";
    EXPECT_EQ(profile.writes, writes);
}

class Application : public SettingsTest {};

TEST_F(Application, StartsWithTheCommandLineFileAndRerunsTheSettingsOnRequest) {
    fs::path bw1 = MakeInstall("bw1", kBW1);
    WriteBytes(bw1 / "OBPZ", quorvant::testing::OBFileBuilder::BW1().bytes());
    ScriptedDialogs dialogs;
    dialogs.onSetPaths = [&](AppSettings& s) {
        ApplySetPaths({bw1.string(), "", ""}, s, profile);
        return true;
    };
    {
        ui::CQuorvantApp app(profile, &dialogs);
        ASSERT_TRUE(app.InitInstance({QString::fromStdString((bw1 / "OBPZ").string())}));
        EXPECT_TRUE(app.mainFrame()->isVisible());
        EXPECT_EQ(app.mainFrame()->childFrames().size(), 1u);
        EXPECT_EQ(dialogs.setPathsRuns, 1);
        EXPECT_EQ(dialogs.gameDefaultsRuns, 1);
        EXPECT_TRUE(app.mainFrame()->generationMenu(kBW1)->isEnabled());
        EXPECT_FALSE(app.mainFrame()->generationMenu(kBW2)->isEnabled());
        EXPECT_EQ(Get("Version"), "2");

        QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(ui::kRerunSettingsEvent));
        QTRY_COMPARE(dialogs.gameDefaultsRuns, 2);
        EXPECT_EQ(dialogs.setPathsRuns, 1); // asked once; the folders are known now

        int writes = profile.writes;
        app.mainFrame()->close();
        EXPECT_EQ(profile.writes, writes);
    }
}

TEST(QSettingsProfile, KeepsValuesInTheFolderItIsPointedAt) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ui::QSettingsProfile::UseFolder(folder.path());
    {
        ui::QSettingsProfile profile;
        profile.WriteInt(kSettingsSection, kBWDefaultValue, 2);
        profile.WriteString(kSettingsSection, kVersionValue, "2");
        EXPECT_EQ(ReadDefaultGeneration(profile), 2);
        profile.WriteString(kSettingsSection, kBWDefaultValue, "7");
        EXPECT_EQ(ReadDefaultGeneration(profile), 0);
        profile.Remove(kSettingsSection, kVersionValue);
        EXPECT_FALSE(profile.ReadString(kSettingsSection, kVersionValue).has_value());
    }
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Vexmoor Software", "Quorvant");
    EXPECT_TRUE(raw.fileName().startsWith(folder.path())) << raw.fileName().toStdString();
    raw.setValue("Settings/Save Default", QStringList{"1162", "1163"});
    ui::QSettingsProfile profile;
    EXPECT_EQ(ReadSaveDefault(profile), kGameManagerNotChosen);
}

TEST(AboutAndHelp, AboutShowsThePictureAndCreditsAndHelpShowsTheShippedPage) {
    ui::CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Quorvant");
    auto* picture = about.findChild<QLabel*>("108");
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
    EXPECT_TRUE(about.findChild<QLabel*>("credits")->text().contains("Quorvant"));

    auto* help = new ui::HelpWindow;
    EXPECT_TRUE(help->toPlainText().contains("Set Paths"));
    help->close(); // deletes itself
}

} // namespace
