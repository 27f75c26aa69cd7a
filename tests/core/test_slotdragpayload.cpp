#include "gamemgr/slotdragpayload.h"

#include <gtest/gtest.h>

using namespace quorvant;

namespace {

std::optional<std::string> Text(const std::vector<std::uint8_t>& block) {
    return PayloadText(block.data(), block.size());
}

TEST(SlotDragPayload, BlocksHoldANulTerminatedTextOf1023BytesAtMost) {
    std::vector<std::uint8_t> block = MakePayloadBlock("12");
    ASSERT_EQ(block.size(), 1024u);
    EXPECT_EQ(block[0], '1');
    EXPECT_EQ(block[2], 0);
    EXPECT_EQ(Text(block), "12");
    EXPECT_EQ(Text(MakePayloadBlock(std::string(2000, 'x')))->size(), 1023u);

    std::vector<std::uint8_t> noNul(1024, 'x');
    EXPECT_FALSE(Text(noNul));
    noNul.push_back(0); // a NUL past the first 1024 bytes does not count
    EXPECT_FALSE(Text(noNul));
    EXPECT_FALSE(PayloadText(nullptr, 0));
    EXPECT_EQ(Text({'a', 0, 'b'}), "a");
}

TEST(SlotDragPayload, RowsNamesAndEmailSlotsAreTakenOnlyWhenWellFormed) {
    EXPECT_EQ(ParseSlotRowPayload("0", 197), 0);
    EXPECT_EQ(ParseSlotRowPayload(WithDropPoint("196", 12, -3), 197), 196);
    for (const char* bad :
         {"197", "-1", "", " 3", "3 ", "3x", "99999999999", "3\t4", "3\tx\t5", "3\t1\t2\t3"})
        EXPECT_FALSE(ParseSlotRowPayload(bad, 197)) << bad;

    EXPECT_EQ(ParseArchivePayload("Save007.cmt"), "Save007.cmt");
    EXPECT_EQ(ParseArchivePayload(WithDropPoint("Save007.cmt", 4, 5)), "Save007.cmt");
    EXPECT_FALSE(ParseArchivePayload("----"));
    EXPECT_FALSE(ParseArchivePayload(WithDropPoint("", 4, 5)));

    auto drop = ParseEmailSlotDrop(WithDropPoint(EmailSlotPayload("Turn\t4", 1360), 10, 20));
    ASSERT_TRUE(drop);
    EXPECT_EQ(drop->boxText, "Turn\t4");
    EXPECT_EQ(drop->slot, 2);
    EXPECT_EQ(drop->x, 10);
    EXPECT_EQ(drop->y, 20);
    EXPECT_EQ(ParseEmailSlotPayload(EmailSlotPayload("Turn 4", 1359))->slot, 1);
    for (const char* bad :
         {"Turn 4\t1361\t1\t2", "Turn 4\t1359", "Turn 4\t1359\t1", "1359\t1\t2", "x\t-1359\t1\t2"})
        EXPECT_FALSE(ParseEmailSlotDrop(bad)) << bad;
}

} // namespace
