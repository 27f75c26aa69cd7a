#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obfile_builder.h"
#include "views/columnsets.h"
#include "views/rowfilter.h"

#include <gtest/gtest.h>

using namespace quorvant;
using quorvant::testing::OBFileBuilder;

namespace {

// BW3 units: 1 Tiger, 2 Panther HQ, 3 Jeep, 4 blank, 5 a name with quotes; weapon 9 "88mm" on Tiger.
void Sample(CQuorvantDoc& doc) {
    OBFileBuilder b = OBFileBuilder::BW3();
    b.unitName(1, "Tiger").unitName(2, "Panther HQ").unitName(3, "Jeep").unitName(5, "Say \"Hi\"");
    b.weaponName(9, "88mm");
    doc.ReadBytes(b.bytes());
    auto unit = [&](int slot, int cost, int unitClass, int month, int year) {
        CUnitRecord& u = doc.Units[static_cast<std::size_t>(slot)];
        u.Cost = static_cast<std::uint8_t>(cost);
        u.Class = static_cast<std::uint8_t>(unitClass);
        u.AvailMonth = static_cast<std::uint8_t>(month);
        u.Available = static_cast<std::uint8_t>(year);
    };
    unit(1, 120, 3, 5, 44);
    unit(2, 90, 3, 0, 43);
    unit(3, 10, 7, 0, 60);
    unit(5, 200, 1, 0, 75);
    doc.Units[1].Wpn[0] = 9;
    doc.Units[1].ArmorAP[0] = 100;
}

std::vector<int> Matching(const CQuorvantDoc& doc, const std::string& text) {
    FilterProblem problem;
    std::optional<RowFilter> filter = RowFilter::Parse(text, kUnitTable, doc.Generation, &problem);
    if (!filter) {
        ADD_FAILURE() << text << ": " << problem.describe();
        return {};
    }
    std::vector<int> slots;
    for (int row = 0; row < 249; ++row)
        if (filter->Matches(doc, row)) slots.push_back(row + 1);
    return slots;
}

} // namespace

TEST(RowFilter, ComparesFieldsByTheirTextsAndStoredValues) {
    CQuorvantDoc doc;
    Sample(doc);
    const std::string cls3 = doc.Lists.UnitClassList[3];
    struct Case {
        std::string text;
        std::vector<int> slots;
    };
    const std::vector<Case> cases = {
        {"Cost > 100", {1, 5}},
        {"Cost >= 120", {1, 5}},
        {"Cost < 90", {3}},
        {"Cost <= 90", {2, 3}},
        {"Cost = 90", {2}},
        {"Cost != 90", {1, 3, 5}}, // the blank slot 4 never matches
        {"Name ~ hq", {2}},
        {"name ~ E", {1, 2, 3}},
        {"Unit Name = tiger", {1}},
        {"Class = \"" + cls3 + "\"", {1, 2}}, // the cell text, ignoring case
        {"Class = 3", {1, 2}},                // a number: the stored code
        {"Available < 1944", {2}},            // a date's year, whichever way it is written
        {"Available = 44", {1}},
        {"Available >= \"5/44\"", {1, 3, 5}}, // text orders as the column sorts
        {"Available > \"44\"", {1, 3, 5}},
        {"Wep 1 = 88mm", {1}},
        {"Wpn[0] = 9", {1}}, // the export name
        {"armorap[0] > 50", {1}},
        {"APFH > 50", {1}},
        {"Name = \"Say \"\"Hi\"\"\"", {5}},                     // a quote inside quotes is written twice
        {"Name = Panther HQ", {2}},                             // bare words make one text
        {"Cost < 100 or Cost > 150 and Name ~ Say", {2, 3, 5}}, // and binds closer than or
        {"(Cost < 100 or Cost > 150) and Name ~ Say", {5}},
        {"not Cost > 100 and not Name ~ Jeep", {2}}, // not binds closest
        {"not (Cost > 100 and Name ~ T)", {2, 3, 5}},
        {"NOT Name ~ HQ AND Cost>100", {1, 5}},
        {"Cost > 100 and Class = \"" + cls3 + "\"", {1}},
        {"Available < 1960 or not Name ~ HQ", {1, 2, 3, 5}},
    };
    for (const Case& c : cases) EXPECT_EQ(Matching(doc, c.text), c.slots) << c.text;
}

TEST(RowFilter, AWrongExpressionSaysWhyAndWhere) {
    struct Case {
        std::string text;
        std::string reason;
        std::size_t position;
    };
    const std::vector<Case> cases = {
        {"", "the expression is empty", 0},
        {"Price > 5", "the units have no field \"Price\"", 0},
        {"Cost 5", "expected = != < <= > >= or ~ after \"Cost\", not \"5\"", 5},
        {"Cost >", "expected a value after \">\", not the end", 6},
        {"Cost > 5 and", "expected a field name, not the end", 12},
        {"(Cost > 5 or (Cost < 2)", "the \"(\" is not closed", 0},
        {"Cost > 5)", "expected \"and\", \"or\" or the end, not \")\"", 8},
        {"Name = \"Tiger", "the quoted text has no closing quote", 7},
        {"Cost ! 5", "\"!\" stands only in \"!=\"", 5},
        {"Cost > 5 Name ~ x", "expected \"and\", \"or\" or the end, not \"~\"", 14},
        {"= 5", "expected a field name, not \"=\"", 0},
        {"not", "expected a field name, not the end", 3},
        {std::string(101, '(') + "Cost > 5", "the expression nests more than 100 levels deep", 101},
        {[] {
             std::string many = "Cost > 1";
             for (int i = 0; i < 1000; ++i) many += " or Cost > 1";
             return many;
         }(),
         "the expression has more than 1000 comparisons", 8 + 999 * 12 + 4},
    };
    for (const Case& c : cases) {
        FilterProblem problem;
        EXPECT_FALSE(RowFilter::Parse(c.text, kUnitTable, kBW3, &problem)) << c.text;
        EXPECT_EQ(problem.reason, c.reason) << c.text;
        EXPECT_EQ(problem.position, c.position) << c.text;
    }
    FilterProblem problem;
    RowFilter::Parse("Cost > 5", kWeaponTable, kBW3, &problem);
    EXPECT_EQ(problem.describe(), "the weapons have no field \"Cost\" (at character 1)");
}

TEST(RowFilter, OnlyTextWithAnOperatorIsAnExpression) {
    for (const char* name : {"Tiger", "M4 (76)", "HQ-1", "not a tank", ""})
        EXPECT_FALSE(LooksLikeExpression(name));
    for (const char* expression : {"Cost>5", "Name ~ x", "a != b", "Cost <= 3"})
        EXPECT_TRUE(LooksLikeExpression(expression));
}
