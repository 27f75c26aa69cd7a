#include "obdata/datecodes.h"
#include "obdata/generation.h"

#include <gtest/gtest.h>

using namespace quorvant;

TEST(DateCodes, BW1MonthTableAndItsTwoExceptions) {
    auto list = BuildDateList(kBW1);
    ASSERT_EQ(list.size(), 76u);
    EXPECT_EQ(list.front(), " 9/39");
    EXPECT_EQ(list[4], " 1/40");
    EXPECT_EQ(list.back(), "12/45");
    EXPECT_EQ(DatePositionToCode(kBW1, 0), 0);   //  9/39 is 0, not 99
    EXPECT_EQ(DatePositionToCode(kBW1, 1), 109); // 10/39
    EXPECT_EQ(DatePositionToCode(kBW1, 4), 10);  //  1/40
    EXPECT_EQ(DatePositionToCode(kBW1, 75), 99); // 12/45 is 99, not 125
    EXPECT_EQ(BW1DateName(124), "12/44");
    EXPECT_EQ(BW1DateName(0), " 9/39");
    EXPECT_EQ(BW1DateName(99), "12/45");
    EXPECT_EQ(BW1DateName(109), "10/39");
}

TEST(DateCodes, BW1CodesOutsideTheTableHaveNoPosition) {
    EXPECT_FALSE(BW1DateName(125).has_value());
    EXPECT_FALSE(DateCodeToPosition(kBW1, 125).has_value());
    EXPECT_FALSE(DateCodeToPosition(kBW1, 255).has_value());
    EXPECT_FALSE(DatePositionToCode(kBW1, 76).has_value());
    EXPECT_FALSE(DatePositionToCode(kBW1, -1).has_value());
}

TEST(DateCodes, EveryBW1PositionRoundTrips) {
    for (int p = 0; p < kBW1DateCount; ++p) {
        auto code = DatePositionToCode(kBW1, p);
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(DateCodeToPosition(kBW1, *code), p) << "position " << p;
    }
}

TEST(DateCodes, BW2YearsAndZero) {
    auto list = BuildDateList(kBW2);
    ASSERT_EQ(list.size(), 50u);
    EXPECT_EQ(list.front(), "1950");
    EXPECT_EQ(list.back(), "1999");
    EXPECT_EQ(DateCodeToPosition(kBW2, 0), 0);
    EXPECT_EQ(DateCodeToPosition(kBW2, 50), 0);
    EXPECT_EQ(DateCodeToPosition(kBW2, 99), 49);
    EXPECT_FALSE(DateCodeToPosition(kBW2, 49).has_value());
    EXPECT_FALSE(DateCodeToPosition(kBW2, 100).has_value());
    EXPECT_EQ(DatePositionToCode(kBW2, 0), 50);
    EXPECT_EQ(DatePositionToCode(kBW2, 49), 99);
    EXPECT_FALSE(DatePositionToCode(kBW2, 50).has_value());
}

TEST(DateCodes, BW3TwoDigitYearsAndZero) {
    auto list = BuildDateList(kBW3);
    ASSERT_EQ(list.size(), 61u);
    EXPECT_EQ(list.front(), "39");
    EXPECT_EQ(list.back(), "99");
    EXPECT_EQ(DateCodeToPosition(kBW3, 0), 0);
    EXPECT_EQ(DateCodeToPosition(kBW3, 39), 0);
    EXPECT_EQ(DateCodeToPosition(kBW3, 99), 60);
    EXPECT_FALSE(DateCodeToPosition(kBW3, 38).has_value());
    EXPECT_FALSE(DateCodeToPosition(kBW3, 100).has_value());
    EXPECT_EQ(DatePositionToCode(kBW3, 60), 99);
}
