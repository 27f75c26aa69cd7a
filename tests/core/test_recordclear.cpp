#include "analysis/recordclear.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obfile_builder.h"
#include "views/columnsets.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace quorvant;
using quorvant::testing::OBFileBuilder;

namespace {

// BW2 file of nation 31: weapon 7 carried by units 3 (twice) and 4; unit 3 in formations 1 and 2;
// formation 2 a sub-formation of formation 1.
void Sample(CQuorvantDoc& doc) {
    OBFileBuilder b = OBFileBuilder::BW2();
    b.column(25000, 1, 31).weaponName(7, "75mm").unitName(3, "Panther").unitName(4, "Tiger");
    b.unitName(5, "Empty wpn").formationName(1, "Coy").formationName(2, "Plt");
    doc.ReadBytes(b.bytes());
    doc.Units[3].Wpn = {7, 0, 7, 2};
    doc.Units[3].Cost = 99;
    doc.Units[4].Wpn = {0, 7, 0, 0};
    doc.Formations[1].Units = {3, 1002, 0, 0, 0, 0, 0, 0, 0, 0};
    doc.Formations[2].Units = {4, 3, 1002, 0, 0, 0, 0, 0, 0, 0}; // names itself: a loop, not a holder
    CQuorvantDoc::SlotsByTable edited;
    edited[kUnitTable] = {3, 4};
    edited[kFormationTable] = {1, 2};
    doc.RecordStep("Set up", edited);
}

std::vector<std::string> Texts(const std::vector<Reference>& refs) {
    std::vector<std::string> texts;
    for (const Reference& r : refs) texts.push_back(r.text());
    return texts;
}

} // namespace

TEST(RecordClear, ListsTheRecordsThatNameASlot) {
    CQuorvantDoc doc;
    Sample(doc);
    struct Case {
        int table, slot;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {kWeaponTable,
         7,
         {"unit 3 Panther (weapon 1)", "unit 3 Panther (weapon 3)", "unit 4 Tiger (weapon 2)"}},
        {kWeaponTable, 0, {}}, // 0 names no weapon
        {kUnitTable, 3, {"formation 1 Coy (entry 1)", "formation 2 Plt (entry 2)"}},
        {kUnitTable, 2, {}}, // 1002 is a sub-formation, not unit 2
        {kFormationTable, 2, {"formation 1 Coy (entry 2)"}},
        {kUnitTable, 999, {}},
        {7, 1, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Texts(ReferencesTo(doc, c.table, c.slot)), c.expected) << c.slot;
}

TEST(RecordClear, EmptiesTheSlotAsOneStepThatUndoRestores) {
    CQuorvantDoc doc;
    Sample(doc);
    const CUnitRecord before = doc.Units[3];
    ASSERT_TRUE(ClearRecord(doc, kUnitTable, 3));
    CUnitRecord cleared;
    cleared.Nationality = 31; // the file's nation stays
    EXPECT_EQ(doc.Units[3], cleared);
    EXPECT_EQ(doc.UnitNameList[3], "");
    EXPECT_EQ(doc.UndoText(), "Undo Clear Unit 3 Panther");
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Units[3], before);
    EXPECT_EQ(doc.UnitNameList[3], before.Name.str());

    ASSERT_TRUE(ClearRecord(doc, kWeaponTable, 7));
    EXPECT_TRUE(doc.Weapons[7].Name.empty());
    EXPECT_EQ(doc.Weapons[7].Generation, kBW2);
    ASSERT_TRUE(ClearRecord(doc, kFormationTable, 2));
    EXPECT_EQ(doc.Formations[2].Units[0], 0);
    EXPECT_EQ(doc.Formations[2].Country, 31);
}

TEST(RecordClear, EmptyOrUnlistedSlotsAreLeftAlone) {
    CQuorvantDoc doc;
    Sample(doc);
    doc.Units[6].Name.assign("   ");
    const std::vector<std::pair<int, int>> slots = {{kUnitTable, 6},   {kUnitTable, 8},    {kUnitTable, 0},
                                                    {kUnitTable, 250}, {kWeaponTable, -1}, {3, 1}};
    for (auto [table, slot] : slots) EXPECT_FALSE(ClearRecord(doc, table, slot)) << table << " " << slot;
    EXPECT_EQ(doc.UndoText(), "Undo Set up");
}

TEST(RecordClear, TheQuestionCapsItsList) {
    CQuorvantDoc doc;
    Sample(doc);
    std::vector<Reference> many(13, Reference{kUnitTable, 3, 0, "Panther"});
    const std::string question = ClearQuestion(doc, kWeaponTable, 7, many);
    EXPECT_EQ(question.rfind("Weapon 7 75mm is named by:\nunit 3 Panther (weapon 1)\n", 0), 0u) << question;
    EXPECT_NE(question.find("\nand 3 more\n"), std::string::npos) << question;
}

TEST(RecordClear, ACutIsNamedSoAndABW3FileKeepsTheStrengthsThatMarkIt) {
    CQuorvantDoc doc;
    doc.ReadBytes(OBFileBuilder::BW3().column(25000, 1, 70).formationName(1, "1st Coy").bytes());
    ASSERT_EQ(doc.Generation, kBW3);
    doc.Formations[0].UnitStr = {}; // formation 1's strengths alone mark the file now
    doc.Formations[1].UnitStr = {0, 0, 0, 0, 9, 8, 7, 0, 0, 0};
    ASSERT_TRUE(ClearRecord(doc, kFormationTable, 1, "Cut"));
    EXPECT_EQ(doc.UndoText(), "Undo Cut Formation 1 1st Coy");
    EXPECT_TRUE(doc.Formations[1].Name.empty());
    EXPECT_EQ(doc.Formations[1].UnitStr, (std::array<std::uint8_t, 10>{0, 0, 0, 0, 9, 0, 0, 0, 0, 0}));
    const std::string path = ::testing::TempDir() + "recordclear_KOB70";
    std::string error;
    EXPECT_TRUE(doc.OnSaveDocument(path, error)) << error;
    std::remove(path.c_str());
}

TEST(RecordClear, SeveralSlotsAreClearedAsOneStep) {
    CQuorvantDoc doc;
    Sample(doc);
    EXPECT_EQ(ClearRecords(doc, kUnitTable, {4, 0, 6, 3, 4}), (std::vector<int>{4, 3})); // 0 and blank 6 stay
    EXPECT_EQ(doc.UndoText(), "Undo Clear 2 Units");
    EXPECT_TRUE(doc.Units[3].Name.isBlank());
    EXPECT_TRUE(doc.Units[4].Name.isBlank());
    EXPECT_EQ(doc.Units[5].Name.trimmed(), "Empty wpn");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Units[3].Name.trimmed(), "Panther");
    EXPECT_EQ(doc.Units[4].Name.trimmed(), "Tiger");
    EXPECT_EQ(ClearRecords(doc, kUnitTable, {5}), std::vector<int>{5});
    EXPECT_EQ(doc.UndoText(), "Undo Clear Unit 5 Empty wpn");
}
