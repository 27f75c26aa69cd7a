#include "obdata/quorvantdoc.h"
#include "tests/core/obfile_builder.h"
#include "views/columnsets.h"
#include "views/ui/recordsortproxy.h"
#include "views/ui/unitview.h"

#include <QApplication>
#include <QHeaderView>
#include <QListView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace quorvant;
using namespace quorvant::ui;
using quorvant::testing::OBFileBuilder;

namespace {

constexpr int kCostColumn = 3; // units of a BW2 file: name, class, cost, ...

// Units 1 to 6 with costs 60, 10, 50, (blank slot 4), 20, 40; "Zebra" at slot 6.
OBFileBuilder SortableFile() {
    OBFileBuilder file = OBFileBuilder::BW2();
    const char* names[] = {"", "Tiger", "ape", "Mule", "", "Ox", "Zebra"};
    const int costs[] = {0, 60, 10, 50, 0, 20, 40};
    for (int s = 1; s <= 6; ++s) {
        if (*names[s]) file.unitName(s, names[s]);
        file.column(24750, s, static_cast<std::uint8_t>(costs[s]));
    }
    return file;
}

class ListSorting : public ::testing::Test {
  protected:
    void SetUp() override {
        doc.ReadBytes(SortableFile().bytes());
        view = std::make_unique<CUnitView>(doc);
        view->resize(800, 500);
        view->show();
        view->OnInitialUpdate();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    void TearDown() override { view.reset(); }

    int costColumn() const { return kCostColumn - 1; }
    QAbstractItemModel* shown() const { return view->reportView()->model(); }
    QString nameAt(int row) const { return shown()->index(row, 0).data().toString(); }
    // Double-clicks the row on screen and reports the slot the editor would open.
    int slotOpenedByDoubleClick(QAbstractItemView* on, int row) {
        QSignalSpy spy(view.get(), &CUnitView::editRequested);
        QRect cell = on->visualRect(on->model()->index(row, 0));
        QTest::mouseDClick(on->viewport(), Qt::LeftButton, {}, cell.center());
        return spy.isEmpty() ? -1 : spy.first().at(1).toInt();
    }

    CQuorvantDoc doc;
    std::unique_ptr<CUnitView> view;
};

} // namespace

TEST_F(ListSorting, HeadingClicksSortAscendingDescendingThenBackToSlotOrder) {
    QHeaderView* header = view->reportView()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(costColumn()) + 5, header->height() / 2));
    EXPECT_TRUE(nameAt(0).endsWith("ape")) << nameAt(0).toStdString();
    EXPECT_TRUE(nameAt(1).endsWith("Ox"));
    EXPECT_TRUE(nameAt(4).endsWith("Tiger"));

    view->SortByColumn(costColumn());
    EXPECT_TRUE(nameAt(0).endsWith("Tiger"));
    EXPECT_TRUE(nameAt(1).endsWith("Mule"));
    // Blank slots come after every named one, whichever the direction.
    EXPECT_TRUE(shown()->index(5, 0).data().toString().contains("----"));

    view->SortByColumn(costColumn());
    EXPECT_EQ(nameAt(0), " 1.  Tiger");
    EXPECT_EQ(nameAt(3), " 4.  ---------------");

    view->SortByColumn(0);
    EXPECT_TRUE(nameAt(0).endsWith("ape")) << "names ignore case";
    EXPECT_TRUE(nameAt(4).endsWith("Zebra"));
}

TEST_F(ListSorting, EveryRowKeepsItsSlotWhenSortedOrFiltered) {
    view->SortByColumn(costColumn());
    // The cheapest unit is slot 2, shown first.
    EXPECT_EQ(slotOpenedByDoubleClick(view->reportView(), 0), 2);
    EXPECT_EQ(view->UnitRow, 1);
    EXPECT_EQ(view->SelectedRow(), 1);
    // The name column lies over column 0 of the table: a double-click on it opens the same record.
    EXPECT_EQ(slotOpenedByDoubleClick(view->nameColumnView(), 1), 5);

    // Selecting a remembered row finds it wherever it stands now.
    view->UnitRow = 2; // slot 3, "Mule", cost 50: fourth from the top
    view->ShowDisplayType(kHintUnits);
    EXPECT_EQ(view->reportView()->currentIndex().row(), 3);
    EXPECT_EQ(view->SelectedRow(), 2);

    view->setHideEmptySlots(true);
    view->SortByColumn(costColumn());
    view->SortByColumn(costColumn()); // slot order, blank slots hidden
    EXPECT_EQ(shown()->rowCount(), 5);
    EXPECT_EQ(nameAt(3), " 5.  Ox");
    EXPECT_EQ(slotOpenedByDoubleClick(view->reportView(), 3), 5);

    view->setReportStyle(false);
    EXPECT_EQ(slotOpenedByDoubleClick(view->listView(), 4), 6);
    view->setHideEmptySlots(false);
    EXPECT_EQ(shown()->rowCount(), 249);
}

TEST_F(ListSorting, ARebuildKeepsWidthsOrderAndScrollPosition) {
    QTableView* report = view->reportView();
    report->horizontalHeader()->resizeSection(5, 222);
    view->SortByColumn(costColumn());
    doc.Units[2].Cost = 255; // "ape" becomes the dearest
    view->UnitRow = 1;
    view->ShowDisplayType(kHintUnits);
    EXPECT_EQ(report->columnWidth(5), 222);
    EXPECT_EQ(view->shownRows(kUnitTable)->sortColumn(), costColumn());
    EXPECT_TRUE(nameAt(4).endsWith("ape"));
    EXPECT_EQ(view->SelectedRow(), 1);

    // Another table and back: each keeps its own widths.
    doc.OnViewMode(kViewWeapons);
    EXPECT_NE(report->columnWidth(5), 222);
    doc.OnViewMode(kViewUnits);
    EXPECT_EQ(report->columnWidth(5), 222);
}

TEST_F(ListSorting, TheNameColumnFitsTheWidestNameAndHeadingsExplainThemselves) {
    doc.Units[7].Name.assignPadded("WWWWWWWWWWWWWWW");
    view->ShowDisplayType(kHintUnits);
    const int needed =
        view->reportView()->fontMetrics().horizontalAdvance(QStringLiteral(" 7.  WWWWWWWWWWWWWWW"));
    EXPECT_GE(view->reportView()->columnWidth(0), needed);
    EXPECT_EQ(view->nameColumnView()->columnWidth(0), view->reportView()->columnWidth(0));

    QAbstractItemModel* model = shown();
    bool found = false;
    for (int c = 0; c < model->columnCount(); ++c) {
        if (model->headerData(c, Qt::Horizontal).toString() != "HEATTT") continue;
        EXPECT_EQ(model->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString(),
                  "HEAT armour, turret top");
        found = true;
    }
    EXPECT_TRUE(found);
}

TEST_F(ListSorting, EveryColumnFitsItsWidestText) {
    // The longest class name of the generation on one unit and one weapon.
    auto longest = [](const NameList& names) {
        return static_cast<std::uint8_t>(
            std::max_element(names.begin(), names.end(),
                             [](auto& a, auto& b) { return a.size() < b.size(); }) -
            names.begin());
    };
    doc.Units[2].Class = longest(doc.Lists.UnitClassList);
    doc.Weapons[1].Name.assignPadded("Gun");
    doc.Weapons[1].Class = longest(doc.Lists.WeaponClassList);
    for (int mode : {kViewWeapons, kViewUnits, kViewFormations}) {
        doc.OnViewMode(mode);
        QTableView* report = view->reportView();
        QAbstractItemModel* model = report->model();
        for (int c = 0; c < model->columnCount(); ++c) {
            for (int row = 0; row < model->rowCount(); ++row) {
                const QString text = model->index(row, c).data().toString();
                EXPECT_GT(report->columnWidth(c), report->fontMetrics().horizontalAdvance(text))
                    << "table " << mode << " column " << c << ": " << text.toStdString();
            }
        }
    }
}

TEST_F(ListSorting, TypingJumpsToTheNextRowWhoseNameStartsWithIt) {
    view->reportView()->setFocus();
    QTest::keyClicks(view->reportView(), "o");
    EXPECT_EQ(view->SelectedRow(), 4) << "Ox, not the '1' of a slot number";
    QTest::keyClicks(view->reportView(), "z");
    EXPECT_EQ(view->SelectedRow(), 4) << "'oz' matches nothing: the selection stays";
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(view->reportView(), "m");
    EXPECT_EQ(view->SelectedRow(), 2);

    QSignalSpy spy(view.get(), &CUnitView::editRequested);
    QTest::keyClick(view->reportView(), Qt::Key_Return);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.first().at(1).toInt(), 3);
}
