// The record lists worked from the keyboard alone: moving the row, opening its editor, leaving.

#include "editors/ui/editorhost.h"
#include "test_mainframe_fixture.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>

namespace quorvant::testing {
namespace {

class KeyboardLists : public MainFrameTest {
  protected:
    // The shown list of the active document, focused, in the window the user works in.
    QAbstractItemView* FocusedList(int mode) {
        frame->action(ViewModeCommand(mode))->trigger();
        view = frame->activeChild()->view();
        QAbstractItemView* list = view->activeView();
        frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        list->setFocus();
        return list;
    }
    // Each table of the active document in each list style, focused.
    template <typename Check> void ForEachShownList(Check check) {
        for (bool report : {true, false}) {
            frame->action(report ? ID_VIEW_REPORT : ID_VIEW_LIST)->trigger();
            for (int mode : {kViewWeapons, kViewUnits, kViewFormations}) {
                SCOPED_TRACE(::testing::Message() << "table " << mode << (report ? " report" : " list"));
                check(mode, FocusedList(mode));
            }
        }
    }
    int Row(QAbstractItemView* list) const { return list->currentIndex().row(); }
    ui::CUnitView* view = nullptr;
};

TEST_F(KeyboardLists, ArrowsHomeEndAndPagesMoveTheRowOfEachTable) {
    ASSERT_NE(Open(32842), nullptr);
    ForEachShownList([this](int mode, QAbstractItemView* list) {
        const int last = list->model()->rowCount() - 1;
        ASSERT_GT(last, 40);
        QTest::keyClick(list, Qt::Key_Home);
        EXPECT_EQ(Row(list), 0);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(Row(list), 2);
        QTest::keyClick(list, Qt::Key_Up);
        EXPECT_EQ(Row(list), 1);
        QTest::keyClick(list, Qt::Key_End);
        EXPECT_EQ(Row(list), last);
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_PageDown);
        EXPECT_GT(Row(list), 1);
        QTest::keyClick(list, Qt::Key_PageUp);
        EXPECT_EQ(Row(list), 0);
        // The row the keys chose is the one the table comes back to.
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        FocusedList(mode == kViewUnits ? kViewWeapons : kViewUnits);
        EXPECT_EQ(Row(FocusedList(mode)), 3);
    });
}

TEST_F(KeyboardLists, EnterOrReturnOpensTheEditorOfTheRowTheKeysChose) {
    ASSERT_NE(Open(32842), nullptr);
    for (int mode : {kViewWeapons, kViewUnits, kViewFormations}) {
        SCOPED_TRACE(mode);
        QAbstractItemView* list = FocusedList(mode);
        QSignalSpy asked(view, &ui::CUnitView::editRequested);
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
        ASSERT_EQ(asked.size(), 2);
        // Slot = row + 1 in slot order.
        EXPECT_EQ(asked[0], QVariantList({mode, 2}));
        EXPECT_EQ(asked[1], QVariantList({mode, 3}));
    }
    // The frame really opens the editor on it.
    QAbstractItemView* list = FocusedList(kViewWeapons);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(frame->activeChild()->editors()->AnyOpen());
}

TEST_F(KeyboardLists, TabLeavesTheRowsAndShiftTabComesBackFromTheFilter) {
    ASSERT_NE(Open(32822), nullptr);
    ForEachShownList([this](int, QAbstractItemView* list) {
        QTest::keyClick(list, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), list);
        EXPECT_FALSE(list->isAncestorOf(QApplication::focusWidget()));
        // Back with Shift+Tab, from the filter box above the rows.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), view->filterBox());
    });
}

} // namespace
} // namespace quorvant::testing
