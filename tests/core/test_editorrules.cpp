#include "editors/fieldrules.h"
#include "editors/tablecommit.h"
#include "editors/uniteditcontext.h"
#include "obdata/quorvantdoc.h"
#include "tests/core/obfile_builder.h"

#include <gtest/gtest.h>

using namespace quorvant;
using quorvant::testing::OBFileBuilder;

TEST(FieldRules, IntegersMayCarryBlanksAndASignButNothingElse) {
    EXPECT_EQ(ParseInteger("12"), 12);
    EXPECT_EQ(ParseInteger("  7 "), 7);
    EXPECT_EQ(ParseInteger("+5"), 5);
    EXPECT_EQ(ParseInteger("-32768"), -32768);
    for (const char* bad : {"", " ", "-", "+-5", "--5", "12a", "1 2", "0x10", "1.5", "99999999999999999999"})
        EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
}

TEST(FieldRules, EachRuleRefusesWithItsStandardMessage) {
    EXPECT_EQ(ApplyFieldRule("255", kByteField), 255);
    EXPECT_FALSE(ApplyFieldRule("256", kByteField));
    EXPECT_FALSE(ApplyFieldRule("-1", kByteField));
    EXPECT_EQ(FieldRuleMessage(kByteField, "abc"), "Please enter an integer between 0 and 255.");
    EXPECT_EQ(FieldRuleMessage(RangeField(0, 249), "300"), "Please enter an integer between 0 and 249.");

    EXPECT_EQ(ApplyFieldRule("-1", kSigned16Field), -1);
    EXPECT_FALSE(ApplyFieldRule("32768", kSigned16Field));
    EXPECT_EQ(FieldRuleMessage(kSigned16Field, "x"), "Please enter an integer.");

    EXPECT_EQ(ApplyFieldRule("65535", kUnsigned16Field), 65535);
    EXPECT_FALSE(ApplyFieldRule("-3", kUnsigned16Field));
    EXPECT_EQ(FieldRuleMessage(kUnsigned16Field, "-3"), "Please enter a positive integer.");
    // The file keeps 16 bits: a larger number would be cut, so it is refused with the range.
    EXPECT_FALSE(ApplyFieldRule("70000", kUnsigned16Field));
    EXPECT_EQ(FieldRuleMessage(kUnsigned16Field, "70000"), "Please enter an integer between 0 and 65535.");
}

TEST(UnitMoves, TargetsAndButtonsAtTheEndsOfTheTable) {
    EXPECT_EQ(MoveTarget(UnitMove::First, 100, 250), 1);
    EXPECT_EQ(MoveTarget(UnitMove::Last, 1, 250), 249);
    EXPECT_EQ(MoveTarget(UnitMove::Previous, 2, 250), 1);
    EXPECT_FALSE(MoveTarget(UnitMove::Previous, 1, 250));
    EXPECT_EQ(MoveTarget(UnitMove::Next, 248, 250), 249);
    EXPECT_FALSE(MoveTarget(UnitMove::Next, 249, 250));
    // A short table ends early.
    EXPECT_FALSE(MoveTarget(UnitMove::Next, 9, 10));
    EXPECT_EQ(MoveTarget(UnitMove::Last, 1, 10), 9);

    MoveButtons atFirst = MoveButtonsAt(1);
    EXPECT_FALSE(atFirst.first || atFirst.previous);
    EXPECT_TRUE(atFirst.next && atFirst.last);
    MoveButtons atLast = MoveButtonsAt(249);
    EXPECT_TRUE(atLast.first && atLast.previous);
    EXPECT_FALSE(atLast.next || atLast.last);

    EXPECT_EQ(NameListTarget(0), 1);
    EXPECT_EQ(NameListTarget(17), 17);
}

TEST(UnitMoves, TypedUnitNumbersOutsideTheTableAreIgnored) {
    EXPECT_EQ(TypedUnitTarget("12", 250), 12);
    EXPECT_EQ(TypedUnitTarget("249", 250), 249);
    for (const char* ignored : {"0", "250", "", "1a", "-3"})
        EXPECT_FALSE(TypedUnitTarget(ignored, 250)) << ignored;
    EXPECT_FALSE(TypedUnitTarget("10", 10));
}

TEST(UnitMoves, TypedNumbersSelectTheirListEntry) {
    EXPECT_EQ(TypedListSelection(5, 69), 5);
    EXPECT_EQ(TypedListSelection(100, 69), -1);
    EXPECT_EQ(TypedListSelection(250, 251), 250);
    EXPECT_EQ(TypedListSelection(251, 69), 0);
    EXPECT_EQ(TypedListSelection(300, 250), 0);
    EXPECT_EQ(TypedListSelection(-1, 69), -1);
}

class UnitBufferTest : public ::testing::Test {
  protected:
    void read(OBFileBuilder file) { doc.ReadBytes(file.unitName(3, "Tiger").unitName(4, "   ").bytes()); }
    CQuorvantDoc doc;
};

TEST_F(UnitBufferTest, PasteReplacesTheUnitAndKeepsTheNameListInStep) {
    read(OBFileBuilder::BW2());
    EXPECT_FALSE(PasteUnit(doc, 4)); // nothing copied yet
    EXPECT_FALSE(doc.IsModified());
    doc.Units[3].Cost = 42;
    CopyUnit(doc, doc.Units[3]);
    doc.Units[3].Cost = 1; // the buffer holds its own copy
    EXPECT_FALSE(PasteAsksFirst(doc.Units[4]));
    EXPECT_TRUE(PasteAsksFirst(doc.Units[3]));
    ASSERT_TRUE(PasteUnit(doc, 4));
    EXPECT_EQ(doc.Units[4].Cost, 42);
    EXPECT_EQ(doc.Units[4].Name, doc.Units[3].Name);
    EXPECT_EQ(doc.UnitNameList[4], doc.Units[3].Name.str());
    EXPECT_TRUE(doc.IsModified());
    // One copy serves many pastes.
    EXPECT_TRUE(PasteUnit(doc, 7));
    EXPECT_FALSE(PasteUnit(doc, 250));
}

TEST_F(UnitBufferTest, BW1NamesThePastedUnitForRenaming) {
    read(OBFileBuilder::BW1());
    CopyUnit(doc, doc.Units[3]);
    ASSERT_TRUE(PasteUnit(doc, 5));
    EXPECT_EQ(doc.Units[5].Name.str(), "RENAME ME");
    EXPECT_EQ(doc.UnitNameList[5], "RENAME ME");
    EXPECT_EQ(doc.UnitCopyBuffer->Name, doc.Units[3].Name);
}

TEST(TableCommit, OkMarksTheDocumentOnlyWhenTheTableChanged) {
    for (int kind : {kWeaponTable, kUnitTable, kFormationTable}) {
        CQuorvantDoc doc;
        doc.ReadBytes(OBFileBuilder::BW3().bytes());
        EXPECT_FALSE(CommitTable(doc, kind));
        EXPECT_FALSE(doc.IsModified());

        doc.Weapons[2].HEPen = 9;
        doc.Units[2].ArmorRA[3] = 9;
        doc.Formations[2].Type = 9;
        EXPECT_TRUE(CommitTable(doc, kind));
        EXPECT_TRUE(doc.IsModified());
        // Only the kind's own table was confirmed; the others still go back.
        RevertTable(doc, kWeaponTable);
        RevertTable(doc, kUnitTable);
        RevertTable(doc, kFormationTable);
        EXPECT_EQ(doc.Weapons[2].HEPen, kind == kWeaponTable ? 9 : 0) << kind;
        EXPECT_EQ(doc.Units[2].ArmorRA[3], kind == kUnitTable ? 9 : 0) << kind;
        EXPECT_EQ(doc.Formations[2].Type, kind == kFormationTable ? 9 : 0) << kind;
    }
}
