#include "exchange/recordblocks.h"
#include "test_csv_fixtures.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

void PutText(RecordBlock& block, std::size_t at, const char* text) {
    std::memcpy(block.data() + at, text, std::strlen(text));
}

// DistinctWeapon("88mm Flak") laid out by hand at offset `at` of a block.
void LayDistinctWeapon(RecordBlock& block, std::size_t at) {
    block[at + 4] = 77;
    PutText(block, at + 8, "88mm Flak      ");
    for (int i = 0; i < 13; ++i)
        block[at + 24 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(1 + i);
}

// DistinctUnit("Tiger") laid out by hand: the values run on from offset to offset, skipping the
// bytes the record leaves unused.
RecordBlock HandLaidUnitRecord() {
    RecordBlock r(112, 0);
    PutText(r, 8, "Tiger          ");
    std::uint8_t value = 1;
    for (std::size_t at = 24; at <= 75; ++at)
        if (at != 48 && at != 56) r[at] = value++;
    r[76] = 40051 & 0xFF, r[77] = 40051 >> 8;
    r[80] = 52;
    for (std::size_t at = 82; at <= 91; ++at) r[at] = static_cast<std::uint8_t>(53 + (at - 82));
    r[92] = 40063 & 0xFF, r[93] = 40063 >> 8;
    r[96] = 64, r[97] = 65, r[99] = 66;
    for (std::size_t at = 100; at <= 108; ++at) r[at] = static_cast<std::uint8_t>(67 + (at - 100));
    return r;
}

RecordBlock HandLaidUnitBlock() {
    RecordBlock block(11560, 0);
    RecordBlock record = HandLaidUnitRecord();
    std::copy(record.begin(), record.end(), block.begin() + 2296);
    for (std::size_t k = 0; k < 4; ++k) LayDistinctWeapon(block, 2408 + k * 2288);
    return block;
}

} // namespace

TEST(RecordBlocks, WeaponBlockIsLaidOutByteForByte) {
    RecordBlock expected(2288, 0);
    LayDistinctWeapon(expected, 0);
    EXPECT_EQ(EncodeWeaponBlock(DistinctWeapon("88mm Flak")), expected);

    auto doc = EmptyDoc(kBW2);
    doc->Weapons[249] = DistinctWeapon("88mm Flak");
    EXPECT_EQ(WeaponBlockOfSlot(*doc, 249), EncodeWeaponBlock(doc->Weapons[249]));
    EXPECT_FALSE(WeaponBlockOfSlot(*doc, 250));
    EXPECT_FALSE(WeaponBlockOfSlot(*doc, -1));
}

TEST(RecordBlocks, UnitBlockCarriesTheRecordAndTheWeaponsItsEntriesName) {
    auto doc = EmptyDoc(kBW3);
    CUnitRecord unit = DistinctUnit("Tiger");
    doc->Units[10] = unit;
    for (int slot : {5, 6, 7, 8}) doc->Weapons[static_cast<std::size_t>(slot)] = DistinctWeapon("88mm Flak");
    doc->Weapons[6].Name.assignPadded("MG 34");
    RecordBlock expected = HandLaidUnitBlock();
    PutText(expected, 2408 + 2288 + 8, "MG 34          ");
    EXPECT_EQ(UnitBlockOfSlot(*doc, 10), expected);

    // An entry past the weapon table carries an all-zero weapon block.
    doc->Units[10].Wpn[2] = 250;
    doc->Units[10].Wpn[3] = 255;
    expected[2296 + 30] = 250;
    expected[2296 + 31] = 255;
    std::fill(expected.begin() + 2408 + 2 * 2288, expected.end(), 0);
    EXPECT_EQ(UnitBlockOfSlot(*doc, 10), expected);
    EXPECT_FALSE(UnitBlockOfSlot(*doc, 250));
}

TEST(RecordBlocks, DecodingReadsEachFieldFromItsOffsetAndIgnoresTheRest) {
    RecordBlock block = HandLaidUnitBlock();
    // Reserved and unused bytes, and the high halves of the 32-bit fields, which the file does not keep.
    for (std::size_t at : {0, 7, 8, 2295, 2296, 2303, 2296 + 48, 2296 + 56, 2296 + 78, 2296 + 79, 2296 + 81,
                           2296 + 94, 2296 + 98, 2296 + 109, 2296 + 111, 2408 + 0, 2408 + 3})
        block[at] = 0xEE;
    auto carried = DecodeUnitBlock(block, kBW2);
    ASSERT_TRUE(carried);
    EXPECT_EQ(carried->unit, DistinctUnit("Tiger"));
    for (const CarriedWeapon& w : carried->weapons) {
        CWeaponRecord expected = DistinctWeapon("88mm Flak");
        expected.Generation = kBW2; // the format names the generation
        EXPECT_EQ(w.record, expected);
        EXPECT_TRUE(w.zeroTail);
    }
}

TEST(RecordBlocks, DecodedNamesAreHeldAsTheReaderHoldsThem) {
    RecordBlock block(2288, 0);
    PutText(block, 8, "ABCDEFGHIJKLMNOP"); // no NUL: at most 15 characters count
    EXPECT_EQ(DecodeWeaponBlock(block, kBW1)->record.Name.view(), "ABCDEFGHIJKLMNO");
    std::fill(block.begin() + 8, block.begin() + 24, 0);
    PutText(block, 8, "Gun");
    EXPECT_EQ(DecodeWeaponBlock(block, kBW1)->record.Name.view(), "Gun            ");
    block[40] = 1;
    EXPECT_FALSE(DecodeWeaponBlock(block, kBW1)->zeroTail);
    block[40] = 0;
    block[2287] = 1;
    EXPECT_FALSE(DecodeWeaponBlock(block, kBW1)->zeroTail);

    // A unit of a blank name has no availability dates, as a file would give it back.
    RecordBlock unit = HandLaidUnitBlock();
    std::fill(unit.begin() + 2296 + 8, unit.begin() + 2296 + 24, 0);
    PutText(unit, 2296 + 8, " spare");
    auto blank = DecodeUnitBlock(unit, kBW1);
    ASSERT_TRUE(blank);
    EXPECT_EQ(blank->unit.Available, 0);
    EXPECT_EQ(blank->unit.UnAvailable, 0);
    EXPECT_EQ(blank->unit.Cost, 49);
}

TEST(RecordBlocks, PayloadsOfAnyOtherSizeAreRefused) {
    RecordBlock unit = HandLaidUnitBlock();
    for (std::size_t size : {0, 1, 2287, 2289, 11559, 11561, 23120}) {
        RecordBlock bytes(size, 0);
        std::copy_n(unit.begin(), std::min(size, unit.size()), bytes.begin());
        EXPECT_FALSE(DecodeWeaponBlock(bytes, kBW1)) << size;
        EXPECT_FALSE(DecodeUnitBlock(bytes, kBW1)) << size;
    }
    EXPECT_FALSE(DecodeWeaponBlock(unit, kBW1));
    EXPECT_FALSE(DecodeUnitBlock(RecordBlock(2288, 0), kBW1));
}

TEST(RecordBlocks, FormatNamesCarryTheGenerationNumber) {
    EXPECT_EQ(UnitListFormat(kBW1), "BW0UnitList");
    EXPECT_EQ(WeaponListFormat(kBW2), "BW1WepList");
    EXPECT_EQ(ListFormat(TransferKind::Units, kBW3), "BW2UnitList");
}

TEST(RecordBlocks, ARefusalNamesTheGenerationOrTheTableThatDoNotFit) {
    struct Case {
        const char* format;
        int target;
        std::optional<TransferKind> shown;
        const char* refusal;
    };
    const Case cases[] = {
        {"BW0UnitList", kBW2, TransferKind::Units, "A BW1 unit cannot be pasted into a BW2 file"},
        {"BW2WepList", kBW3, TransferKind::Units, "A BW3 weapon cannot be pasted into the units table"},
        {"BW1UnitList", kBW2, TransferKind::Weapons, "A BW2 unit cannot be pasted into the weapons table"},
        {"BW1UnitList", kBW2, std::nullopt, "A BW2 unit cannot be pasted into the formations table"},
        {"BW1UnitList", kBW2, TransferKind::Units, ""},
    };
    for (const Case& c : cases) {
        auto offered = ParseListFormat(c.format);
        ASSERT_TRUE(offered) << c.format;
        EXPECT_EQ(RecordPasteRefusal(*offered, c.target, c.shown, "pasted"), c.refusal);
    }
    for (const char* other : {"BW3UnitList", "BW1UnitLis", "text/plain", ""})
        EXPECT_FALSE(ParseListFormat(other));
}
