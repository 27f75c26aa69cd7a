#include "obdata/records.h"

#include <gtest/gtest.h>

#include <random>

using namespace quorvant;

namespace {

// What a name read from 15 bytes must be: the bytes up to the first NUL, padded with blanks to 15.
std::string Expected(const std::string& bytes) {
    std::string head = bytes.substr(0, bytes.find('\0'));
    if (head.empty()) return {};
    return head + std::string(15 - head.size(), ' ');
}

} // namespace

TEST(RecordName, PaddingMatchesTheRuleForEveryNulPositionAndByteValue) {
    std::mt19937 random(3);
    const char fills[] = {'\x01', '\x80', '\xff', 'A', ' '};
    for (char fill : fills) {
        for (int nul = 0; nul <= 15; ++nul) {
            std::string bytes(15, fill);
            for (int i = 0; i < 15; i += 3) bytes[i] = static_cast<char>(1 + random() % 255);
            if (nul < 15) bytes[nul] = '\0';
            if (nul < 14) bytes[14] = 'Z'; // bytes after the NUL are dropped
            RecordName name;
            std::size_t length = name.assignPadded(bytes);
            EXPECT_EQ(name.str(), Expected(bytes)) << "nul at " << nul;
            EXPECT_EQ(length, std::min<std::size_t>(bytes.find('\0'), 15));
            EXPECT_EQ(name.chars[15], '\0');
        }
    }
}

TEST(RecordName, ShortTextsAndBlankness) {
    RecordName name;
    name.assignPadded("Pz IV");
    EXPECT_EQ(name.view(), "Pz IV          ");
    EXPECT_EQ(name.trimmed(), "Pz IV");
    EXPECT_FALSE(name.isBlank());
    name.assignPadded("");
    EXPECT_TRUE(name.empty());
    name.assignPadded(" Lead");
    EXPECT_TRUE(name.isBlank());
    name.assign("A name longer than fifteen");
    EXPECT_EQ(name.view(), "A name longer t");
}
