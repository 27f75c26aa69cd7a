#include "game/obmenu.h"
#include "obdata/generation.h"

#include <gtest/gtest.h>

#include <set>

using namespace quorvant;

TEST(OBMenu, EntriesOpenTheFilesOfTheirNation) {
    auto greece = OBOpenTargetFor(32791 + 31);
    ASSERT_TRUE(greece);
    EXPECT_EQ(greece->generation, kBW2);
    EXPECT_EQ(greece->file, "MOB31");
    EXPECT_TRUE(greece->setsDefaultGeneration);

    EXPECT_EQ(OBOpenTargetFor(32822 + 70)->file, "KOB70"); // Germany, second world war
    EXPECT_EQ(OBOpenTargetFor(32822 + 91)->file, "KOB91"); // Free France
    EXPECT_EQ(OBOpenTargetFor(32847 + 8)->file, "KOB08");  // PLO, modern
    auto pz = OBOpenTargetFor(32842);
    EXPECT_EQ(pz->file, "OBPZ");
    EXPECT_EQ(pz->generation, kBW1);
    EXPECT_FALSE(pz->setsDefaultGeneration);
    EXPECT_FALSE(OBOpenTargetFor(32835).has_value());
    EXPECT_FALSE(OBOpenTargetFor(32891).has_value());
}

TEST(OBMenu, EveryEntryAgreesWithTheCommandRule) {
    std::set<int> commands;
    for (const OBMenuEntry& e : AllOBMenuEntries()) {
        EXPECT_TRUE(commands.insert(e.command).second) << "duplicate command " << e.command;
        auto target = OBOpenTargetFor(e.command);
        ASSERT_TRUE(target) << e.label;
        EXPECT_EQ(target->file, e.file) << e.label;
        EXPECT_EQ(target->generation, e.generation) << e.label;
    }
    EXPECT_EQ(commands.size(), 5u + 43u + 43u + 21u);
}

TEST(OBMenu, NationCodesOfTheMenus) {
    auto bw2 = BW2MenuNationCodes();
    EXPECT_EQ(bw2.size(), 43u);
    EXPECT_EQ(std::count(bw2.begin(), bw2.end(), 41), 0);
    auto bw3 = BW3MenuNationCodes();
    EXPECT_EQ(bw3.size(), 43u + 21u);
    EXPECT_EQ(bw3.back(), 91);
}
