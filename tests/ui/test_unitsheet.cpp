// The unit sheet's protocol with its view and the data page.

#include "tests/ui/test_unitsheet_fixture.h"

#include "obdata/generation.h"
#include "views/ui/recordtablemodel.h"

#include <QTableView>

using namespace quorvant;
using namespace quorvant::testing;
using quorvant::testing::OBFileBuilder;

TEST_F(UnitSheetTest, ADoubleClickOpensOneSheetThatLaterRequestsRePoint) {
    read(OBFileBuilder::BW2());
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    QTableView* report = view->reportView();
    QTest::mouseDClick(report->viewport(), Qt::LeftButton, {},
                       report->visualRect(report->model()->index(4, 0)).center());
    ASSERT_NE(sheet(), nullptr);
    ui::CUnitsPropSheet* first = sheet();
    EXPECT_EQ(first->windowTitle(), "Unit Information");
    EXPECT_TRUE(first->isWindow());
    EXPECT_EQ(first->parentWidget(), view->window()) << "it stays above the window of its list";
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->CurrentSlot(), 5);
    ASSERT_EQ(first->tabs()->count(), 3);
    EXPECT_EQ(first->tabs()->tabText(0), "Unit Type");
    EXPECT_EQ(first->tabs()->tabText(1), "Unit Weapons");
    EXPECT_EQ(first->tabs()->tabText(2), "Unit Armor ");
    EXPECT_EQ(first->tabs()->currentIndex(), kDataPage);
    EXPECT_EQ(edit(kDataPage, 1030)->text(), "5");
    EXPECT_EQ(list(kDataPage, 1031)->currentText().trimmed(), "Unit 5");

    // An edit pending on unit 5 is not stored by the re-pointing.
    type(edit(kDataPage, 1036), "77");
    host->Open(kUnitTable, 9);
    EXPECT_EQ(sheet(), first);
    EXPECT_EQ(first->CurrentSlot(), 9);
    EXPECT_EQ(view->UnitRow, 8);
    EXPECT_EQ(edit(kDataPage, 1030)->text(), "9");
    EXPECT_EQ(edit(kDataPage, 1036)->text(), "0");
    EXPECT_EQ(unit(5).Cost, 0);
    EXPECT_EQ(QApplication::topLevelWidgets().count(first), 1);
}

TEST_F(UnitSheetTest, RePointingWhileAnotherPageShowsReloadsThatPage) {
    read(OBFileBuilder::BW2());
    unit(3).ArmorAP[0] = 30;
    unit(8).ArmorAP[0] = 80;
    settle();
    open(3);
    sheet()->SetActivePage(kArmorPage);
    host->Open(kUnitTable, 8);
    EXPECT_EQ(edit(kArmorPage, 1150)->text(), "80");
    // Leaving the page stores the new unit's values into the new unit only.
    sheet()->SetActivePage(kDataPage);
    EXPECT_EQ(unit(3).ArmorAP[0], 30);
    EXPECT_EQ(unit(8).ArmorAP[0], 80);
}

TEST_F(UnitSheetTest, MoveButtonsStopAtSlotOneAndTheLastSlot) {
    read(OBFileBuilder::BW3());
    open(1);
    EXPECT_FALSE(button(1059)->isEnabled());
    EXPECT_FALSE(button(1060)->isEnabled());
    EXPECT_TRUE(button(1061)->isEnabled());
    EXPECT_TRUE(button(1062)->isEnabled());
    click(1062);
    EXPECT_EQ(sheet()->CurrentSlot(), 249);
    EXPECT_TRUE(button(1059)->isEnabled());
    EXPECT_TRUE(button(1060)->isEnabled());
    EXPECT_FALSE(button(1061)->isEnabled());
    EXPECT_FALSE(button(1062)->isEnabled());
    click(1060);
    EXPECT_EQ(sheet()->CurrentSlot(), 248);
    click(1059);
    EXPECT_EQ(sheet()->CurrentSlot(), 1);
    // Slot 0 is never edited: its name in the list leads to slot 1.
    open(6);
    choose(list(kDataPage, 1031), 0);
    EXPECT_EQ(sheet()->CurrentSlot(), 1);
    choose(list(kDataPage, 1031), 11);
    EXPECT_EQ(sheet()->CurrentSlot(), 11);
}

TEST_F(UnitSheetTest, StepsRenameTheListEntryAndJumpsLeaveTheOldName) {
    read(OBFileBuilder::BW2());
    open(5);
    QComboBox* names = list(kDataPage, 1031);
    type(names->lineEdit(), "Renamed 5 and cut at 15");
    EXPECT_TRUE(doc->IsModified());
    click(1061);
    EXPECT_EQ(unit(5).Name.str(), "Renamed 5 and c");
    EXPECT_EQ(names->itemText(5), "Renamed 5 and c");

    type(names->lineEdit(), "Renamed 6");
    click(1060);
    EXPECT_EQ(names->itemText(6), "Renamed 6");
    EXPECT_EQ(sheet()->CurrentSlot(), 5);

    type(names->lineEdit(), "Jumped 5");
    click(1062);
    EXPECT_EQ(unit(5).Name.str(), "Jumped 5");
    EXPECT_NE(names->itemText(5), "Jumped 5");
    type(names->lineEdit(), "Jumped 249");
    click(1059);
    EXPECT_EQ(unit(249).Name.str(), "Jumped 249");
    EXPECT_NE(names->itemText(249), "Jumped 249");
    // Choosing a name stores and renames like a step.
    type(names->lineEdit(), "Chosen 1");
    choose(names, 3);
    EXPECT_EQ(names->itemText(1), "Chosen 1");
    EXPECT_EQ(list(kDataPage, 1031)->currentText().trimmed(), "Unit 3");
}

TEST_F(UnitSheetTest, TypingAUnitNumberLoadsThatUnitWithoutStoring) {
    read(OBFileBuilder::BW2());
    open(2);
    type(edit(kDataPage, 1037), "12");
    type(edit(kDataPage, 1030), "7");
    EXPECT_EQ(sheet()->CurrentSlot(), 7);
    EXPECT_EQ(unit(2).Men, 0);
    type(edit(kDataPage, 1030), "250");
    EXPECT_EQ(sheet()->CurrentSlot(), 25); // "2" and "25" went on the way, "250" is no unit
    type(edit(kDataPage, 1030), "0");
    EXPECT_EQ(sheet()->CurrentSlot(), 25);
}

TEST_F(UnitSheetTest, GenerationsShowTheirOwnFields) {
    read(OBFileBuilder::BW1());
    open(1);
    EXPECT_EQ(control<QLabel>(kDataPage, 1066)->text(), "HVAP Ammo ");
    EXPECT_TRUE(list(kDataPage, 1033)->isEnabled());
    EXPECT_TRUE(edit(kDataPage, 1048)->isEnabled());
    for (int id : {1041, 1049, 1050, 1051, 1052, 1053, 1054, 1055, 1056, 1057, 1058})
        EXPECT_FALSE(edit(kDataPage, id)->isEnabled()) << id;
    EXPECT_FALSE(list(kDataPage, 1080)->isEnabled());
    EXPECT_FALSE(list(kDataPage, 1063)->isHidden());
    host->CloseEditors();

    for (int generation : {kBW2, kBW3}) {
        read(generation == kBW2 ? OBFileBuilder::BW2() : OBFileBuilder::BW3());
        open(1);
        EXPECT_EQ(control<QLabel>(kDataPage, 1066)->text(), "Sabot Ammo ");
        EXPECT_FALSE(list(kDataPage, 1033)->isEnabled());
        EXPECT_FALSE(edit(kDataPage, 1048)->isEnabled());
        EXPECT_FALSE(control<QLabel>(kDataPage, 1079)->isEnabled());
        for (int id : {1041, 1049, 1058}) EXPECT_TRUE(edit(kDataPage, id)->isEnabled()) << id;
        EXPECT_EQ(list(kDataPage, 1063)->isHidden(), generation == kBW2);
        EXPECT_EQ(control<QLabel>(kDataPage, 1159)->isHidden(), generation == kBW2);
        host->CloseEditors();
    }
}

TEST_F(UnitSheetTest, DatesGoThroughTheGenerationsCodes) {
    read(OBFileBuilder::BW1());
    unit(1).Available = 110;
    unit(1).UnAvailable = 125; // no such month
    settle();
    open(1);
    EXPECT_EQ(list(kDataPage, 1042)->currentText(), "11/40");
    EXPECT_EQ(list(kDataPage, 1043)->currentIndex(), -1);
    click(1061);
    EXPECT_EQ(unit(1).Available, 110);
    EXPECT_EQ(unit(1).UnAvailable, 125);
    click(1060);
    choose(list(kDataPage, 1043), 4); // " 1/40"
    EXPECT_TRUE(doc->IsModified());
    click(1061);
    EXPECT_EQ(unit(1).UnAvailable, 10);
    host->CloseEditors();

    // BW2 codes 0 and 50 share "1950": showing one must not turn it into the other.
    read(OBFileBuilder::BW2());
    settle();
    open(1);
    EXPECT_EQ(list(kDataPage, 1042)->currentText(), "1950");
    sheet()->accept();
    EXPECT_EQ(unit(1).Available, 0);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(UnitSheetTest, ClassNumberAndClassListKeepInStep) {
    read(OBFileBuilder::BW2());
    unit(2).Class = 255;
    unit(2).Nationality = 200;
    settle();
    open(2);
    EXPECT_EQ(edit(kDataPage, 1034)->text(), "255");
    EXPECT_EQ(list(kDataPage, 1035)->currentIndex(), 0);
    EXPECT_EQ(list(kDataPage, 1033)->currentIndex(), -1);
    click(1061);
    EXPECT_EQ(unit(2).Class, 255);
    EXPECT_EQ(unit(2).Nationality, 200);

    type(edit(kDataPage, 1034), "13");
    EXPECT_EQ(list(kDataPage, 1035)->currentIndex(), 13);
    type(edit(kDataPage, 1034), "251");
    EXPECT_EQ(list(kDataPage, 1035)->currentIndex(), 0);
    EXPECT_FALSE(doc->IsModified());
    choose(list(kDataPage, 1035), 7);
    EXPECT_EQ(edit(kDataPage, 1034)->text(), "7");
    EXPECT_TRUE(doc->IsModified());
    click(1060);
    EXPECT_EQ(unit(3).Class, 7);
}

TEST_F(UnitSheetTest, BW1NationChoiceReachesTheRecordAndKeepsOtherTyping) {
    read(OBFileBuilder::BW1());
    open(4);
    type(edit(kDataPage, 1036), "31");
    choose(list(kDataPage, 1033), 12);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(edit(kDataPage, 1036)->text(), "31");
    click(1061);
    EXPECT_EQ(unit(4).Nationality, 12);
    EXPECT_EQ(unit(4).Cost, 31);
}

TEST_F(UnitSheetTest, PasteAsksOnlyOverANamedUnit) {
    read(OBFileBuilder::BW1());
    unit(2).Cost = 33;
    settle();
    open(2);
    EXPECT_FALSE(button(1065)->isEnabled());
    click(1064);
    EXPECT_TRUE(button(1065)->isEnabled());

    type(edit(kDataPage, 1030), "20"); // an empty slot
    click(1065);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(unit(20).Cost, 33);
    EXPECT_EQ(unit(20).Name.str(), "RENAME ME");
    EXPECT_EQ(doc->UnitNameList[20], "RENAME ME");
    EXPECT_EQ(list(kDataPage, 1031)->itemText(20), "RENAME ME");
    EXPECT_EQ(list(kDataPage, 1031)->currentText(), "RENAME ME");
    EXPECT_TRUE(doc->IsModified());

    type(edit(kDataPage, 1030), "3");
    prompts.answers = {ui::PromptAnswer::No};
    click(1065);
    EXPECT_EQ(texts(), std::vector<std::string>{"Replace Current Unit?"});
    EXPECT_EQ(prompts.asked.back().kind, ui::PromptKind::YesNo);
    EXPECT_EQ(unit(3).Cost, 0);
    click(1065); // answered Yes
    EXPECT_EQ(unit(3).Cost, 33);
    host->CloseEditors();

    read(OBFileBuilder::BW3());
    open(2);
    click(1064);
    type(edit(kDataPage, 1030), "30");
    click(1065);
    EXPECT_EQ(unit(30).Name.str(), unit(2).Name.str());
}

TEST_F(UnitSheetTest, CancelRestoresEveryVisitedUnitAndOkKeepsThem) {
    for (bool ok : {false, true}) {
        read(OBFileBuilder::BW2());
        view->UnitRow = 0;
        view->ShowDisplayType(kUnitTable);
        open(4);
        for (int n = 0; n < 3; ++n) {
            type(edit(kDataPage, 1036), QString::number(10 + n));
            click(1061);
        }
        type(edit(kDataPage, 1036), "99"); // pending on slot 7
        if (ok) {
            click(1);
        } else {
            QTest::keyClick(sheet(), Qt::Key_Escape);
        }
        waitClosed();
        for (int n = 0; n < 3; ++n) EXPECT_EQ(unit(4 + n).Cost, ok ? 10 + n : 0) << ok << n;
        EXPECT_EQ(unit(7).Cost, ok ? 99 : 0);
        EXPECT_EQ(doc->SnapshotUnits, doc->Units);
        EXPECT_EQ(view->UnitRow, 6);
        EXPECT_EQ(doc->IsModified(), ok);
        // Only OK rebuilds the list, which then shows the last unit edited.
        EXPECT_EQ(view->SelectedRow(), ok ? 6 : 0) << ok;
        QAbstractItemModel* units = view->model(kUnitTable);
        int cost = 0;
        while (cost < units->columnCount() && units->headerData(cost, Qt::Horizontal).toString() != "Cost")
            ++cost;
        EXPECT_EQ(units->index(6, cost).data().toString(), ok ? "99" : "0") << ok;
    }
}

TEST_F(UnitSheetTest, TheCloseBoxCancelsAndOpeningAgainMakesANewSheet) {
    read(OBFileBuilder::BW2());
    open(3);
    type(edit(kDataPage, 1036), "5");
    click(1062);
    sheet()->close();
    waitClosed();
    EXPECT_EQ(unit(3).Cost, 0);
    EXPECT_EQ(view->UnitRow, 248);
    open(3);
    ASSERT_NE(sheet(), nullptr);
    EXPECT_EQ(sheet()->CurrentSlot(), 3);
}

TEST_F(UnitSheetTest, OkMarksTheDocumentOnlyWhenAUnitChanged) {
    read(OBFileBuilder::BW2());
    open(2);
    click(1061);
    click(1);
    waitClosed();
    EXPECT_FALSE(doc->IsModified());

    // An edit no field marks on its own still makes OK mark the document.
    open(2);
    type(edit(kDataPage, 1036), "8");
    EXPECT_FALSE(doc->IsModified());
    click(1);
    waitClosed();
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(UnitSheetTest, SixteenBitFieldsKeepEveryValue) {
    read(OBFileBuilder::BW3());
    unit(1).Symbol2 = 0xFFFF;
    unit(1).SideView = 65535;
    settle();
    open(1);
    EXPECT_EQ(edit(kDataPage, 1049)->text(), "-1");
    EXPECT_EQ(edit(kDataPage, 1047)->text(), "65535");
    type(edit(kDataPage, 1049), "-32768");
    click(1061);
    EXPECT_EQ(unit(1).Symbol2, 0x8000);
    EXPECT_EQ(unit(1).SideView, 65535);
}
