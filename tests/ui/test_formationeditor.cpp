// The formation editor: its entries, moves, renaming, Copy and Paste, and OK and Cancel.

#include "tests/ui/test_tableeditor_fixture.h"

#include "obdata/generation.h"

using namespace quorvant;
using namespace quorvant::testing;
using quorvant::testing::OBFileBuilder;

TEST_F(TableEditorTest, FormationEditorOpensOnceAndRePointsWithoutStoring) {
    readNamed(OBFileBuilder::BW2());
    ui::CFormationEditor* first = openFormation(5);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "Formations");
    EXPECT_TRUE(first->isWindow());
    EXPECT_EQ(first->parentWidget(), view->window()) << "it stays above the window of its list";
    EXPECT_EQ(field(1230)->text(), "5");
    EXPECT_EQ(box(1231)->currentText().trimmed(), "Form 5");
    EXPECT_FALSE(push(1270)->isEnabled());
    type(entryNumber(1), "3");
    EXPECT_TRUE(doc->IsModified());
    doc->SetModifiedFlag(false);

    openFormation(9);
    EXPECT_EQ(editor(), first);
    EXPECT_EQ(first->CurrentSlot(), 9);
    EXPECT_EQ(view->FormationRow, 8);
    EXPECT_EQ(formation(5).Units[0], 0);
    EXPECT_EQ(entryNumber(1)->text(), "0");
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(TableEditorTest, SlotZeroIsReachedByNameOrTypedZeroButNotByTheButtons) {
    readNamed(OBFileBuilder::BW2());
    openFormation(3);
    type(entryNumber(2), "4");
    // By name: the typing on formation 3 is dropped.
    choose(box(1231), 0);
    EXPECT_EQ(editor()->CurrentSlot(), 0);
    EXPECT_EQ(formation(3).Units[1], 0);
    EXPECT_FALSE(push(1059)->isEnabled());
    EXPECT_FALSE(push(1060)->isEnabled());

    press(1061);
    EXPECT_EQ(editor()->CurrentSlot(), 1);
    press(1059);
    EXPECT_EQ(editor()->CurrentSlot(), 1);

    // Typed: 0 goes there keeping the page's edits without a word; 199 goes nowhere.
    type(field(1280), "9");
    type(field(1230), "0");
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(editor()->CurrentSlot(), 0);
    EXPECT_EQ(formation(1).SpcFlg, 9);
    type(field(1230), "199");
    EXPECT_EQ(editor()->CurrentSlot(), 19);
    EXPECT_EQ(field(1230)->text(), "199");
    press(1062);
    EXPECT_EQ(editor()->CurrentSlot(), 199);
    EXPECT_FALSE(push(1061)->isEnabled());
    EXPECT_FALSE(push(1062)->isEnabled());
}

TEST_F(TableEditorTest, TypingAFormationNumberStoresTheOneShownFirst) {
    readNamed(OBFileBuilder::BW1());
    openFormation(2);
    type(entryNumber(1), "11");
    type(field(1230), "7");
    EXPECT_EQ(editor()->CurrentSlot(), 7);
    EXPECT_EQ(formation(2).UnitsBW1[0], 11);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(TableEditorTest, ATickedSubFormationListsFormationsAndStoresAThousandAbove) {
    readNamed(OBFileBuilder::BW2());
    formation(4).Units[3] = 9;
    settle();
    auto* editor = openFormation(4);
    EXPECT_EQ(entryNumber(4)->text(), "9");
    EXPECT_EQ(entryList(4)->currentText().trimmed(), "Unit 9");
    QTest::mouseClick(subFormation(4), Qt::LeftButton);
    EXPECT_TRUE(subFormation(4)->isChecked());
    EXPECT_EQ(entryNumber(4)->text(), "0");
    EXPECT_EQ(entryList(4)->count(), kFormationSlots);
    EXPECT_EQ(entryList(4)->itemText(6).trimmed(), "Form 6");
    choose(entryList(4), 6);
    EXPECT_EQ(entryNumber(4)->text(), "6");
    EXPECT_EQ(editor->entryNames(3)->text(), "Formation 6: Form 6");
    press(1061);
    EXPECT_EQ(formation(4).Units[3], 1006);

    // Clearing the box goes back to units and clears the entry again.
    press(1060);
    QTest::mouseClick(subFormation(4), Qt::LeftButton);
    EXPECT_EQ(entryList(4)->count(), kUnitSlots);
    EXPECT_EQ(entryNumber(4)->text(), "0");
    EXPECT_EQ(editor->entryNames(3)->text(), "Empty");
}

TEST_F(TableEditorTest, StoredEntriesDecodeIntoNumberBoxAndList) {
    readNamed(OBFileBuilder::BW2());
    formation(2).Units = {1005, 7, 1005, 0, 0, 0, 0, 0, 0, 65535};
    settle();
    auto* editor = openFormation(2);
    // Entry 1 has no box, yet a stored sub-formation still shows as one.
    EXPECT_EQ(entryNumber(1)->text(), "5");
    EXPECT_EQ(entryList(1)->currentText().trimmed(), "Form 5");
    EXPECT_EQ(entryNumber(2)->text(), "7");
    EXPECT_FALSE(subFormation(2)->isChecked());
    EXPECT_EQ(entryList(2)->currentText().trimmed(), "Unit 7");
    EXPECT_EQ(editor->entryNames(1)->text(), "Unit 7: Unit 7");
    EXPECT_EQ(entryNumber(3)->text(), "5");
    EXPECT_TRUE(subFormation(3)->isChecked());
    EXPECT_EQ(entryList(3)->currentIndex(), 5);
    // A value past every table shows without a selection and survives a store untouched.
    EXPECT_EQ(entryNumber(10)->text(), "64535");
    EXPECT_EQ(entryList(10)->currentIndex(), -1);
    EXPECT_EQ(editor->entryNames(9)->text(), "No formation 64535 in this file");
    press(1061);
    EXPECT_EQ(formation(2).Units, (std::array<std::uint16_t, 10>{1005, 7, 1005, 0, 0, 0, 0, 0, 0, 65535}));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(TableEditorTest, EntriesOutsideTheirLimitsBecomeZero) {
    readNamed(OBFileBuilder::BW3());
    formation(1).Units[0] = 1005;
    settle();
    openFormation(1);
    QTest::mouseClick(subFormation(2), Qt::LeftButton);
    choose(entryList(2), 199);
    EXPECT_EQ(entryNumber(2)->text(), "0");
    choose(entryList(2), 198);
    EXPECT_EQ(entryNumber(2)->text(), "198");
    type(entryNumber(2), "199");
    EXPECT_EQ(entryNumber(2)->text(), "0");
    EXPECT_EQ(entryList(2)->currentIndex(), 0);
    // Unflagged and entry 1, even showing a formation: up to 249.
    type(entryNumber(3), "250");
    EXPECT_EQ(entryNumber(3)->text(), "0");
    type(entryNumber(3), "249");
    EXPECT_EQ(entryList(3)->currentIndex(), 249);
    type(entryNumber(1), "210");
    EXPECT_EQ(entryNumber(1)->text(), "210");
    type(entryNumber(1), "300");
    EXPECT_EQ(entryNumber(1)->text(), "0");
    press(1061);
    EXPECT_EQ(formation(1).Units[0], 1000);
    EXPECT_EQ(formation(1).Units[1], 1000);
    EXPECT_EQ(formation(1).Units[2], 249);
}

TEST_F(TableEditorTest, ARefusedFieldIsToldAndTheStoreGoesOnWithThePreviousValues) {
    readNamed(OBFileBuilder::BW3());
    formation(3).SpcFlg = 4;
    settle();
    openFormation(3);
    type(field(1280), "300");
    type(entryNumber(5), "12");
    type(field(1271), "40"); // strength of entry 2, read after entry 1
    press(1061);
    EXPECT_EQ(texts(), std::vector<std::string>{"Please enter an integer between 0 and 255."});
    EXPECT_EQ(editor()->CurrentSlot(), 4);
    EXPECT_EQ(formation(3).SpcFlg, 4);
    // A typed entry number is taken at once; the strength read after the refusal is not.
    EXPECT_EQ(formation(3).Units[4], 12);
    EXPECT_EQ(formation(3).UnitStr[1], 0);

    // OK does not close over a refused field.
    type(field(1255), "x");
    press(1);
    EXPECT_EQ(texts().size(), 2u);
    EXPECT_NE(host->editor(kFormationTable), nullptr);
}

TEST_F(TableEditorTest, ChoosingByNameDropsTypingAndTheButtonsStoreIt) {
    readNamed(OBFileBuilder::BW2());
    openFormation(3);
    type(entryNumber(1), "8");
    choose(box(1231), 6);
    EXPECT_EQ(formation(3).Units[0], 0);
    type(entryNumber(1), "8");
    press(1060);
    EXPECT_EQ(formation(6).Units[0], 8);
    EXPECT_EQ(editor()->CurrentSlot(), 5);
}

TEST_F(TableEditorTest, LeavingTheNameBoxRenamesAndAnEmptyNameKeepsTheOld) {
    readNamed(OBFileBuilder::BW2());
    formation(5).Units[1] = 1004;
    settle();
    auto* editor = openFormation(5);
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    QLineEdit* name = box(1231)->lineEdit();
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Recon Coy");
    EXPECT_TRUE(doc->IsModified());
    entryNumber(1)->setFocus();
    EXPECT_EQ(formation(5).Name.trimmed(), "Recon Coy");
    EXPECT_EQ(doc->FormationNameList[5], formation(5).Name.str());
    EXPECT_EQ(box(1231)->itemText(5).trimmed(), "Recon Coy");
    // Every sub-formation list shares the new name.
    QTest::mouseClick(subFormation(3), Qt::LeftButton);
    EXPECT_EQ(entryList(3)->itemText(5).trimmed(), "Recon Coy");

    name->setFocus();
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    QTest::keyClicks(name, "   ");
    press(1061);
    EXPECT_EQ(formation(5).Name.trimmed(), "Recon Coy");
}

TEST_F(TableEditorTest, PasteCopiesThePresentStateOfTheRememberedFormation) {
    readNamed(OBFileBuilder::BW3());
    doc->FileNation = 44;
    formation(2).Country = 3;
    formation(2).Units[0] = 5;
    settle();
    openFormation(2);
    press(1269);
    EXPECT_TRUE(push(1270)->isEnabled());
    // Copy remembers the formation: what it holds when pasting is what is pasted.
    type(entryNumber(1), "6");
    press(1061);
    formation(20).Name.assign("");
    type(field(1230), "20");
    press(1270);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(formation(20).Units[0], 6);
    EXPECT_EQ(formation(20).Country, 44);
    EXPECT_EQ(formation(20).Name.trimmed(), "Form 2");
    EXPECT_EQ(box(1231)->itemText(20).trimmed(), "Form 2");
    EXPECT_EQ(entryNumber(1)->text(), "6");

    // Over a named formation it asks; No changes nothing.
    press(1059);
    prompts.answers = {ui::PromptAnswer::No};
    press(1270);
    EXPECT_EQ(texts(), std::vector<std::string>{"Replace Current Formation?"});
    EXPECT_EQ(formation(1).Name.trimmed(), "Form 1");
    EXPECT_EQ(formation(1).Units[0], 0);
}

TEST_F(TableEditorTest, BW1PastesAreNamedForRenamingAndCancelUndoesThem) {
    readNamed(OBFileBuilder::BW1());
    formation(1).UnitsBW1[0] = 9;
    settle();
    openFormation(1);
    press(1269);
    press(1061);
    prompts.answers = {ui::PromptAnswer::Yes};
    press(1270);
    EXPECT_EQ(texts(), std::vector<std::string>{"Replace Current Formation?"});
    EXPECT_EQ(formation(2).Name.trimmed(), "RENAME ME");
    EXPECT_EQ(formation(2).UnitsBW1[0], 9);
    EXPECT_TRUE(doc->IsModified());
    QTest::keyClick(editor(), Qt::Key_Escape);
    QTRY_VERIFY(host->editor(kFormationTable) == nullptr);
    EXPECT_EQ(formation(2).Name.trimmed(), "Form 2");
    EXPECT_EQ(formation(2).UnitsBW1[0], 0);
    EXPECT_EQ(view->FormationRow, 1);
}

TEST_F(TableEditorTest, GenerationsShowTheirOwnFormationFields) {
    for (int gen : {kBW1, kBW2, kBW3}) {
        OBFileBuilder file = gen == kBW1   ? OBFileBuilder::BW1()
                             : gen == kBW2 ? OBFileBuilder::BW2()
                                           : OBFileBuilder::BW3();
        readNamed(file);
        doc->FileNation = 2;
        auto* editor = openFormation(1);
        editor->show();
        EXPECT_EQ(box(1233)->isVisible(), gen != kBW1) << gen;
        EXPECT_EQ(subFormation(2)->isVisible(), gen != kBW1) << gen;
        EXPECT_EQ(field(1255)->isVisible(), gen == kBW3) << gen;
        EXPECT_EQ(field(1280)->isVisible(), gen == kBW3) << gen;
        EXPECT_EQ(box(1063)->isVisible(), gen == kBW3) << gen;
        EXPECT_EQ(box(1232)->isEnabled(), gen == kBW1) << gen;
        EXPECT_EQ(box(1234)->itemText(1), gen == kBW1 ? "1" : "Platoon") << gen;
        if (gen != kBW1) {
            EXPECT_EQ(box(1232)->currentIndex(), 2) << gen;
        }
        ASSERT_EQ(box(1233)->count(), 11);
        EXPECT_EQ(box(1233)->itemText(10), "HQ.");
        host->CloseEditors();
    }
}

TEST_F(TableEditorTest, FormationOkRebuildsAndSelectsTheLastSlotAndMarksOnlyChanges) {
    readNamed(OBFileBuilder::BW2());
    view->FormationRow = 0;
    view->ShowDisplayType(kFormationTable);
    openFormation(8);
    press(1061);
    press(1061);
    closedWith(1);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(view->FormationRow, 9);
    EXPECT_EQ(view->SelectedRow(), 9);

    openFormation(4);
    choose(box(1233), 3); // a category: no mark of its own
    press(1062);
    EXPECT_FALSE(doc->IsModified());
    closedWith(1);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->SnapshotFormations, doc->Formations);
    EXPECT_EQ(view->SelectedRow(), 198);
}

TEST_F(TableEditorTest, EveryFormationControlExplainsItself) {
    readNamed(OBFileBuilder::BW3());
    openFormation(1);
    for (QWidget* w : editor()->findChildren<QWidget*>()) {
        bool control =
            qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w);
        if (!control || w->objectName().isEmpty()) continue;
        EXPECT_FALSE(w->whatsThis().isEmpty()) << w->objectName().toStdString();
    }
}
