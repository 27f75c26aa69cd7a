#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obfile_builder.h"
#include "views/columnsets.h"
#include "views/sortkeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace quorvant;
using quorvant::testing::OBFileBuilder;

namespace {

const ColumnSpec& Column(int table, int generation, const std::string& heading) {
    for (const ColumnSpec& c : ColumnSet(table, generation))
        if (c.heading == heading) return c;
    throw std::runtime_error("no column " + heading);
}

// The slots of rows 0..n-1 in the order a stable sort by the column gives.
std::vector<int> SortedSlots(const CQuorvantDoc& doc, int table, const ColumnSpec& column, bool descending,
                             int rows) {
    std::vector<int> order(static_cast<std::size_t>(rows));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return SortsBefore(SortKeyOf(doc, table, a, column), SortKeyOf(doc, table, b, column), descending);
    });
    for (int& row : order) row += 1;
    return order;
}

} // namespace

TEST(SortKeys, NumbersNamesAndDatesOrderAsPeopleExpect) {
    // Units 1-5: costs 100, 9, 25, 9, (blank slot 4), names of mixed case.
    OBFileBuilder file = OBFileBuilder::BW1();
    file.unitName(1, "tiger").unitName(2, "Panther").unitName(3, "STUG").unitName(5, "Puma");
    file.column(24750, 1, 100).column(24750, 2, 9).column(24750, 3, 25).column(24750, 5, 9);
    // BW1 month codes: 9/39 is 0, 12/45 is 99, 1/40 is 10.
    file.column(24250, 1, 99).column(24250, 2, 0).column(24250, 3, 10).column(24250, 5, 0);
    CQuorvantDoc doc;
    doc.ReadBytes(file.bytes());

    EXPECT_EQ(SortedSlots(doc, kUnitTable, Column(kUnitTable, kBW1, "Cost"), false, 5),
              (std::vector<int>{2, 5, 3, 1, 4}))
        << "9 before 25 before 100; equal costs in slot order; the blank slot last";
    EXPECT_EQ(SortedSlots(doc, kUnitTable, Column(kUnitTable, kBW1, "Cost"), true, 5),
              (std::vector<int>{1, 3, 2, 5, 4}))
        << "reversed, but the blank slot stays last";
    EXPECT_EQ(SortedSlots(doc, kUnitTable, Column(kUnitTable, kBW1, "Unit Name"), false, 5),
              (std::vector<int>{2, 5, 3, 1, 4}));
    EXPECT_EQ(SortedSlots(doc, kUnitTable, Column(kUnitTable, kBW1, "Available"), false, 5),
              (std::vector<int>{2, 5, 3, 1, 4}))
        << "9/39 before 1/40 before 12/45";
}

TEST(SortKeys, BW3YearsWithAndWithoutMonthsShareOneOrder) {
    OBFileBuilder file = OBFileBuilder::BW3();
    for (int s = 1; s <= 3; ++s) file.unitName(s, "U");
    // Slot 1: 5/43; slot 2: 43 with no month; slot 3: 1/42.
    file.column(24250, 1, 43).column(24250, 2, 43).column(24250, 3, 42);
    const ColumnSpec& available = Column(kUnitTable, kBW3, "Available");
    CQuorvantDoc doc;
    doc.ReadBytes(file.bytes());
    doc.Units[1].AvailMonth = 5;
    doc.Units[3].AvailMonth = 1;
    EXPECT_EQ(SortedSlots(doc, kUnitTable, available, false, 3), (std::vector<int>{3, 2, 1}));
}

TEST(ColumnMeanings, EveryHeadingOfEveryListIsExplainedInWords) {
    EXPECT_EQ(Column(kUnitTable, kBW2, "HEATTT").meaning, "HEAT armour, turret top");
    EXPECT_EQ(Column(kUnitTable, kBW2, "APFH").meaning, "Armour against armour-piercing rounds, hull front");
    EXPECT_EQ(Column(kUnitTable, kBW3, "RASH").meaning, "Reactive armour, hull side");
    EXPECT_EQ(Column(kWeaponTable, kBW1, "MinRange").meaning, "Range of HVAP rounds");
    EXPECT_EQ(Column(kWeaponTable, kBW2, "MinRange").meaning, "Minimum range");
    EXPECT_EQ(Column(kFormationTable, kBW3, "U10 Str").meaning, "Strength of entry 10");
    EXPECT_EQ(Column(kFormationTable, kBW2, "Unit7").meaning,
              "Entry 7: the unit (or sub-formation) it names");
    for (int table : {kWeaponTable, kUnitTable, kFormationTable})
        for (int generation : {kBW1, kBW2, kBW3})
            for (const ColumnSpec& c : ColumnSet(table, generation))
                EXPECT_NE(c.meaning, c.heading) << table << " " << generation << " " << c.heading;
}
