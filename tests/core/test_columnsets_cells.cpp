#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "tests/core/obfile_builder.h"
#include "views/columnsets.h"
#include "views/listrows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace quorvant;
using quorvant::testing::OBFileBuilder;

namespace {

// A document of full, unnamed tables with the generation's lists, as the reader leaves it.
std::unique_ptr<CQuorvantDoc> EmptyDoc(int generation) {
    auto doc = std::make_unique<CQuorvantDoc>(generation);
    doc->Generation = generation;
    doc->BuildLists();
    doc->Weapons.resize(kWeaponSlots);
    doc->Units.resize(kUnitSlots);
    doc->Formations.resize(kFormationSlots);
    return doc;
}

std::unique_ptr<CQuorvantDoc> ReadDoc(const OBFileBuilder& file) {
    auto doc = std::make_unique<CQuorvantDoc>();
    doc->ReadBytes(file.bytes());
    return doc;
}

CUnitRecord& NamedUnit(CQuorvantDoc& doc, int slot, const char* name) {
    doc.Units[slot].Name.assignPadded(name);
    return doc.Units[slot];
}

CFormationRecord& NamedFormation(CQuorvantDoc& doc, int slot, const char* name) {
    doc.Formations[slot].Name.assignPadded(name);
    return doc.Formations[slot];
}

// The text under a heading in the row of slot.
std::string Cell(const CQuorvantDoc& doc, int table, int slot, const std::string& heading) {
    for (const ColumnSpec& column : ColumnSet(table, doc.Generation))
        if (column.heading == heading) return CellText(doc, table, slot - 1, column);
    ADD_FAILURE() << "no column " << heading;
    return "<no column>";
}

} // namespace

TEST(ListRows, WeaponsAndUnitsList249SlotsEvenWhenMostlyEmpty) {
    auto doc = ReadDoc(OBFileBuilder::BW2().unitName(3, "Leopard").weaponName(1, "L7"));
    EXPECT_EQ(ListRowCount(*doc, kUnitTable), 249);
    EXPECT_EQ(ListRowCount(*doc, kWeaponTable), 249);
    EXPECT_EQ(ListRowCount(*doc, kFormationTable), 199);
    EXPECT_EQ(RowLabel(*doc, kUnitTable, 2), " 3.  Leopard");
    EXPECT_EQ(RowLabel(*doc, kUnitTable, 248), " 249.  ---------------");
    EXPECT_EQ(RowLabel(*doc, kUnitTable, 249), "");
}

TEST(ListRows, EmptyAndShortTablesNeverListPastTheirEnd) {
    CQuorvantDoc fresh;
    for (int t : {kWeaponTable, kUnitTable, kFormationTable}) {
        EXPECT_EQ(ListRowCount(fresh, t), 0);
        EXPECT_EQ(RowLabel(fresh, t, 0), "");
        EXPECT_TRUE(RowTexts(fresh, t, 0)[1].empty());
    }

    // A file cut inside the unit names: 50 unit slots, no formations.
    OBFileBuilder cut(9250 + 50 * 15);
    cut.unitName(49, "Last").weaponName(249, "Far");
    auto doc = ReadDoc(cut);
    ASSERT_EQ(doc->Units.size(), 50u);
    EXPECT_EQ(ListRowCount(*doc, kUnitTable), 49);
    EXPECT_EQ(ListRowCount(*doc, kFormationTable), 0);
    EXPECT_EQ(RowLabel(*doc, kUnitTable, 48), " 49.  Last");
    EXPECT_EQ(RowLabel(*doc, kUnitTable, 49), "");
    EXPECT_EQ(Cell(*doc, kUnitTable, 50, "Class"), "");
    EXPECT_FALSE(UnitClassOfRow(*doc, 49).has_value());
    EXPECT_EQ(RowLabel(*doc, kWeaponTable, 248), " 249.  Far");

    // One formation slot is slot 0 alone: nothing to list.
    auto one = EmptyDoc(kBW1);
    one->Formations.resize(1);
    EXPECT_EQ(ListRowCount(*one, kFormationTable), 0);
    EXPECT_EQ(RowLabel(*one, kUnitTable, -1), "");
    EXPECT_EQ(RowLabel(*one, 9, 0), "");
}

TEST(ListRows, BlankSlotsShowHyphensAndNoOtherCell) {
    OBFileBuilder file = OBFileBuilder::BW1();
    file.weaponName(12, "               ").column(4750, 12, 77, 2).weaponName(13, "Exactly15Chars!");
    auto doc = ReadDoc(file);
    auto blank = RowTexts(*doc, kWeaponTable, 11);
    ASSERT_EQ(blank.size(), 12u);
    EXPECT_EQ(blank[0], " 12.  ---------------");
    for (std::size_t i = 1; i < blank.size(); ++i) EXPECT_EQ(blank[i], "") << i;
    EXPECT_FALSE(RowHasCells(*doc, kWeaponTable, 11));
    EXPECT_EQ(RowLabel(*doc, kWeaponTable, 12), " 13.  Exactly15Chars!");
    // An empty name (first byte NUL) is blank too.
    EXPECT_EQ(RowLabel(*doc, kWeaponTable, 0), " 1.  ---------------");
}

TEST(WeaponCells, ClassNamesAndNumbers) {
    auto doc = EmptyDoc(kBW2);
    CWeaponRecord& w = doc->Weapons[4];
    w.Name.assignPadded("TOW");
    w.Class = 13;
    w.HEPen = 12;
    w.APPen = 255;
    w.HVAP = 3;
    EXPECT_EQ(Cell(*doc, kWeaponTable, 4, "Class"), "Anti Tank Guided Missile");
    EXPECT_EQ(Cell(*doc, kWeaponTable, 4, "HE Pen"), "12");
    EXPECT_EQ(Cell(*doc, kWeaponTable, 4, "AP Pen"), "255");
    EXPECT_EQ(Cell(*doc, kWeaponTable, 4, "HVAP"), "3");
    w.Class = 0; // a list entry the string table leaves empty
    EXPECT_EQ(Cell(*doc, kWeaponTable, 4, "Class"), "");
    w.Class = 19; // one past the list
    EXPECT_EQ(Cell(*doc, kWeaponTable, 4, "Class"), "19");
}

TEST(UnitCells, AvailabilityPerGeneration) {
    auto bw1 = EmptyDoc(kBW1);
    CUnitRecord& a = NamedUnit(*bw1, 1, "PzIII");
    a.Available = 109;
    a.UnAvailable = 99;
    EXPECT_EQ(Cell(*bw1, kUnitTable, 1, "Available"), "10/39");
    EXPECT_EQ(Cell(*bw1, kUnitTable, 1, "Unavailable"), "12/45");
    a.Available = 0;
    a.UnAvailable = 125; // no month has this code
    EXPECT_EQ(Cell(*bw1, kUnitTable, 1, "Available"), " 9/39");
    EXPECT_EQ(Cell(*bw1, kUnitTable, 1, "Unavailable"), "125");

    auto bw3 = EmptyDoc(kBW3);
    CUnitRecord& m = NamedUnit(*bw3, 1, "M1A1");
    m.AvailMonth = 5;
    m.Available = 44;
    m.UnAvailable = 99;
    EXPECT_EQ(Cell(*bw3, kUnitTable, 1, "Available"), "5/44");
    EXPECT_EQ(Cell(*bw3, kUnitTable, 1, "Unavailable"), "99");
    m.AvailMonth = 0;
    EXPECT_EQ(Cell(*bw3, kUnitTable, 1, "Available"), "44");

    // BW2 has no month column, whatever the byte holds.
    auto bw2 = EmptyDoc(kBW2);
    CUnitRecord& t = NamedUnit(*bw2, 1, "T-72");
    t.AvailMonth = 5;
    t.Available = 72;
    EXPECT_EQ(Cell(*bw2, kUnitTable, 1, "Available"), "72");
}

TEST(UnitCells, ListNamesAndValuesOutsideThem) {
    auto doc = EmptyDoc(kBW1);
    CUnitRecord& u = NamedUnit(*doc, 7, "Tiger");
    u.Class = 14;
    u.Nationality = 0;
    u.MoveClass = 4;
    EXPECT_EQ(Cell(*doc, kUnitTable, 7, "Class"), "Heavy Tank");
    EXPECT_EQ(Cell(*doc, kUnitTable, 7, "Country "), "West Germany");
    EXPECT_EQ(Cell(*doc, kUnitTable, 7, "Move Class"), "Track");
    u.Nationality = 70; // shown 26 places lower
    EXPECT_EQ(Cell(*doc, kUnitTable, 7, "Country "), "Germany");

    u.Class = 51;
    u.Nationality = 50;
    u.MoveClass = 9;
    EXPECT_EQ(Cell(*doc, kUnitTable, 7, "Class"), "51");
    EXPECT_EQ(Cell(*doc, kUnitTable, 7, "Country "), "50");
    EXPECT_EQ(Cell(*doc, kUnitTable, 7, "Move Class"), "9");
    u.Nationality = 255;
    EXPECT_EQ(Cell(*doc, kUnitTable, 7, "Country "), "255");
    EXPECT_EQ(UnitClassOfRow(*doc, 6), 51);

    auto bw3 = EmptyDoc(kBW3);
    NamedUnit(*bw3, 2, "BMP").Class = 68;
    EXPECT_EQ(Cell(*bw3, kUnitTable, 2, "Class"), "Emplacement");
    bw3->Units[2].Class = 69;
    EXPECT_EQ(Cell(*bw3, kUnitTable, 2, "Class"), "69");
}

TEST(UnitCells, WeaponsRoundsAndArmour) {
    auto doc = EmptyDoc(kBW2);
    doc->Weapons[3].Name.assignPadded("105mm L7");
    CUnitRecord& u = NamedUnit(*doc, 9, "Leopard 1");
    u.Wpn = {3, 0, 250, 255};
    u.Ammo = {1, 2, 3, 4, 5, 6, 7, 8};
    u.ArmorAP[0] = 40;
    u.ArmorHEAT[3] = 41;
    u.ArmorRA[6] = 42;
    u.SideView = 65535;
    u.Symbol = 17;
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "Wep 1"), "105mm L7");
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "Wep 2"), ""); // weapon slot 0 is unnamed
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "Wep 3"), "250");
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "Wep 4"), "255");
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "HE-1"), "1");
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "AP-1"), "2");
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "HE-4"), "7");
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "AP-4"), "8");
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "APFH"), "40");
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "HEATFT"), "41");
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "RATT"), "42");
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "Side View"), "65535");
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "Graphic"), "17");

    // A short weapon table: slots past it show their number.
    doc->Weapons.resize(3);
    EXPECT_EQ(Cell(*doc, kUnitTable, 9, "Wep 1"), "3");
}

TEST(FormationCells, BW1CountryDatesTypeAndUnits) {
    auto doc = EmptyDoc(kBW1);
    NamedUnit(*doc, 5, "Rifle Sqd");
    CFormationRecord& f = NamedFormation(*doc, 2, "Rifle Coy");
    f.Country = 7;
    f.Avail = 109;
    f.UnAvail = 200;
    f.Type = 9;
    f.UnitsBW1 = {5, 5, 0, 0, 0, 0, 5, 0, 0, 251};
    EXPECT_EQ(Cell(*doc, kFormationTable, 2, "Country"), "United Kingdom");
    EXPECT_EQ(Cell(*doc, kFormationTable, 2, "Available"), "10/39");
    EXPECT_EQ(Cell(*doc, kFormationTable, 2, "Unavailable"), "200");
    EXPECT_EQ(Cell(*doc, kFormationTable, 2, "Type"), "9");
    EXPECT_EQ(Cell(*doc, kFormationTable, 2, "Unit 1"), "Rifle Sqd");
    EXPECT_EQ(Cell(*doc, kFormationTable, 2, "Unit7"), "Rifle Sqd");
    EXPECT_EQ(Cell(*doc, kFormationTable, 2, "Unit 10"), "251");
}

TEST(FormationCells, BW2CategoriesAndTypes) {
    auto doc = EmptyDoc(kBW2);
    CFormationRecord& f = NamedFormation(*doc, 1, "HQ Bn");
    f.Catagory = 10;
    f.Type = 5;
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Catagory"), "HQ");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Type"), "HQ");
    f.Catagory = 7;
    f.Type = 6;
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Catagory"), "");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Type"), "6");
    f.Catagory = 11;
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Catagory"), "11");
    f.Catagory = 2;
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Catagory"), "Arty.");
}

TEST(FormationCells, BW3SubFormationsStrengthsAndMonths) {
    // Formation 1 of a BW3 file: entries 0 (unit 4) and 3 (formation 3), strengths beside them.
    OBFileBuilder file = OBFileBuilder::BW3();
    file.unitName(4, "T-80").formationName(1, "Tank Bn").formationName(3, "Recon Coy");
    file.put16(38500 + 1 * 20 + 0, 4).put16(38500 + 1 * 20 + 6, 1003);
    file.put(42500 + 1 * 10 + 0, 3).put(42500 + 1 * 10 + 3, 9);
    file.put(35700 + 1, 5).put(37700 + 1, 44).put(35900 + 1, 2);
    auto doc = ReadDoc(file);
    ASSERT_EQ(doc->Generation, kBW3);
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Unit 1"), "T-80");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "U1 Str"), "3");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Unit 4"), "Recon Coy");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "F 4"), "X");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "U4 Str"), "");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "F 2"), "");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Available"), "5/44");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "SpcFlg"), "2");
}

TEST(FormationCells, EntriesThatNameNothingListed) {
    auto doc = EmptyDoc(kBW3);
    NamedUnit(*doc, 4, "T-80");
    CFormationRecord& f = NamedFormation(*doc, 1, "Odd");
    f.Units = {1002, 1199, 1200, 65535, 999, 4, 0, 0, 0, 0};
    f.UnitStr = {7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
    // A sub-formation cannot lead: the first entry's cells stay empty.
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Unit 1"), "");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "U1 Str"), "");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Unit 2"), ""); // formation 199 exists, unnamed
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Unit 3"), "1200");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Unit 4"), "65535");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "F 4"), "X");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Unit 5"), "999");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "U5 Str"), "7");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Unit 6"), "T-80");
}

TEST(FormationCells, BW2HasNoStrengthsOrMonths) {
    auto doc = EmptyDoc(kBW2);
    CFormationRecord& f = NamedFormation(*doc, 1, "Mech Coy");
    f.AvailMon = 3;
    f.Avail = 80;
    f.UnAvail = 95;
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Available"), "80");
    EXPECT_EQ(Cell(*doc, kFormationTable, 1, "Unavailable"), "95");
    EXPECT_EQ(RowTexts(*doc, kFormationTable, 0).size(), 24u);
}
