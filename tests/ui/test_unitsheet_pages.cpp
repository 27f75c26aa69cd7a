// The weapons and armour pages, the field validation every page shares, and the sheet's life with
// its document.

#include "editors/ui/sidepicsheetpage.h"
#include "editors/ui/unitsidepicpage.h"
#include "tests/ui/test_mainframe_fixture.h"
#include "tests/ui/test_unitsheet_fixture.h"

#include "obdata/generation.h"

using namespace quorvant;
using namespace quorvant::testing;
using quorvant::testing::OBFileBuilder;

TEST_F(UnitSheetTest, ChoosingNoWeaponClearsItsRoundsAtOnce) {
    read(OBFileBuilder::BW2());
    unit(2).Wpn = {1, 2, 3, 4};
    unit(2).Ammo = {10, 11, 20, 21, 30, 31, 40, 41};
    settle();
    open(2);
    sheet()->SetActivePage(kWeaponsPage);
    EXPECT_EQ(list(kWeaponsPage, 1108)->currentText().trimmed(), "Gun 3");
    EXPECT_EQ(list(kWeaponsPage, 1100)->count(), 250);
    choose(list(kWeaponsPage, 1108), 0);
    EXPECT_EQ(unit(2).Wpn[2], 0);
    EXPECT_EQ(unit(2).Ammo[4], 0);
    EXPECT_EQ(unit(2).Ammo[5], 0);
    EXPECT_EQ(edit(kWeaponsPage, 1109)->text(), "0");
    EXPECT_EQ(edit(kWeaponsPage, 1110)->text(), "0");
    EXPECT_EQ(edit(kWeaponsPage, 1111)->text(), "0");
    EXPECT_TRUE(doc->IsModified());
    // Another weapon keeps its rounds when it changes type.
    choose(list(kWeaponsPage, 1112), 5);
    EXPECT_EQ(unit(2).Wpn[3], 5);
    EXPECT_EQ(unit(2).Ammo[6], 40);
    EXPECT_EQ(edit(kWeaponsPage, 1113)->text(), "5");
}

TEST_F(UnitSheetTest, TypedWeaponNumbersSelectAndAreCheckedOnLeaving) {
    read(OBFileBuilder::BW3());
    unit(1).Wpn[0] = 4;
    settle();
    open(1);
    sheet()->SetActivePage(kWeaponsPage);
    type(edit(kWeaponsPage, 1101), "6");
    EXPECT_EQ(list(kWeaponsPage, 1100)->currentIndex(), 6);
    EXPECT_EQ(unit(1).Wpn[0], 4); // taken on the next store
    type(edit(kWeaponsPage, 1101), "300");
    EXPECT_EQ(list(kWeaponsPage, 1100)->currentIndex(), 0);
    EXPECT_FALSE(sheet()->SetActivePage(kDataPage));
    EXPECT_EQ(sheet()->tabs()->currentIndex(), kWeaponsPage);
    EXPECT_EQ(texts(), std::vector<std::string>{"Please enter an integer between 0 and 249."});
    EXPECT_EQ(unit(1).Wpn[0], 4);
    type(edit(kWeaponsPage, 1101), "6");
    EXPECT_TRUE(sheet()->SetActivePage(kDataPage));
    EXPECT_EQ(unit(1).Wpn[0], 6);
}

TEST_F(UnitSheetTest, AWeaponSlotOutsideTheListShowsNothingAndIsKept) {
    read(OBFileBuilder::BW2());
    unit(3).Wpn = {250, 255, 2, 0};
    unit(3).Ammo[7] = 9;
    settle();
    open(3);
    sheet()->SetActivePage(kWeaponsPage);
    EXPECT_EQ(list(kWeaponsPage, 1100)->currentIndex(), -1);
    EXPECT_EQ(edit(kWeaponsPage, 1105)->text(), "255");
    type(edit(kWeaponsPage, 1115), "12"); // AP of weapon 4: marks nothing by itself
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(sheet()->SetActivePage(kArmorPage));
    EXPECT_EQ(unit(3).Wpn, (std::array<std::uint8_t, 4>{250, 255, 2, 0}));
    EXPECT_EQ(unit(3).Ammo[7], 12);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(UnitSheetTest, ArmourSurvivesAPageSwitchAndBW1KeepsItsReactiveValues) {
    read(OBFileBuilder::BW1());
    unit(2).ArmorRA = {1, 2, 3, 4, 5, 6, 7};
    settle();
    open(2);
    sheet()->SetActivePage(kArmorPage);
    EXPECT_FALSE(control<QWidget>(kArmorPage, 1074)->isEnabled());
    for (int id = 1164; id <= 1170; ++id) {
        EXPECT_FALSE(edit(kArmorPage, id)->isEnabled()) << id;
        EXPECT_EQ(edit(kArmorPage, id)->text(), QString::number(id - 1163));
    }
    for (int id = 1067; id <= 1073; ++id) EXPECT_FALSE(control<QLabel>(kArmorPage, id)->isEnabled()) << id;
    type(edit(kArmorPage, 1150), "40");
    EXPECT_TRUE(doc->IsModified());
    type(edit(kArmorPage, 1163), "41");
    sheet()->SetActivePage(kWeaponsPage);
    EXPECT_EQ(unit(2).ArmorAP[0], 40);
    EXPECT_EQ(unit(2).ArmorHEAT[6], 41);
    sheet()->SetActivePage(kArmorPage);
    EXPECT_EQ(edit(kArmorPage, 1150)->text(), "40");
    EXPECT_EQ(edit(kArmorPage, 1163)->text(), "41");
    sheet()->accept();
    EXPECT_EQ(unit(2).ArmorRA, (std::array<std::uint8_t, kFacings>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(doc->SnapshotUnits[2].ArmorAP[0], 40);
}

TEST_F(UnitSheetTest, AReactiveEditAloneIsMarkedByOk) {
    read(OBFileBuilder::BW2());
    open(2);
    sheet()->SetActivePage(kArmorPage);
    EXPECT_TRUE(edit(kArmorPage, 1170)->isEnabled());
    type(edit(kArmorPage, 1170), "9");
    EXPECT_FALSE(doc->IsModified());
    sheet()->SetActivePage(kDataPage);
    click(1);
    waitClosed();
    EXPECT_EQ(unit(2).ArmorRA[6], 9);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(UnitSheetTest, ARefusedFieldKeepsItAndTheLaterFieldsAndHoldsTheUnit) {
    read(OBFileBuilder::BW2());
    unit(4).Men = 5;
    unit(4).Size = 6;
    unit(4).Radio = 7;
    settle();
    open(4);
    type(edit(kDataPage, 1037), "8");   // Men, read before the refused one
    type(edit(kDataPage, 1038), "abc"); // Size
    type(edit(kDataPage, 1039), "9");   // Radio, read after it
    click(1061);
    EXPECT_EQ(texts(), std::vector<std::string>{"Please enter an integer between 0 and 255."});
    EXPECT_EQ(prompts.asked.back().kind, ui::PromptKind::Exclamation);
    EXPECT_EQ(sheet()->CurrentSlot(), 4);
    EXPECT_EQ(sheet()->focusWidget(), edit(kDataPage, 1038));
    EXPECT_EQ(edit(kDataPage, 1038)->selectedText(), "abc");
    EXPECT_EQ(unit(4).Men, 5);
    EXPECT_EQ(unit(4).Radio, 7);
    // OK does not close over a refused field, nor does leaving the page.
    click(1);
    EXPECT_TRUE(sheet()->isVisible());
    EXPECT_FALSE(sheet()->IsFinished());
    EXPECT_FALSE(sheet()->SetActivePage(kArmorPage));
    EXPECT_EQ(sheet()->tabs()->currentIndex(), kDataPage);
    EXPECT_EQ(prompts.asked.size(), 3u);

    type(edit(kDataPage, 1038), "256");
    click(1061);
    EXPECT_EQ(prompts.asked.size(), 4u);
    type(edit(kDataPage, 1038), " 12 ");
    click(1061);
    EXPECT_EQ(sheet()->CurrentSlot(), 5);
    EXPECT_EQ(unit(4).Men, 8);
    EXPECT_EQ(unit(4).Size, 12);
    EXPECT_EQ(unit(4).Radio, 9);
}

TEST_F(UnitSheetTest, SixteenBitFieldsRefuseWithTheirOwnMessages) {
    read(OBFileBuilder::BW3());
    open(1);
    type(edit(kDataPage, 1049), "40000");
    click(1061);
    type(edit(kDataPage, 1049), "7");
    type(edit(kDataPage, 1047), "-1");
    click(1061);
    type(edit(kDataPage, 1047), "70000");
    click(1061);
    EXPECT_EQ(texts(),
              (std::vector<std::string>{"Please enter an integer.", "Please enter a positive integer.",
                                        "Please enter an integer between 0 and 65535."}));
    EXPECT_EQ(unit(1).SideView, 0);
    EXPECT_EQ(sheet()->CurrentSlot(), 1);
}

TEST_F(UnitSheetTest, EveryControlExplainsItself) {
    for (auto file : {OBFileBuilder::BW1(), OBFileBuilder::BW3()}) {
        read(file);
        open(1);
        for (int p = 0; p < sheet()->PageCount(); ++p)
            for (QWidget* w : page(p)->findChildren<QWidget*>()) {
                bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                               qobject_cast<QPushButton*>(w);
                if (control && w->parentWidget() && !qobject_cast<QComboBox*>(w->parentWidget())) {
                    EXPECT_FALSE(w->whatsThis().isEmpty()) << p << " " << w->objectName().toStdString();
                }
            }
        host->CloseEditors();
    }
}

class UnitSheetDocumentTest : public MainFrameTest {};

TEST_F(UnitSheetDocumentTest, ClosingTheDocumentDiscardsItsSheetFirst) {
    ui::CChildFrame* child = Open(32842);
    ASSERT_NE(child, nullptr);
    child->editors()->Open(kUnitTable, 1);
    auto* sheet = static_cast<ui::CUnitsPropSheet*>(child->editors()->editor(kUnitTable));
    ASSERT_NE(sheet, nullptr);
    QPointer<QWidget> alive(sheet);
    auto* cost = sheet->page(kDataPage)->findChild<QLineEdit*>("1036");
    cost->setText("50");
    sheet->page(kDataPage)->findChild<QPushButton*>("1061")->click();
    ASSERT_EQ(child->document().Units[1].Cost, 50);
    // A confirmed change elsewhere keeps the document modified once the sheet's changes are gone.
    child->document().Weapons[5].HEPen ^= 1;
    child->document().RecordStep("Paste Weapon onto Slot 5", {{{5}, {}, {}}});

    // The sheet's changes discarded, the user cancels the save: the document stays, reverted, and
    // the sheet is gone.
    prompts.answers = {ui::PromptAnswer::No, ui::PromptAnswer::Cancel};
    child->close();
    EXPECT_EQ(TextsAsked().size(), 2u);
    EXPECT_TRUE(QTest::qWaitFor([&alive] { return alive.isNull(); }));
    EXPECT_EQ(frame->childFrames().size(), 1u);
    EXPECT_EQ(child->document().Units[1].Cost, 0);
    EXPECT_EQ(child->editors()->editor(kUnitTable), nullptr);

    // Quitting closes an open sheet as well.
    child->editors()->Open(kUnitTable, 2);
    alive = child->editors()->editor(kUnitTable);
    child->document().SetModifiedFlag(false);
    frame->close();
    EXPECT_TRUE(alive.isNull());
}

TEST_F(UnitSheetDocumentTest, TheSideGraphicIsTheFourthPageAndFollowsTheUnit) {
    ui::CChildFrame* child = Open(32842);
    ASSERT_NE(child, nullptr);
    child->document().Units[1].SideView = 12;
    child->document().Units[2].Name.assignPadded("Puma");
    child->document().Units[2].SideView = 34;
    child->editors()->Open(kUnitTable, 1);
    auto* sheet = static_cast<ui::CUnitsPropSheet*>(child->editors()->editor(kUnitTable));
    ASSERT_NE(sheet, nullptr);
    ASSERT_EQ(sheet->PageCount(), 4);
    EXPECT_EQ(sheet->page(3)->Title(), "Side Graphic");
    auto* side = static_cast<ui::CSidePicSheetPage*>(sheet->page(3));
    sheet->tabs()->setCurrentIndex(3);
    EXPECT_EQ(side->picturePage()->pictureNumber(), 12u);
    sheet->tabs()->setCurrentIndex(0);
    child->editors()->Open(kUnitTable, 2);
    sheet->tabs()->setCurrentIndex(3);
    EXPECT_EQ(side->picturePage()->pictureNumber(), 34u);
    child->editors()->CloseEditors();
}
