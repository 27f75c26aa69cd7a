#include "analysis/ui/finddialog.h"
#include "app/ui/aboutbox.h"
#include "exchange/ui/sectiondialog.h"
#include "game/ui/gamedefaultsdialog.h"
#include "game/ui/setpathsdialog.h"
#include "gamemgr/ui/gamemanagerdlg.h"
#include "pictures/ui/xrefdialog.h"
#include "tests/ui/keyboard_walk.h"
#include "tests/ui/test_mainframe_fixture.h"
#include "tests/ui/test_tableeditor_fixture.h"
#include "workspace/commandids.h"

#include <QTabWidget>

namespace quorvant::testing {
namespace {

class KeyboardAccess : public MainFrameTest {};

TEST_F(KeyboardAccess, SettingsDialogs) {
    ui::CSetPathsDlg paths(settings, profile);
    EXPECT_TRUE(KeyboardReachable(&paths));
    ui::CGameDefaultsDlg defaults(settings, profile);
    EXPECT_TRUE(KeyboardReachable(&defaults));
    ui::CAboutDlg about;
    EXPECT_TRUE(KeyboardReachable(&about));
    ui::CSectionDialog sections(QStringLiteral("Export"));
    EXPECT_TRUE(KeyboardReachable(&sections));
}

TEST_F(KeyboardAccess, GameManager) {
    ui::CGameManagerDlg dialog(settings);
    EXPECT_TRUE(KeyboardReachable(&dialog));
}

TEST_F(KeyboardAccess, PictureCrossReference) {
    CPicRefCache cache;
    ui::CLbmCrossRefDlg dialog(settings, cache, frame.get());
    dialog.setCdRoot({});
    EXPECT_TRUE(KeyboardReachable(&dialog));
}

TEST_F(KeyboardAccess, DesignersTools) {
    ASSERT_NE(Open(32842), nullptr);
    auto* find = new ui::FindDialog(*frame);
    EXPECT_TRUE(KeyboardReachable(find));
    find->close();
    Command(ID_TOOLS_CHECK_REFERENCES)->trigger();
    auto* check = frame->findChild<ui::FindingsWindow*>(QStringLiteral("CheckReferences"));
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(KeyboardReachable(check));
    check->close();
}

class EditorKeyboardAccess : public TableEditorTest {};

TEST_F(EditorKeyboardAccess, EveryPageOfTheUnitSheetInEachGeneration) {
    for (auto file : {quorvant::testing::OBFileBuilder::BW1(), quorvant::testing::OBFileBuilder::BW2(),
                      quorvant::testing::OBFileBuilder::BW3()}) {
        read(file);
        ui::CUnitsPropSheet* unitSheet = open(1);
        auto* tabs = unitSheet->findChild<QTabWidget*>();
        ASSERT_NE(tabs, nullptr);
        for (int p = 0; p < tabs->count(); ++p) {
            tabs->setCurrentIndex(p);
            EXPECT_TRUE(KeyboardReachable(unitSheet)) << "generation " << doc->Generation << " page " << p;
        }
    }
}

TEST_F(EditorKeyboardAccess, FormationAndWeaponEditorsInEachGeneration) {
    for (auto file : {quorvant::testing::OBFileBuilder::BW1(), quorvant::testing::OBFileBuilder::BW2(),
                      quorvant::testing::OBFileBuilder::BW3()}) {
        readNamed(file);
        EXPECT_TRUE(KeyboardReachable(openFormation(1))) << "generation " << doc->Generation;
        EXPECT_TRUE(KeyboardReachable(openWeapon(1))) << "generation " << doc->Generation;
    }
}

} // namespace
} // namespace quorvant::testing
