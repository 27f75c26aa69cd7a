#include "obdata/generation.h"
#include "obdata/stringtable.h"
#include "obdata/vocabulary.h"

#include <gtest/gtest.h>

using namespace quorvant;

TEST(Vocabulary, NationListsPerGeneration) {
    auto bw1 = BuildNationList(kBW1);
    auto bw2 = BuildNationList(kBW2);
    auto bw3 = BuildNationList(kBW3);
    ASSERT_EQ(bw1.size(), 45u);
    EXPECT_EQ(bw2, bw1);
    ASSERT_EQ(bw3.size(), 66u);
    EXPECT_EQ(bw1[0], "West Germany");
    EXPECT_EQ(bw1[44], "Germany");
    EXPECT_EQ(bw3[45], "Finnland");
    EXPECT_EQ(bw3[46], "Italy");
    EXPECT_EQ(bw3[47], "Rumanian");
    EXPECT_EQ(bw3[55], "Soviet Union");
    EXPECT_EQ(bw3[64], "ANZAC");
    EXPECT_EQ(bw3[65], "Free France");
}

TEST(Vocabulary, NationCodesOfSeventyAndMoreShiftBy26) {
    auto bw3 = BuildNationList(kBW3);
    EXPECT_EQ(EntryOrEmpty(bw3, NationPosition(71)), "Finnland");
    EXPECT_EQ(EntryOrEmpty(bw3, NationPosition(91)), "Free France");
    EXPECT_EQ(NationPosition(69), 69);
    EXPECT_EQ(EntryOrEmpty(bw3, NationPosition(69)), ""); // past the list: empty, not a crash
    EXPECT_EQ(EntryOrEmpty(bw3, NationPosition(255)), "");
}

TEST(Vocabulary, UnitClassListsPerGeneration) {
    auto bw1 = BuildUnitClassList(kBW1);
    auto bw2 = BuildUnitClassList(kBW2);
    auto bw3 = BuildUnitClassList(kBW3);
    ASSERT_EQ(bw1.size(), 51u);
    ASSERT_EQ(bw2.size(), 60u);
    ASSERT_EQ(bw3.size(), 69u);
    EXPECT_EQ(bw1[50], "Attack Helicopter");
    EXPECT_EQ(bw2[13], "Main Battle Tank");
    EXPECT_EQ(bw2[16], "LR -SAM");
    EXPECT_EQ(bw2[38], "SP-Mortar");
    EXPECT_EQ(bw2[39], "SP-Gun");
    EXPECT_EQ(bw2[59], "Airborne IFV");
    EXPECT_EQ(bw2[7], "Infantry Gun");
    EXPECT_EQ(bw3[7], "Grenade Launcher");
    for (int i = 0; i < 60; ++i) {
        if (i == 7) continue;
        EXPECT_EQ(bw3[i], bw2[i]) << i;
    }
    EXPECT_EQ(bw3[60], "Tank Destroyer");
    EXPECT_EQ(bw3[62], "Infantry Gun");
    EXPECT_EQ(bw3[68], "Emplacement");
}

TEST(Vocabulary, WeaponClassListsKeepMissingStringsAsEmptyNames) {
    auto bw1 = BuildWeaponClassList(kBW1);
    auto bw2 = BuildWeaponClassList(kBW2);
    auto bw3 = BuildWeaponClassList(kBW3);
    ASSERT_EQ(bw1.size(), 12u);
    ASSERT_EQ(bw2.size(), 19u);
    ASSERT_EQ(bw3.size(), 19u);
    EXPECT_EQ(bw1[0], " ");
    EXPECT_EQ(bw1[1], "");
    EXPECT_EQ(bw1[11], "Aircraft Weapon");
    EXPECT_EQ(bw2[0], "");
    EXPECT_EQ(bw2[6], "Guns,Howitzers < 100mm");
    EXPECT_EQ(bw3[18], "NAPALM");
    EXPECT_EQ(LoadString(799), "???");
    EXPECT_EQ(LoadString(701), "");
}

TEST(Vocabulary, FixedListsAndCategories) {
    Vocabulary bw1;
    bw1.build(kBW1);
    EXPECT_TRUE(bw1.FormationTypeList.empty());
    EXPECT_EQ(bw1.MoveClassList.size(), 9u);
    EXPECT_EQ(bw1.MoveClassList[8], "Air");
    Vocabulary bw2;
    bw2.build(kBW2);
    ASSERT_EQ(bw2.FormationTypeList.size(), 6u);
    EXPECT_EQ(bw2.FormationTypeList[5], "HQ");
    EXPECT_EQ(FormationCategoryName(10), "HQ");
    EXPECT_EQ(FormationCategoryName(2), "Arty.");
    EXPECT_EQ(FormationCategoryName(7), "");
    EXPECT_EQ(FormationCategoryName(11), "");
}
