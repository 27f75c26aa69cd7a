#include "obdata/generation.h"
#include "views/columnfields.h"
#include "views/columnsets.h"

#include <gtest/gtest.h>

#include <string>

using namespace quorvant;

namespace {

std::string Headings(const std::vector<ColumnSpec>& columns) {
    std::string all;
    for (const auto& c : columns) all += "|" + c.heading;
    return all;
}

const ColumnSpec* Find(const std::vector<ColumnSpec>& columns, const std::string& heading) {
    for (const auto& c : columns)
        if (c.heading == heading) return &c;
    return nullptr;
}

} // namespace

TEST(ColumnSets, UnitColumnsOfBW1IncludeTheCountryWithItsTrailingBlank) {
    const auto& bw1 = ColumnSet(kUnitTable, kBW1);
    ASSERT_EQ(bw1.size(), 59u);
    EXPECT_EQ(
        Headings(bw1),
        "|Unit Name|Class|Country |Cost|Available|Unavailable|Land Speed|Water Speed|Size|Men|Radio|Graphic"
        "|Side View|Vision|Fire Control|HEAT|SABOT|ROF|Stabilizer|Rangefinder|EW|Lift Cap|Load Cost|Survive"
        "|Move Class|Smk Dscg|Wep 1|HE-1|AP-1|Wep 2|HE-2|AP-2|Wep 3|HE-3|AP-3|Wep 4|HE-4|AP-4"
        "|APFH|APSH|APRH|APFT|APST|APRT|APTT|HEATFH|HEATSH|HEATRH|HEATFT|HEATST|HEATRT|HEATTT"
        "|RAFH|RASH|RARH|RAFT|RAST|RART|RATT");
    EXPECT_EQ(bw1[2].width, 110);
    EXPECT_EQ(bw1[26].width, 130);
    EXPECT_EQ(bw1[58].width, 80);
}

TEST(ColumnSets, UnitColumnsOfBW2AndBW3DropTheCountryAndKeepWidths) {
    for (int g : {kBW2, kBW3}) {
        const auto& set = ColumnSet(kUnitTable, g);
        ASSERT_EQ(set.size(), 58u) << GenerationLabel(g);
        EXPECT_EQ(set[2].heading, "Cost");
        EXPECT_EQ(set[2].width, 60);
        EXPECT_EQ(Find(set, "Country "), nullptr);
        EXPECT_EQ(set[3].heading, "Available");
        EXPECT_EQ(set[3].width, 65);
        EXPECT_EQ(set[25].heading, "Wep 1");
    }
}

TEST(ColumnSets, WeaponColumnsAreTheSameForEveryGeneration) {
    const auto& bw1 = ColumnSet(kWeaponTable, kBW1);
    EXPECT_EQ(Headings(bw1),
              "|Weapon Name|Class|Warhead|HE Pen|AP Pen|HE Kill|AP Kill|Accuracy|MaxRange|MinRange"
              "|HVAP|HEAT");
    for (int g : {kBW2, kBW3}) EXPECT_EQ(Headings(ColumnSet(kWeaponTable, g)), Headings(bw1));
    EXPECT_EQ(bw1[0].width, 150);
    EXPECT_EQ(bw1[3].width, 65);
    EXPECT_EQ(bw1[6].width, 80);
    EXPECT_EQ(bw1[11].width, 50);
}

TEST(ColumnSets, FormationColumnsPerGeneration) {
    const auto& bw1 = ColumnSet(kFormationTable, kBW1);
    EXPECT_EQ(Headings(bw1), "|Formation Name|Country|Available|Unavailable|Type|Unit 1|Unit 2|Unit 3|Unit 4"
                             "|Unit 5|Unit 6|Unit7|Unit 8|Unit 9|Unit 10");
    EXPECT_EQ(bw1[1].width, 110);
    EXPECT_EQ(bw1[14].width, 140);

    const auto& bw2 = ColumnSet(kFormationTable, kBW2);
    EXPECT_EQ(Headings(bw2),
              "|Formation Name|Available|Unavailable|Catagory|Type|Unit 1|Unit 2|F 2|Unit 3|F 3"
              "|Unit 4|F 4|Unit 5|F 5|Unit 6|F 6|Unit7|F 7|Unit 8|F 8|Unit 9|F 9|Unit 10|F 10");
    EXPECT_EQ(Find(bw2, "Catagory")->width, 90);
    EXPECT_EQ(Find(bw2, "Unavailable")->width, 76);
    EXPECT_EQ(Find(bw2, "F 10")->width, 40);

    const auto& bw3 = ColumnSet(kFormationTable, kBW3);
    ASSERT_EQ(bw3.size(), 35u);
    const std::string start =
        "|Formation Name|Available|Unavailable|Catagory|Type|SpcFlg|Unit 1|U1 Str|Unit 2|F 2|U2 Str|Unit 3";
    EXPECT_EQ(Headings(bw3).substr(0, start.size()), start);
    EXPECT_EQ(bw3[34].heading, "U10 Str");
    EXPECT_EQ(Find(bw3, "Unavailable")->width, 85);
    EXPECT_EQ(Find(bw3, "Catagory")->width, 70);
    EXPECT_EQ(Find(bw3, "U1 Str")->width, 50);
    EXPECT_EQ(Find(bw3, "U2 Str")->width, 60);
    EXPECT_NE(Find(bw3, "Unit7"), nullptr);
    EXPECT_EQ(Find(bw3, "Unit 7"), nullptr);
}

TEST(ColumnSets, TheLabelColumnIsLeftAlignedAndEveryOtherCentredWithARule) {
    for (int t : {kWeaponTable, kUnitTable, kFormationTable}) {
        for (int g : {kBW1, kBW2, kBW3}) {
            const auto& set = ColumnSet(t, g);
            ASSERT_FALSE(set.empty());
            EXPECT_EQ(set[0].align, ColumnAlign::Left);
            EXPECT_EQ(set[0].rule, nullptr);
            for (std::size_t i = 1; i < set.size(); ++i) {
                EXPECT_EQ(set[i].align, ColumnAlign::Center) << set[i].heading;
                EXPECT_NE(set[i].rule, nullptr) << set[i].heading;
            }
        }
    }
}

TEST(ColumnSets, UnknownTablesHaveNoColumnsAndUnknownGenerationsListAsBW1) {
    EXPECT_TRUE(ColumnSet(3, kBW1).empty());
    EXPECT_TRUE(ColumnSet(-1, kBW2).empty());
    EXPECT_EQ(&ColumnSet(kUnitTable, 7), &ColumnSet(kUnitTable, kBW1));
}

TEST(ColumnSets, EveryColumnButAMarkShowsAStoredFieldFoundByHeadingOrExportName) {
    for (int t : {kWeaponTable, kUnitTable, kFormationTable}) {
        for (int g : {kBW1, kBW2, kBW3}) {
            const auto& set = ColumnSet(t, g);
            for (std::size_t i = 0; i < set.size(); ++i) {
                const ColumnSpec& c = set[i];
                const bool hasRange = FieldRange(t, g, c).has_value();
                EXPECT_EQ(hasRange, c.field.value != ColumnValue::Name && c.field.value != ColumnValue::Mark)
                    << c.heading;
                EXPECT_EQ(FindColumn(t, g, c.heading), static_cast<int>(i)) << c.heading;
                if (c.field.value == ColumnValue::Mark) continue;
                // An export name another column uses as its heading leads there: HEAT, Class.
                const int byExport = FindColumn(t, g, ExportName(c));
                EXPECT_TRUE(byExport == static_cast<int>(i) ||
                            set[static_cast<std::size_t>(byExport)].heading == ExportName(c))
                    << c.heading << " " << ExportName(c);
            }
        }
    }
    EXPECT_EQ(ExportName(ColumnSet(kUnitTable, kBW3)[FindColumn(kUnitTable, kBW3, " ap-2 ")]), "Ammo[3]");
    EXPECT_EQ(FindColumn(kUnitTable, kBW3, "Country"), -1);
}

TEST(ColumnSet, FieldsAreNamedAsTheListsAndEditorsNameThem) {
    const struct {
        int table;
        const char* field;
        const char* heading;
    } cases[] = {
        {kWeaponTable, "HEKill", "HE Kill"},           {kUnitTable, "Nationality", "Nationality"},
        {kUnitTable, "AvailMonth", "Available Month"}, {kFormationTable, "AvailMon", "Available Month"},
        {kUnitTable, "Symbol2", "BW2 Graphic"},        {kUnitTable, "Spare3", "Spare3"}};
    for (const auto& c : cases) EXPECT_EQ(FieldHeading(c.table, kBW3, c.field), c.heading) << c.field;
}
