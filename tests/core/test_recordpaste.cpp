#include "exchange/recordpaste.h"
#include "obdata/quorvantdoc.h"
#include "test_csv_fixtures.h"

#include <gtest/gtest.h>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

CWeaponRecord Weapon(const char* name, std::uint8_t hePen, int generation) {
    CWeaponRecord w;
    w.Generation = generation;
    w.Name.assignPadded(name);
    w.HEPen = hePen;
    w.MaxRange = 40;
    return w;
}

CarriedWeapon Carried(const CWeaponRecord& w) {
    return CarriedWeapon{w, true};
}

// Names weapon slots first to last, so no slot from 1 to 247 is free.
void FillWeapons(CQuorvantDoc& doc, int first, int last) {
    for (int s = first; s <= last; ++s)
        doc.Weapons[static_cast<std::size_t>(s)] =
            Weapon(("Filler " + std::to_string(s)).c_str(), static_cast<std::uint8_t>(s), doc.Generation);
}

} // namespace

TEST(ResolveWeapon, KeepsTheSlotFindsAnEqualOneTakesAFreeOneOrKeepsTheNumber) {
    auto doc = EmptyDoc(kBW2);
    const CWeaponRecord gun = Weapon("75mm", 9, kBW2);
    doc->Weapons[30] = gun;
    doc->Weapons[12] = gun;
    FillWeapons(*doc, 1, 5);

    ResolvedWeapon same = ResolveWeapon(30, Carried(gun), *doc);
    EXPECT_EQ(same.slot, 30);
    EXPECT_EQ(same.match, WeaponMatch::SameSlot);

    ResolvedWeapon found = ResolveWeapon(40, Carried(gun), *doc);
    EXPECT_EQ(found.slot, 12); // the first equal slot
    EXPECT_EQ(found.match, WeaponMatch::Found);
    EXPECT_EQ(found.carriedSlot, 40);

    const CWeaponRecord mortar = Weapon("81mm Mortar", 20, kBW2);
    ResolvedWeapon added = ResolveWeapon(40, Carried(mortar), *doc);
    EXPECT_EQ(added.slot, 6);
    EXPECT_EQ(added.match, WeaponMatch::FreeSlot);
    EXPECT_EQ(doc->Weapons[6], mortar);
    EXPECT_EQ(ResolveWeapon(99, Carried(mortar), *doc).slot, 6); // now found there

    FillWeapons(*doc, 6, 247);
    ResolvedWeapon none = ResolveWeapon(201, Carried(Weapon("Flamer", 3, kBW2)), *doc);
    EXPECT_EQ(none.slot, 201);
    EXPECT_EQ(none.match, WeaponMatch::NoRoom);
    EXPECT_EQ(doc->Weapons[201].Name.trimmed(), "Filler 201");
}

TEST(ResolveWeapon, EqualityCoversEveryFieldAndTheTail) {
    auto doc = EmptyDoc(kBW1);
    FillWeapons(*doc, 1, 247);
    const CWeaponRecord gun = Weapon("75mm", 9, kBW1);
    doc->Weapons[100] = gun;
    CWeaponRecord other = gun;
    other.HEAT = 1;
    EXPECT_EQ(ResolveWeapon(100, Carried(other), *doc).match, WeaponMatch::NoRoom);
    other = gun;
    other.Name.assignPadded("75mm L/48");
    EXPECT_EQ(ResolveWeapon(100, Carried(other), *doc).match, WeaponMatch::NoRoom);
    EXPECT_EQ(ResolveWeapon(100, CarriedWeapon{gun, false}, *doc).match, WeaponMatch::NoRoom);
    EXPECT_EQ(ResolveWeapon(100, Carried(gun), *doc).match, WeaponMatch::SameSlot);
}

TEST(ResolveWeapon, SearchesSlots0To248AndTakesFreeSlotsOnlyFrom1To247) {
    auto doc = EmptyDoc(kBW3);
    FillWeapons(*doc, 0, 249);
    const CWeaponRecord gun = Weapon("Rail gun", 1, kBW3);
    doc->Weapons[249] = gun;
    EXPECT_EQ(ResolveWeapon(3, Carried(gun), *doc).match, WeaponMatch::NoRoom); // 249 is not searched
    doc->Weapons[248] = gun;
    EXPECT_EQ(ResolveWeapon(3, Carried(gun), *doc).slot, 248);
    doc->Weapons[0] = doc->Weapons[248] = doc->Weapons[249] = CWeaponRecord{};
    EXPECT_EQ(ResolveWeapon(3, Carried(gun), *doc).match, WeaponMatch::NoRoom); // 0 and 248 are never free
    doc->Weapons[247].Name.assignPadded(" old");
    EXPECT_EQ(ResolveWeapon(3, Carried(gun), *doc).slot, 247); // a name beginning with a blank is free
    EXPECT_EQ(doc->Weapons[247], gun);
    // A slot the table does not have is never read.
    EXPECT_EQ(ResolveWeapon(255, Carried(Weapon("X", 2, kBW3)), *doc).slot, 255);
}

TEST(RecordPaste, UnitBringsItsFourWeaponsIntoAnotherDocument) {
    auto source = EmptyDoc(kBW2);
    auto target = EmptyDoc(kBW2);
    source->Units[10] = DistinctUnit("Panther");
    source->Units[10].Wpn = {20, 21, 22, 23};
    source->Weapons[20] = Weapon("75mm KwK", 1, kBW2);
    source->Weapons[21] = Weapon("MG 34", 2, kBW2);
    source->Weapons[22] = Weapon("Smoke", 3, kBW2);
    source->Weapons[23] = Weapon("Flamer", 4, kBW2);

    FillWeapons(*target, 1, 247);
    target->Weapons[20] = source->Weapons[20];  // found in its own slot
    target->Weapons[140] = source->Weapons[21]; // found elsewhere
    target->Weapons[77] = CWeaponRecord{};      // the one free slot
    target->FileNation = target->Units[1].Nationality = 12;
    target->Units[5].Name.assignPadded("Sherman");
    target->TakeSnapshots();

    auto report = PasteBlock(*target, TransferKind::Units, 5, *UnitBlockOfSlot(*source, 10));
    ASSERT_TRUE(report);
    const CUnitRecord& pasted = target->Units[5];
    EXPECT_EQ(pasted.Name.trimmed(), "Panther");
    EXPECT_EQ(pasted.Wpn, (std::array<std::uint8_t, 4>{20, 140, 77, 23}));
    EXPECT_EQ(pasted.Nationality, 12);
    EXPECT_EQ(pasted.Cost, source->Units[10].Cost);
    EXPECT_EQ(target->Weapons[77], source->Weapons[22]);
    EXPECT_EQ(target->Weapons[23].Name.trimmed(), "Filler 23");

    ASSERT_EQ(report->weapons.size(), 4u);
    EXPECT_EQ(report->weapons[0].match, WeaponMatch::SameSlot);
    EXPECT_EQ(report->weapons[1].match, WeaponMatch::Found);
    EXPECT_EQ(report->weapons[2].match, WeaponMatch::FreeSlot);
    EXPECT_EQ(report->weapons[3].match, WeaponMatch::NoRoom);
    EXPECT_EQ(report->changedWeaponSlots(), std::vector<int>{77});
    EXPECT_EQ(report->text(),
              "Pasted unit slot 5 \"Panther\": weapon 1 \"75mm KwK\" found at slot 20; weapon 2 "
              "\"MG 34\" found at slot 140 (was 21); weapon 3 \"Smoke\" added at free slot 77 (was "
              "22); weapon 4 \"Flamer\" no free weapon slot, keeps slot 23");

    EXPECT_TRUE(target->IsModified());
    EXPECT_EQ(target->SnapshotUnits[5].Name.trimmed(), "Sherman");
    EXPECT_EQ(target->SnapshotWeapons[77], CWeaponRecord{});
}

TEST(RecordPaste, UnitOnSlot1KeepsTheDocumentsNationAndTheReportSaysSo) {
    auto doc = EmptyDoc(kBW3);
    doc->FileNation = doc->Units[1].Nationality = 31;
    CUnitRecord unit = DistinctUnit("Leopard");
    unit.Nationality = 5;
    auto report = PasteBlock(*doc, TransferKind::Units, 1, EncodeUnitBlock(unit, {}));
    ASSERT_TRUE(report);
    EXPECT_EQ(doc->Units[1].Nationality, 31);
    const std::string tail =
        "; nation " + doc->Lists.NationList[31] + " of this file (was " + doc->Lists.NationList[5] + ")";
    EXPECT_EQ(report->nationNote(), tail);

    unit.Nationality = 31;
    report = PasteBlock(*doc, TransferKind::Units, 2, EncodeUnitBlock(unit, {}));
    EXPECT_EQ(report->nationNote(), "") << "the same nation goes unsaid";
}

TEST(RecordPaste, WeaponReplacesTheSlotAsCarried) {
    auto doc = EmptyDoc(kBW1);
    doc->Weapons[8] = Weapon("Old", 1, kBW1);
    CWeaponRecord gun = DistinctWeapon("105mm");
    auto report = PasteBlock(*doc, TransferKind::Weapons, 8, EncodeWeaponBlock(gun));
    ASSERT_TRUE(report);
    gun.Generation = kBW1;
    EXPECT_EQ(doc->Weapons[8], gun);
    EXPECT_EQ(report->text(), "Pasted weapon slot 8 \"105mm\"");
    EXPECT_EQ(report->changedWeaponSlots(), std::vector<int>{8});
}

TEST(RecordPaste, RefusedBlocksAndSlotsChangeNothing) {
    auto doc = EmptyDoc(kBW2);
    FillWeapons(*doc, 1, 10);
    const auto weapons = doc->Weapons;
    const auto units = doc->Units;
    RecordBlock unit = EncodeUnitBlock(DistinctUnit("Tiger"), {});
    EXPECT_FALSE(PasteBlock(*doc, TransferKind::Units, 5, RecordBlock(unit.begin(), unit.end() - 1)));
    EXPECT_FALSE(PasteBlock(*doc, TransferKind::Weapons, 5, unit));
    EXPECT_FALSE(PasteBlock(*doc, TransferKind::Units, 250, unit));
    EXPECT_FALSE(PasteBlock(*doc, TransferKind::Units, -1, unit));
    EXPECT_EQ(doc->Weapons, weapons);
    EXPECT_EQ(doc->Units, units);
    EXPECT_FALSE(doc->IsModified());
}

TEST(RecordPaste, ReplacingANamedSlotIsAskedByName) {
    auto doc = EmptyDoc(kBW2);
    doc->Units[4].Name.assignPadded("Tiger");
    doc->Units[6].Name.assignPadded("   ");
    doc->Weapons[4].Name.assignPadded("88mm");
    EXPECT_EQ(NamedSlotName(*doc, TransferKind::Units, 4), "Tiger");
    EXPECT_EQ(NamedSlotName(*doc, TransferKind::Units, 6), ""); // blanks are a name
    EXPECT_FALSE(NamedSlotName(*doc, TransferKind::Units, 5));
    EXPECT_FALSE(NamedSlotName(*doc, TransferKind::Units, 250));
    EXPECT_EQ(ReplacePromptText(*doc, TransferKind::Units, 4), "Replace Tiger?");
    EXPECT_EQ(ReplacePromptText(*doc, TransferKind::Weapons, 4), "Replace 88mm           ?");
}
