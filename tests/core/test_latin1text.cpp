#include "obdata/latin1text.h"

#include <gtest/gtest.h>

using namespace quorvant;

TEST(Latin1Text, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    auto back = Utf8ToLatin1(Latin1ToUtf8(all));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
}

TEST(Latin1Text, RefusesWhatLatin1CannotHoldAndNamesIt) {
    struct Case {
        const char* utf8;
        const char* named; // empty: not valid UTF-8
    };
    const Case cases[] = {
        {"Price \xE2\x82\xAC 5", "\"\xE2\x82\xAC\" (U+20AC)"}, // euro sign
        {"\xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         "(U+0141)"}, // first refused character named
        {"tank \xF0\x9F\x9A\x80", "(U+1F680)"},
        {"caf\xC3", ""},  // cut sequence
        {"caf\xE9", ""},  // a Latin-1 byte is not UTF-8
        {"\xC0\xAF", ""}, // overlong
    };
    for (const Case& c : cases) {
        std::string refused;
        EXPECT_FALSE(Utf8ToLatin1(c.utf8, &refused)) << c.utf8;
        if (*c.named) {
            EXPECT_NE(refused.find(c.named), std::string::npos) << refused;
        } else {
            EXPECT_EQ(refused, "the text is not valid UTF-8");
        }
    }
}
