#include "obdata/quorvantdoc.h"
#include "platform/ui/promptservice.h"
#include "tests/core/obfile_builder.h"
#include "views/columnsets.h"
#include "views/ui/recordsortproxy.h"
#include "views/ui/recordtablemodel.h"
#include "views/ui/unitview.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QListView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace quorvant;
using namespace quorvant::ui;
using quorvant::testing::OBFileBuilder;

namespace {

OBFileBuilder NamedFile(OBFileBuilder file) {
    for (int s = 1; s <= 20; ++s) {
        std::string n = std::to_string(s);
        file.unitName(s, "Unit " + n).weaponName(s, "Gun " + n).formationName(s, "Coy " + n);
    }
    return file;
}

class UnitViewTest : public ::testing::Test {
  protected:
    void open(const OBFileBuilder& file) {
        doc.ReadBytes(file.bytes());
        view = std::make_unique<CUnitView>(doc);
        view->resize(640, 480);
        view->show();
        view->OnInitialUpdate();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    void SetUp() override { open(NamedFile(OBFileBuilder::BW2())); }
    void TearDown() override {
        if (view) view->close();
        view.reset();
    }

    QAbstractItemModel* shown() const { return view->reportView()->model(); }
    QString label(int row) const { return shown()->index(row, 0).data().toString(); }
    QPoint rowCentre(QAbstractItemView* v, int row) const {
        return v->visualRect(shown()->index(row, 0)).center();
    }

    CQuorvantDoc doc;
    std::unique_ptr<CUnitView> view;
};

} // namespace

TEST_F(UnitViewTest, OpeningShowsTheUnitsAsAReportWithTheFirstRowSelected) {
    EXPECT_EQ(view->CurrentKind(), kUnitTable);
    EXPECT_TRUE(view->ReportStyle());
    EXPECT_TRUE(view->reportView()->isVisible());
    EXPECT_FALSE(view->listView()->isVisible());
    EXPECT_EQ(shown()->rowCount(), 249);
    EXPECT_EQ(shown()->columnCount(), 58);
    EXPECT_EQ(shown()->headerData(0, Qt::Horizontal).toString(), "Unit Name");
    EXPECT_EQ(label(0), " 1.  Unit 1");
    EXPECT_EQ(view->SelectedRow(), 0);
    EXPECT_EQ(view->reportView()->currentIndex().row(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(UnitViewTest, RebuildHintsShowEachTableWithItsRememberedRow) {
    view->WeaponRow = 4;
    view->ShowDisplayType(0);
    EXPECT_EQ(view->CurrentKind(), kWeaponTable);
    EXPECT_EQ(shown()->columnCount(), 12);
    EXPECT_EQ(label(4), " 5.  Gun 5");
    EXPECT_EQ(view->SelectedRow(), 4);

    view->ShowDisplayType(2);
    EXPECT_EQ(view->CurrentKind(), kFormationTable);
    EXPECT_EQ(shown()->rowCount(), 199);
    EXPECT_EQ(shown()->columnCount(), 24);
    EXPECT_EQ(view->SelectedRow(), 1); // formations start on their second row

    view->UnitRow = 12;
    view->ShowDisplayType(1);
    EXPECT_EQ(view->SelectedRow(), 12);
    view->FormationRow = 3;
    view->ShowDisplayType(5);
    EXPECT_EQ(view->CurrentKind(), kFormationTable);
    EXPECT_EQ(view->SelectedRow(), 3);

    // A remembered row the table does not have selects nothing.
    view->UnitRow = 400;
    view->ShowDisplayType(1);
    EXPECT_EQ(view->SelectedRow(), -1);
    view->UnitRow = -1;
    view->ShowDisplayType(1);
    EXPECT_EQ(view->SelectedRow(), -1);
}

TEST_F(UnitViewTest, TheViewFollowsTheDocument) {
    doc.OnViewMode(kViewFormations);
    EXPECT_EQ(view->CurrentKind(), kFormationTable);
    EXPECT_EQ(label(0), " 1.  Coy 1");

    // Reading a file again rebuilds the table the document shows.
    doc.ReadBytes(OBFileBuilder::BW3().formationName(1, "Fresh").bytes());
    EXPECT_EQ(view->CurrentKind(), kFormationTable);
    EXPECT_EQ(shown()->columnCount(), 35);
    EXPECT_EQ(label(0), " 1.  Fresh");
}

TEST_F(UnitViewTest, RowRefreshesRereadOneRowOfTheirOwnTable) {
    view->UnitRow = 4;
    QSignalSpy units(view->model(kUnitTable), &QAbstractItemModel::dataChanged);
    doc.Units[5].Name.assignPadded("Renamed");
    view->ShowDisplayType(4);
    ASSERT_EQ(units.count(), 1);
    EXPECT_EQ(units[0][0].toModelIndex().row(), 4);
    EXPECT_EQ(units[0][1].toModelIndex().row(), 4);
    EXPECT_EQ(units[0][1].toModelIndex().column(), 57);
    EXPECT_EQ(label(4), " 5.  Renamed");
    EXPECT_EQ(view->SelectedRow(), 4);

    // A weapon refresh while the units show leaves the list and its selection alone.
    view->WeaponRow = 9;
    view->ShowDisplayType(3);
    EXPECT_EQ(view->CurrentKind(), kUnitTable);
    EXPECT_EQ(view->SelectedRow(), 4);
    EXPECT_EQ(label(9), " 10.  Unit 10");

    // A row outside the table refreshes nothing.
    view->UnitRow = 300;
    view->ShowDisplayType(4);
    EXPECT_EQ(units.count(), 1);
}

TEST_F(UnitViewTest, AnUnknownHintIsReportedAndChangesNothing) {
    ScriptedPrompts prompts;
    view->UnitRow = 6;
    for (int hint : {6, -1, 255}) view->ShowDisplayType(hint);
    ASSERT_EQ(prompts.asked.size(), 3u);
    EXPECT_EQ(prompts.asked[0].text, "Invalid Display Type");
    EXPECT_EQ(prompts.asked[0].kind, PromptKind::Exclamation);
    EXPECT_EQ(view->CurrentKind(), kUnitTable);
    EXPECT_EQ(view->SelectedRow(), 0);
}

TEST_F(UnitViewTest, SwitchingBetweenReportAndListKeepsRowsAndSelection) {
    view->UnitRow = 7;
    view->ShowDisplayType(1);
    view->setReportStyle(false);
    EXPECT_FALSE(view->ReportStyle());
    EXPECT_TRUE(view->listView()->isVisible());
    EXPECT_FALSE(view->reportView()->isVisible());
    EXPECT_EQ(view->listView()->model()->rowCount(), 249);
    EXPECT_EQ(view->listView()->currentIndex().row(), 7);
    EXPECT_TRUE(view->listView()->selectionModel()->isRowSelected(7, QModelIndex()));

    // Tables rebuilt while the list shows stay in the list.
    view->ShowDisplayType(0);
    EXPECT_FALSE(view->ReportStyle());
    EXPECT_EQ(view->listView()->model(), view->shownRows(kWeaponTable));
    EXPECT_EQ(view->listView()->selectionModel(), view->reportView()->selectionModel());

    view->setReportStyle(true);
    EXPECT_TRUE(view->reportView()->isVisible());
    EXPECT_EQ(view->SelectedRow(), 0);
}

TEST_F(UnitViewTest, ThePlainListLeavesRoomForTheLongestLabel) {
    doc.Units[9].Name.assignPadded("WWWWWWWWWWWWWWW");
    view->setReportStyle(false);
    QListView* list = view->listView();
    QModelIndex longest = list->model()->index(8, 0);
    QFontMetrics metrics(list->font());
    EXPECT_GT(list->visualRect(longest).width(), metrics.horizontalAdvance(longest.data().toString()));
    EXPECT_EQ(list->visualRect(longest).width(), list->visualRect(list->model()->index(0, 0)).width());
}

TEST_F(UnitViewTest, AClickRemembersTheSelectedRowOfTheTableShown) {
    QTest::mouseClick(view->reportView()->viewport(), Qt::LeftButton, {}, rowCentre(view->reportView(), 3));
    EXPECT_EQ(view->UnitRow, 3);
    EXPECT_EQ(view->WeaponRow, 0);

    view->ShowDisplayType(0);
    view->setReportStyle(false);
    QTest::mouseClick(view->listView()->viewport(), Qt::LeftButton, {}, rowCentre(view->listView(), 2));
    EXPECT_EQ(view->WeaponRow, 2);
    EXPECT_EQ(view->UnitRow, 3);
    view->ShowDisplayType(1);
    EXPECT_EQ(view->SelectedRow(), 3);
}

TEST_F(UnitViewTest, AClickWithNothingSelectedRemembersNoRow) {
    view.reset();
    // A short file: a few unit rows leave empty space below them.
    OBFileBuilder cut(9250 + 6 * 15);
    cut.unitName(1, "A").unitName(2, "B");
    open(cut);
    ASSERT_EQ(shown()->rowCount(), 5);
    view->UnitRow = 50;
    view->ShowDisplayType(1);
    ASSERT_EQ(view->SelectedRow(), -1);
    QPoint below = rowCentre(view->reportView(), 4) + QPoint(0, 100);
    QTest::mouseClick(view->reportView()->viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(view->UnitRow, -1);
}

TEST_F(UnitViewTest, ADoubleClickAsksForTheEditorOfTheRowsSlot) {
    QSignalSpy spy(view.get(), &CUnitView::editRequested);
    QTest::mouseDClick(view->reportView()->viewport(), Qt::LeftButton, {}, rowCentre(view->reportView(), 4));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toInt(), kUnitTable);
    EXPECT_EQ(spy[0][1].toInt(), 5);
    EXPECT_EQ(view->UnitRow, 4);

    view->ShowDisplayType(2);
    view->setReportStyle(false);
    QTest::mouseDClick(view->listView()->viewport(), Qt::LeftButton, {}, rowCentre(view->listView(), 9));
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy[1][0].toInt(), kFormationTable);
    EXPECT_EQ(spy[1][1].toInt(), 10);
    EXPECT_EQ(view->FormationRow, 9);

    // Slot 0 is never listed, so nothing opens without a selected row.
    view->FormationRow = -1;
    view->ShowDisplayType(2);
    view->setReportStyle(true);
    QTest::mouseDClick(view->reportView()->viewport(), Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(UnitViewTest, HeadingsAndAlignmentComeFromTheGenerationsColumnSet) {
    view.reset();
    open(NamedFile(OBFileBuilder::BW1()));
    QAbstractItemModel* units = view->model(kUnitTable);
    EXPECT_EQ(units->columnCount(), 59);
    EXPECT_EQ(units->headerData(2, Qt::Horizontal).toString(), "Country ");
    EXPECT_EQ(units->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignLeft | Qt::AlignVCenter));
    EXPECT_EQ(units->index(0, 3).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    view->ShowDisplayType(2);
    EXPECT_EQ(shown()->columnCount(), 15);
    EXPECT_EQ(shown()->headerData(11, Qt::Horizontal).toString(), "Unit7");
    EXPECT_EQ(view->reportView()->horizontalHeader()->count(), 15);
}

TEST_F(UnitViewTest, OnlyUnitRowsCarryClassIcons) {
    doc.Units[1].Class = 3;
    doc.Units[2].Class = 200; // outside every class list
    view->ShowDisplayType(1);
    QIcon known = qvariant_cast<QIcon>(shown()->index(0, 0).data(Qt::DecorationRole));
    QIcon unknown = qvariant_cast<QIcon>(shown()->index(1, 0).data(Qt::DecorationRole));
    EXPECT_FALSE(known.isNull());
    EXPECT_FALSE(unknown.isNull());
    EXPECT_NE(known.pixmap(16).toImage(), unknown.pixmap(16).toImage());
    EXPECT_FALSE(shown()->index(0, 1).data(Qt::DecorationRole).isValid());
    view->ShowDisplayType(0);
    EXPECT_FALSE(shown()->index(0, 0).data(Qt::DecorationRole).isValid());
    // Names are bytes: a Latin-1 byte shows as its character.
    doc.Weapons[1].Name.assignPadded("Pak \xe9");
    EXPECT_EQ(label(0), QString::fromUtf8(" 1.  Pak \u00e9"));
}
