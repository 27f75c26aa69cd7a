#include "obdata/generation.h"
#include "obdata/recordfields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace quorvant;

namespace {

// Gives every element of every numeric field its own value, then reads them all back: two table
// entries reaching the same member, or an element index landing on the wrong byte, shows up as a
// value that was overwritten.
template <class Rec> void ExpectEveryElementIsItsOwn(int generation) {
    Rec record{};
    int next = 1;
    for (const RecordField<Rec>& f : FieldsOf<Rec>()) {
        if (f.kind != FieldKind::Number) continue;
        for (int i = 0; i < f.length; ++i) {
            ASSERT_TRUE(f.Set(record, generation, i, next % 200 + 1)) << f.name << "[" << i << "]";
            ++next;
        }
    }
    next = 1;
    for (const RecordField<Rec>& f : FieldsOf<Rec>()) {
        if (f.kind != FieldKind::Number) continue;
        for (int i = 0; i < f.length; ++i) {
            EXPECT_EQ(f.Get(record, generation, i), next % 200 + 1) << f.name << "[" << i << "]";
            ++next;
        }
    }
}

template <class Rec> std::set<std::string> NamesOf() {
    std::set<std::string> names;
    for (const RecordField<Rec>& f : FieldsOf<Rec>())
        EXPECT_TRUE(names.insert(std::string(f.name)).second) << f.name;
    return names;
}

} // namespace

TEST(RecordFields, EveryElementOfEveryFieldIsSeparate) {
    for (int generation : {kBW1, kBW2, kBW3}) {
        ExpectEveryElementIsItsOwn<CWeaponRecord>(generation);
        ExpectEveryElementIsItsOwn<CUnitRecord>(generation);
        ExpectEveryElementIsItsOwn<CFormationRecord>(generation);
    }
}

TEST(RecordFields, TablesNameEveryFieldOnceWithTheRecordNames) {
    auto weapons = NamesOf<CWeaponRecord>();
    auto units = NamesOf<CUnitRecord>();
    auto formations = NamesOf<CFormationRecord>();
    EXPECT_EQ(weapons.size(), 15u); // Generation, Name and 13 values
    EXPECT_EQ(units.size(), 48u);   // counting each array once
    EXPECT_EQ(formations.size(), 10u);
    for (const char* name : {"HEPen", "APKill", "MinRange", "WepSound", "Generation"})
        EXPECT_TRUE(weapons.count(name));
    for (const char* name :
         {"Wpn", "Ammo", "ArmorRA", "Spare15", "Symbol2", "SideView", "AvailMonth", "SmokeDscg"})
        EXPECT_TRUE(units.count(name)) << name;
    for (const char* name : {"Catagory", "SpcFlg", "Units", "UnitStr", "AvailMon"})
        EXPECT_TRUE(formations.count(name)) << name;
    EXPECT_EQ(FindField<CUnitRecord>("ArmorHEAT")->length, 7);
    EXPECT_EQ(FindField<CUnitRecord>("Ammo")->length, 8);
    EXPECT_EQ(FindField<CUnitRecord>("cost"), nullptr); // names are exact
}

TEST(RecordFields, FormationUnitsFollowTheGeneration) {
    const auto* units = FindField<CFormationRecord>("Units");
    ASSERT_NE(units, nullptr);
    CFormationRecord f{};
    EXPECT_TRUE(units->Set(f, kBW2, 3, 1005));
    EXPECT_EQ(f.Units[3], 1005);
    EXPECT_EQ(f.UnitsBW1[3], 0);
    EXPECT_EQ(units->Get(f, kBW3, 3), 1005);
    EXPECT_EQ(units->Get(f, kBW1, 3), 0);

    EXPECT_EQ(units->Bits(kBW1), 8);
    EXPECT_EQ(units->Bits(kBW2), 16);
    EXPECT_FALSE(units->Set(f, kBW1, 0, 256)); // one byte in BW1
    EXPECT_TRUE(units->Set(f, kBW1, 9, 249));
    EXPECT_EQ(f.UnitsBW1[9], 249);
    EXPECT_EQ(f.Units[9], 0);
}

TEST(RecordFields, SetRefusesWhatTheFieldCannotHold) {
    CUnitRecord u{};
    const auto* cost = FindField<CUnitRecord>("Cost");
    const auto* sideView = FindField<CUnitRecord>("SideView");
    const auto* wpn = FindField<CUnitRecord>("Wpn");
    EXPECT_FALSE(cost->Set(u, kBW2, 0, 256));
    EXPECT_FALSE(cost->Set(u, kBW2, 0, -1));
    EXPECT_FALSE(cost->Set(u, kBW2, 1, 5)); // a single value has only element 0
    EXPECT_TRUE(cost->Set(u, kBW2, 0, 255));
    EXPECT_EQ(u.Cost, 255);
    EXPECT_TRUE(sideView->Set(u, kBW2, 0, 65535));
    EXPECT_FALSE(sideView->Set(u, kBW2, 0, 65536));
    EXPECT_FALSE(wpn->Set(u, kBW2, 4, 1));
    EXPECT_FALSE(wpn->Set(u, kBW2, -1, 1));
    EXPECT_EQ(wpn->Get(u, kBW2, 4), 0);
    EXPECT_EQ(u, [] {
        CUnitRecord expected{};
        expected.Cost = 255;
        expected.SideView = 65535;
        return expected;
    }());

    const auto* generation = FindField<CWeaponRecord>("Generation");
    EXPECT_TRUE(generation->isSigned);
    EXPECT_FALSE(generation->inFile);
    EXPECT_EQ(generation->MinValue(kBW1), INT32_MIN);
    const auto* name = FindField<CWeaponRecord>("Name");
    CWeaponRecord w{};
    EXPECT_FALSE(name->Set(w, kBW1, 0, 65)); // text goes through SetRecordName
}

TEST(RecordFields, NamesAreHeldPaddedAndBlankNamesLoseTheirDates) {
    CUnitRecord u{};
    u.Available = 45;
    u.UnAvailable = 99;
    u.Cost = 30;
    SetRecordName(u, "Scout");
    EXPECT_EQ(u.Name.view(), "Scout          ");
    EXPECT_EQ(u.Available, 45);

    SetRecordName(u, " Reserve");
    EXPECT_EQ(u.Name.view(), " Reserve       ");
    EXPECT_EQ(u.Available, 0);
    EXPECT_EQ(u.UnAvailable, 0);
    EXPECT_EQ(u.Cost, 30); // only the dates depend on the name

    CFormationRecord f{};
    f.Avail = 60;
    f.UnAvail = 70;
    f.AvailMon = 4;
    SetRecordName(f, "");
    EXPECT_TRUE(f.Name.empty());
    EXPECT_EQ(f.Avail, 0);
    EXPECT_EQ(f.UnAvail, 0);
    EXPECT_EQ(f.AvailMon, 4);

    CWeaponRecord w{};
    SetRecordName(w, "Exactly15chars!");
    EXPECT_EQ(w.Name.view(), "Exactly15chars!");
}

TEST(RecordFields, OnlyTheNationColumnsAreNationFields) {
    auto nations = [](auto fields) {
        std::string found;
        for (const auto& f : fields)
            if (IsNationField(f)) found += std::string(f.name) + " ";
        return found;
    };
    EXPECT_EQ(nations(WeaponFields()), "");
    EXPECT_EQ(nations(UnitFields()), "Nationality ");
    EXPECT_EQ(nations(FormationFields()), "Country ");
}
