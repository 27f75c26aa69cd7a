#include "editors/formationentries.h"

#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "tests/core/obfile_builder.h"

#include <gtest/gtest.h>

using namespace quorvant;

TEST(FormationEntries, SubFormationsAreAThousandAboveTheirSlotOutsideBW1) {
    EXPECT_EQ(DecodeFormationEntry(kBW2, 1005), (FormationEntry{5, true}));
    EXPECT_EQ(DecodeFormationEntry(kBW3, 999), (FormationEntry{999, false}));
    EXPECT_EQ(DecodeFormationEntry(kBW2, 1000), (FormationEntry{0, true}));
    EXPECT_EQ(DecodeFormationEntry(kBW1, 200), (FormationEntry{200, false}));
    // Every stored value comes back unchanged, so loading and storing keeps odd entries.
    for (int stored : {0, 7, 249, 250, 999, 1000, 1198, 1250, 65535})
        EXPECT_EQ(EncodeFormationEntry(DecodeFormationEntry(kBW2, stored)), stored) << stored;
}

TEST(FormationEntries, LimitsDependOnTheFlagAndEntryOneIsAlwaysAUnit) {
    EXPECT_EQ(LimitFormationEntry(3, true, 198), 198);
    EXPECT_EQ(LimitFormationEntry(3, true, 199), 0);
    EXPECT_EQ(LimitFormationEntry(3, false, 249), 249);
    EXPECT_EQ(LimitFormationEntry(3, false, 250), 0);
    EXPECT_EQ(LimitFormationEntry(0, true, 220), 220);
    EXPECT_EQ(LimitFormationEntry(0, true, 250), 0);
    EXPECT_EQ(LimitFormationEntry(5, false, -1), 0);
}

TEST(FormationEntries, DescriptionsNameWhatAnEntryPointsAt) {
    CQuorvantDoc doc;
    quorvant::testing::OBFileBuilder file = quorvant::testing::OBFileBuilder::BW2();
    file.unitName(7, "Tiger").formationName(5, "1st Company");
    doc.ReadBytes(file.bytes());
    EXPECT_EQ(DescribeFormationEntry(doc, {7, false}), "Unit 7: Tiger");
    EXPECT_EQ(DescribeFormationEntry(doc, {5, true}), "Formation 5: 1st Company");
    EXPECT_EQ(DescribeFormationEntry(doc, {0, false}), "Empty");
    EXPECT_EQ(DescribeFormationEntry(doc, {0, true}), "Formation 0: (no name)");
    EXPECT_EQ(DescribeFormationEntry(doc, {250, false}), "No unit 250 in this file");
    EXPECT_EQ(DescribeFormationEntry(doc, {200, true}), "No formation 200 in this file");
}
