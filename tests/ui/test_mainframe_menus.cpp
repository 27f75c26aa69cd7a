#include "app/ui/messageswindow.h"
#include "test_mainframe_fixture.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QLabel>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QTreeWidget>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

// The titles of a menu bar's menus, or the entries of a menu ("-" for a separator, hidden ones left out).
QStringList Titles(const QList<QAction*>& actions) {
    QStringList titles;
    for (QAction* a : actions)
        if (a->isVisible()) titles << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return titles;
}

QMenu* MenuTitled(QWidget* bar, const QString& title) {
    for (QAction* a : bar->actions())
        if (a->text() == title) return a->menu();
    return nullptr;
}

class MainFrameMenus : public MainFrameTest {};

TEST_F(MainFrameMenus, MenuBarSwitchesBetweenNoDocumentAndDocumentStates) {
    EXPECT_EQ(frame->currentMenuBar()->objectName(), "111");
    EXPECT_EQ(Titles(frame->currentMenuBar()->actions()),
              QStringList({"&File", "&View", "&Options", "&Tools", "&Help"}));
    QMenu* file = MenuTitled(frame->currentMenuBar(), "&File");
    EXPECT_EQ(Titles(file->actions()), QStringList({"BW&1 Files", "BW&2 Files", "BW&3 Files", "-", "&Open...",
                                                    "-", "&Recent Files", "-", "E&xit"}));
    EXPECT_EQ(Titles(MenuTitled(file, "&Recent Files")->actions()).first(), "Recent File");

    ui::CChildFrame* child = Open(32842);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(frame->currentMenuBar()->objectName(), "113");
    EXPECT_EQ(Titles(frame->currentMenuBar()->actions()),
              QStringList({"&File", "&Edit", "&View", "&Options", "&Tools", "&Window", "&Help"}));
    file = MenuTitled(frame->currentMenuBar(), "&File");
    QStringList entries = Titles(file->actions());
    EXPECT_EQ(entries.mid(4, 8),
              QStringList({"&Open...", "&Close", "&Save", "Save &As...", "Re&vert To...", "-", "&Export", "&Import"}));
    // The file just opened, numbered in a submenu of its own so "&1" never clashes with "BW&1 Files".
    QStringList recentEntries = Titles(MenuTitled(file, "&Recent Files")->actions());
    ASSERT_EQ(recentEntries.size(), 1);
    EXPECT_TRUE(recentEntries.first().startsWith("&1 "));
    EXPECT_EQ(
        Titles(MenuTitled(frame->currentMenuBar(), "&Edit")->actions()),
        QStringList({"&Undo", "&Redo", "-", "Cu&t", "&Copy", "&Paste", "Cle&ar Record", "-", "Select A&ll",
                     "C&hange Field...", "Copy to &Other Files...", "-", "&Find...", "F&ilter"}));
    EXPECT_EQ(Titles(MenuTitled(frame->currentMenuBar(), "&Window")->actions()),
              QStringList({"&Cascade", "&Tile", "&Arrange Icons", "-", "Ta&bbed View"}));

    child->close();
    QTRY_COMPARE(frame->currentMenuBar()->objectName(), QString("111"));
}

TEST_F(MainFrameMenus, EntriesCarryTheirShortcutsPromptsAndStates) {
    EXPECT_EQ(Command(ID_FILE_OPEN)->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(Command(ID_FILE_SAVE)->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_TRUE(Command(ID_EDIT_COPY)->shortcuts().contains(QKeySequence("Ctrl+Ins")));
    EXPECT_TRUE(Command(ID_EDIT_PASTE)->shortcuts().contains(QKeySequence("Shift+Ins")));
    EXPECT_TRUE(Command(ID_EDIT_CUT)->shortcuts().contains(QKeySequence("Shift+Del")));
    EXPECT_TRUE(Command(ID_EDIT_UNDO)->shortcuts().contains(QKeySequence("Alt+Backspace")));
    EXPECT_EQ(Command(ID_NEXT_PANE)->shortcut(), QKeySequence("F6"));
    EXPECT_EQ(Command(ID_CONTEXT_HELP)->shortcut(), QKeySequence("Shift+F1"));

    EXPECT_EQ(Command(ID_UNIT_EDITOR)->statusTip(), "Unit Editor");
    EXPECT_EQ(Command(ID_UNIT_EDITOR)->toolTip(), "Units");
    EXPECT_EQ(Command(ID_GAME_MANAGER)->toolTip(), "Game Maintenance");
    EXPECT_EQ(Command(ID_OPTIONS_DELETE_REG_KEYS)->statusTip(), "Delete the Quorvant Registry Keys");

    Open(32842);
    for (int later : {ID_EDIT_PASTE, ID_OPTIONS_DELETE_REG_KEYS})
        EXPECT_FALSE(Command(later)->isEnabled()) << later;
    EXPECT_TRUE(Command(ID_GAME_MANAGER)->isEnabled());
    EXPECT_TRUE(Command(ID_FILE_SAVE)->isEnabled());
    EXPECT_TRUE(Command(ID_EDIT_COPY)->isEnabled()); // Paste waits for a record on the clipboard
    EXPECT_TRUE(Command(ID_VIEW_LBM_CROSS_REFERENCE)->isEnabled());
}

TEST_F(MainFrameMenus, ToolbarHoldsTheButtonsInOrderWithSeparators) {
    QStringList names;
    for (QAction* a : frame->toolBar()->actions()) names << (a->isSeparator() ? "|" : a->objectName());
    EXPECT_EQ(names, QStringList({"57601", "57603", "|",     "57635", "57634", "57637", "|",
                                  "57643", "57644", "|",     "57664", "|",     "40024", "40023",
                                  "40025", "|",     "40018", "40017", "|",     "40022", "40031"}));
    for (QAction* a : frame->toolBar()->actions()) {
        if (a->isSeparator()) continue;
        EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
    }
    EXPECT_FALSE(Command(ID_FILE_SAVE)->isEnabled()); // nothing to save yet
}

TEST_F(MainFrameMenus, GenerationSubmenusListEveryEntryAndFollowTheInstallFolders) {
    QMenu* bw2 = frame->generationMenu(kBW2);
    EXPECT_EQ(bw2->title(), "BW&2 Files");
    QStringList regions = Titles(bw2->actions());
    EXPECT_EQ(regions, QStringList({"&NATO", "&Warsaw PACT", "&Middle East", "&Far East", "&Generic"}));
    auto* greece = bw2->findChild<QAction*>("32822");
    ASSERT_NE(greece, nullptr);
    EXPECT_EQ(greece->text(), "&Greece");
    EXPECT_EQ(frame->generationMenu(kBW3)->findChild<QAction*>(QString::number(32822 + 91))->text(),
              "Fr&ee France");
    EXPECT_EQ(frame->generationMenu(kBW3)->findChild<QAction*>(QString::number(32847 + 8))->text(), "PL&O");
    EXPECT_EQ(frame->generationMenu(kBW1)->findChild<QAction*>("32842")->text(),
              "OB&PZ  (German, Soviet, Rumanian, French '40)");
    EXPECT_EQ(frame->generationMenu(kBW1)->actions().size(), 5);

    frame->UpdateGenerationMenus();
    EXPECT_TRUE(frame->generationMenu(kBW2)->isEnabled());
    dialogs.onSetPaths = [](AppSettings& s) {
        s.InstallFolders[kBW2].clear();
        return true;
    };
    Command(ID_OPTIONS_DIRECTORIES)->trigger();
    EXPECT_EQ(dialogs.setPathsRuns, 1);
    EXPECT_FALSE(frame->generationMenu(kBW2)->isEnabled());
    EXPECT_TRUE(frame->generationMenu(kBW3)->isEnabled());
    Command(ID_OPTIONS_STARTUP)->trigger();
    EXPECT_EQ(dialogs.gameDefaultsRuns, 1);
}

TEST_F(MainFrameMenus, ToolbarAndStatusBarToggleWithCheckMarks) {
    EXPECT_TRUE(Command(ID_VIEW_TOOLBAR)->isChecked());
    Command(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_FALSE(frame->toolBar()->isVisible());
    EXPECT_FALSE(Command(ID_VIEW_TOOLBAR)->isChecked());
    Command(ID_VIEW_STATUS_BAR)->trigger();
    EXPECT_FALSE(frame->statusBar()->isVisible());
    Command(ID_VIEW_STATUS_BAR)->trigger();
    Command(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_TRUE(frame->toolBar()->isVisible());
    EXPECT_TRUE(frame->statusBar()->isVisible());
    EXPECT_EQ(frame->statusBar()->findChild<QLabel*>("MessagePane")->text(), "Ready");
    for (const char* pane : {"IndicatorCAP", "IndicatorNUM", "IndicatorSCRL"})
        EXPECT_NE(frame->statusBar()->findChild<QLabel*>(pane), nullptr);
}

TEST_F(MainFrameMenus, AReportTooLongForTheBarIsShortenedThereAndKeptWholeInMessages) {
    ASSERT_NE(Open(32842), nullptr);
    QStatusBar* bar = frame->statusBar();
    frame->ShowStatusMessage("Saved OBPZ");
    EXPECT_EQ(bar->currentMessage(), "Saved OBPZ");
    EXPECT_TRUE(bar->toolTip().isEmpty());

    const QString report =
        "Pasted unit slot 2 \"Panther\": " + QString("weapon 1 75mm KwK (was 13); ").repeated(12);
    frame->ShowStatusMessage(report);
    const QString shown = bar->currentMessage();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_LT(bar->fontMetrics().horizontalAdvance(shown), frame->documentSummary()->x())
        << "it stops before the document's field";
    EXPECT_EQ(QTextDocumentFragment::fromHtml(bar->toolTip()).toPlainText(), report);
    EXPECT_TRUE(bar->toolTip().startsWith("<p>")) << "a rich text tip wraps at the screen's width";

    Command(ID_VIEW_MESSAGES)->trigger();
    ASSERT_TRUE(frame->messages()->isVisible());
    auto* list = frame->messages()->findChild<QTreeWidget*>("MessageList");
    const int rows = list->topLevelItemCount();
    ASSERT_GE(rows, 2);
    EXPECT_EQ(list->topLevelItem(rows - 2)->text(1), "Saved OBPZ");
    EXPECT_EQ(list->topLevelItem(rows - 1)->text(1), report);
    // The long report wraps in its row, whole, once the window has laid its rows out.
    QTRY_VERIFY(list->visualItemRect(list->topLevelItem(rows - 1)).height() >
                2 * list->fontMetrics().height());
    EXPECT_TRUE(
        QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(list->topLevelItem(rows - 1)->text(0)).hasMatch());
    EXPECT_TRUE(frame->frameGeometry().contains(frame->messages()->frameGeometry().center()));
}

TEST_F(MainFrameMenus, TheWindowMenuMarksDocumentsWithUnsavedChanges) {
    ui::CChildFrame* child = Open(32842);
    ASSERT_NE(child, nullptr);
    QMenu* window = MenuTitled(frame->currentMenuBar(), "&Window");
    for (bool modified : {true, false}) {
        child->document().SetModifiedFlag(modified);
        emit window->aboutToShow();
        EXPECT_EQ(Titles(window->actions()).last().endsWith(" *"), modified);
    }
}

TEST_F(MainFrameMenus, TableCommandsAreCheckedAndGreyedWhileTheirTableShows) {
    EXPECT_FALSE(Command(ID_UNIT_EDITOR)->isEnabled());
    ui::CChildFrame* child = Open(32842);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(Command(ID_UNIT_EDITOR)->isChecked());
    EXPECT_FALSE(Command(ID_UNIT_EDITOR)->isEnabled());
    EXPECT_TRUE(Command(ID_WEAPON_EDITOR)->isEnabled());

    Command(ID_WEAPON_EDITOR)->trigger();
    EXPECT_EQ(child->document().ViewMode, kViewWeapons);
    EXPECT_EQ(child->view()->CurrentKind(), kViewWeapons);
    EXPECT_TRUE(Command(ID_WEAPON_EDITOR)->isChecked());
    EXPECT_FALSE(Command(ID_WEAPON_EDITOR)->isEnabled());
    EXPECT_TRUE(Command(ID_UNIT_EDITOR)->isEnabled());
    EXPECT_FALSE(Command(ID_UNIT_EDITOR)->isChecked());

    // The mode belongs to the document: another document shows its own.
    ui::CChildFrame* second = Open(32843);
    ASSERT_NE(second, child);
    EXPECT_TRUE(Command(ID_UNIT_EDITOR)->isChecked());

    EXPECT_TRUE(Command(ID_VIEW_REPORT)->isChecked());
    Command(ID_VIEW_LIST)->trigger();
    EXPECT_FALSE(second->view()->ReportStyle());
    EXPECT_TRUE(Command(ID_VIEW_LIST)->isChecked());
    EXPECT_FALSE(Command(ID_VIEW_REPORT)->isChecked());
    EXPECT_TRUE(child->view()->ReportStyle());
}

} // namespace
