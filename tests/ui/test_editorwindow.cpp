#include "app/ui/messageswindow.h"
#include "app/ui/quorvantapp.h"
#include "exchange/ui/sectiondialog.h"
#include "game/setpathsrules.h"
#include "game/ui/setpathsdialog.h"
#include "test_mainframe_fixture.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

class EditorWindow : public MainFrameTest {
  protected:
    ui::CChildFrame* OpenPath(const fs::path& path) {
        return frame->OpenDocumentFile(QString::fromStdString(path.string()));
    }
    bool InsideArea(QWidget* w) const { return frame->mdiArea()->viewport()->rect().contains(w->geometry()); }
};

} // namespace

TEST_F(EditorWindow, AFileThatIsNotAnOBFileOpensAndIsRewrittenOnlyWhenTheUserSaysSo) {
    const fs::path text = root / "passwd";
    const std::vector<std::uint8_t> bytes(1221, 'x');
    WriteBytes(text, bytes);
    prompts.answers = {ui::PromptAnswer::Cancel};
    EXPECT_EQ(OpenPath(text), nullptr);
    EXPECT_TRUE(frame->childFrames().empty());
    prompts.asked.clear();
    ui::CChildFrame* child = OpenPath(text);
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].kind, ui::PromptKind::OpenCancel);
    EXPECT_TRUE(prompts.asked[0].text.startsWith("passwd does not look like an OB file: it is 1,221 bytes"));
    EXPECT_TRUE(recent.Entries().empty()) << "not a recent OB file until saved as one";

    prompts.asked.clear();
    prompts.answers = {ui::PromptAnswer::No};
    Command(ID_FILE_SAVE)->trigger();
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].kind, ui::PromptKind::YesNo);
    EXPECT_EQ(prompts.asked[0].text, "Rewrite passwd as a complete BW1 OB file?");
    EXPECT_EQ(ReadBytes(text), bytes);

    // Closing with Save asks the same; No keeps both the file and the window.
    child->document().SetModifiedFlag(true);
    prompts.asked.clear();
    prompts.answers = {ui::PromptAnswer::Yes, ui::PromptAnswer::No};
    child->close();
    QApplication::processEvents();
    EXPECT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(ReadBytes(text), bytes);
    ASSERT_EQ(frame->childFrames().size(), 1u);

    // Save As to a new file does not ask, and leaves the text file alone.
    prompts.asked.clear();
    chooser.answers = {QString::fromStdString((root / "OBNEW").string())};
    Command(ID_FILE_SAVE_AS)->trigger();
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(ReadBytes(root / "OBNEW").size(), 38500u);
    EXPECT_EQ(ReadBytes(text), bytes);
    EXPECT_EQ(recent.Entries().size(), 1u);
}

TEST_F(EditorWindow, YesRewritesTheShortFileAsACompleteOne) {
    const fs::path text = root / "short";
    WriteBytes(text, std::vector<std::uint8_t>(100, 'x'));
    ASSERT_NE(OpenPath(text), nullptr);
    prompts.answers = {ui::PromptAnswer::Yes};
    Command(ID_FILE_SAVE)->trigger();
    EXPECT_EQ(ReadBytes(text).size(), 38500u);
    EXPECT_EQ(recent.Entries().size(), 1u);
    // Complete now: a second save asks nothing.
    prompts.asked.clear();
    Command(ID_FILE_SAVE)->trigger();
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(EditorWindow, DocumentsOpenMaximisedOrFullyInsideTheArea) {
    ui::CChildFrame* first = Open(32842);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isMaximized());

    first->showNormal();
    first->move(frame->mdiArea()->viewport()->width() - 50, 0); // nearly off the area
    ui::CChildFrame* second = Open(32843);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(second->isMaximized()) << "the user keeps windows side by side";
    EXPECT_TRUE(InsideArea(second));
    EXPECT_GT(second->height(), frame->mdiArea()->viewport()->height() / 2) << "never a bare title bar";

    Command(ID_WINDOW_CASCADE)->trigger();
    for (ui::CChildFrame* child : frame->childFrames()) {
        EXPECT_TRUE(InsideArea(child));
        EXPECT_NEAR(child->width(), frame->mdiArea()->viewport()->width() * 2 / 3, 2);
    }
}

TEST_F(EditorWindow, TheCommandLineFileOpensMaximisedInTheShownWindow) {
    ScriptedDialogs none;
    ui::CQuorvantApp app(profile, &none);
    ASSERT_TRUE(app.InitInstance({QString::fromStdString((bw1 / "OBPZ").string())}));
    ASSERT_EQ(app.mainFrame()->childFrames().size(), 1u);
    ui::CChildFrame* child = app.mainFrame()->childFrames().front();
    EXPECT_TRUE(child->isMaximized());
    QTRY_VERIFY(app.mainFrame()->mdiArea()->viewport()->rect().contains(child->geometry()));
    EXPECT_GT(child->height(), 100);
    app.mainFrame()->close();
}

TEST_F(EditorWindow, TabbedViewIsACheckItemKeptInTheProfile) {
    Open(32842);
    Open(32843);
    QAction* tabbed = Command(ID_WINDOW_TABBED);
    ASSERT_TRUE(tabbed->isCheckable());
    tabbed->trigger();
    EXPECT_EQ(frame->mdiArea()->viewMode(), QMdiArea::TabbedView);
    EXPECT_TRUE(frame->mdiArea()->tabsClosable());
    EXPECT_FALSE(Command(ID_WINDOW_CASCADE)->isEnabled());
    EXPECT_EQ(ReadProfileInt(profile, "Window", "Tabbed View"), 1);

    ui::CMainFrame again(settings, profile, recent);
    EXPECT_EQ(again.mdiArea()->viewMode(), QMdiArea::TabbedView);
    EXPECT_TRUE(again.action(ID_WINDOW_TABBED)->isChecked());
    tabbed->trigger();
    EXPECT_EQ(ReadProfileInt(profile, "Window", "Tabbed View"), 0);
}

TEST_F(EditorWindow, TheStatusBarSummarisesTheActiveDocumentAndSaysWhatCommandsDid) {
    ui::CChildFrame* greece = Open(32791 + 31);
    ASSERT_NE(greece, nullptr);
    EXPECT_EQ(
        frame->documentSummary()->text(),
        QString::fromUtf8("BW2 \u00b7 MOB31 Greece \u00b7 0 weapons \u00b7 1 units \u00b7 0 formations"));
    EXPECT_EQ(frame->documentSummary()->toolTip().toStdString(), (bw2 / "MOB31").string());
    greece->document().SetModifiedFlag(true);
    Command(ID_FILE_SAVE)->trigger();
    EXPECT_EQ(frame->messages()->last(), "Saved MOB31");

    ui::ScriptedSectionChooser sections;
    sections.answers = {std::vector<CsvSection>{CsvSection::Weapons, CsvSection::Units}};
    fs::create_directories(bw2 / "Exports");
    Command(ID_FILE_EXPORT)->trigger();
    EXPECT_EQ(frame->messages()->last().toStdString(), "Exported 2 files to " + (bw2 / "Exports").string());
    EXPECT_EQ(prompts.asked.back().text, "Export Complete");
    EXPECT_TRUE(prompts.asked.back().detail.contains("MOB31WEP.csv"));
    EXPECT_TRUE(prompts.asked.back().detail.contains(QString::fromStdString((bw2 / "Exports").string())));
}

TEST_F(EditorWindow, HideEmptySlotsFollowsTheActiveView) {
    ui::CChildFrame* child = Open(32842);
    QAction* hide = Command(ID_VIEW_HIDE_EMPTY);
    ASSERT_TRUE(hide->isEnabled());
    hide->trigger();
    EXPECT_TRUE(child->view()->HideEmptySlots());
    EXPECT_EQ(child->view()->reportView()->model()->rowCount(), 1) << "OBPZ names one unit";
}

TEST(SectionDialogOk, StaysDisabledUntilATableIsTicked) {
    ui::CSectionDialog dialog(QStringLiteral("Export"));
    QPushButton* ok = dialog.findChild<QPushButton*>(QStringLiteral("1"));
    EXPECT_FALSE(ok->isEnabled());
    auto* units = dialog.findChild<QCheckBox*>(QStringLiteral("1421"));
    units->click();
    EXPECT_TRUE(ok->isEnabled());
    units->click();
    EXPECT_FALSE(ok->isEnabled());
}

class SetPathsWarning : public SettingsTest {};

TEST_F(SetPathsWarning, AFolderWithoutItsGameIsNamedAndMayBeCorrected) {
    AppSettings settings;
    ui::ScriptedPrompts prompts;
    ui::CSetPathsDlg dialog(settings, profile);
    auto* bw1Field = dialog.findChild<QLineEdit*>("1380");
    dialog.findChild<QLineEdit*>("1381")->clear();
    dialog.findChild<QLineEdit*>("1167")->clear();
    bw1Field->setText("/nonexistent/folder");
    dialog.show();

    prompts.answers = {ui::PromptAnswer::Yes};
    QTest::mouseClick(dialog.findChild<QPushButton*>("1"), Qt::LeftButton);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_TRUE(prompts.asked[0].text.startsWith("No brass.exe in /nonexistent/folder; BW1 stays unset."));
    EXPECT_TRUE(dialog.isVisible()) << "the user corrects it";

    fs::path bw1 = MakeInstall("bw1", kBW1);
    bw1Field->setText(QString::fromStdString(bw1.string()));
    QTest::mouseClick(dialog.findChild<QPushButton*>("1"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(settings.InstallFolder(kBW1), bw1.string());
}

TEST_F(SetPathsWarning, EveryFolderWithoutItsGameIsNamedInOneQuestion) {
    AppSettings settings;
    ui::ScriptedPrompts prompts;
    ui::CSetPathsDlg dialog(settings, profile);
    for (const char* field : {"1380", "1381", "1167"})
        dialog.findChild<QLineEdit*>(field)->setText(QStringLiteral("/nonexistent/") + field);
    prompts.answers = {ui::PromptAnswer::No};
    QTest::mouseClick(dialog.findChild<QPushButton*>("1"), Qt::LeftButton);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, "No brass.exe in /nonexistent/1380; BW1 stays unset.\n"
                                     "No brass2.exe in /nonexistent/1381; BW2 stays unset.\n"
                                     "No brass3.exe in /nonexistent/1167; BW3 stays unset.\n\n"
                                     "Correct the folders now?");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(settings.HasInstallFolder(kBW1) || settings.HasInstallFolder(kBW2) ||
                 settings.HasInstallFolder(kBW3));
}
