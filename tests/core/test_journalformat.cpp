#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/recordfields.h"
#include "recovery/crc32.h"
#include "recovery/journalformat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace quorvant;

namespace {

// Every number field gets seed plus its position, kept within what the field holds.
template <class Rec> Rec VariedRecord(int seed, const char* name) {
    Rec record{};
    int n = seed;
    for (const RecordField<Rec>& field : FieldsOf<Rec>())
        for (int generation : {kBW2, kBW1})
            for (int i = 0; i < field.length && field.kind == FieldKind::Number; ++i)
                field.Set(record, generation, i, (n++) % (field.MaxValue(generation) + 1));
    record.Name.assignPadded(name);
    return record;
}

JournalHeader Header() {
    JournalHeader header;
    header.obFile = std::filesystem::path(u8"/games/brass3/Verbände/KOB12");
    header.generation = kBW3;
    header.file = {44500, 1733822520123456789, 0xDEADBEEF};
    header.begun = 1733822520;
    return header;
}

JournalEntry Step(std::string name, std::int64_t time, std::vector<RecordChange> changes) {
    return {JournalEntryKind::Step, time, HistoryStep{std::move(name), std::move(changes)}};
}

JournalEntry Move(JournalEntryKind kind, std::int64_t time) {
    return {kind, time, {}};
}

RecordChange UnitChange(int slot, bool snapshot = false) {
    return {kViewUnits, snapshot, slot, VariedRecord<CUnitRecord>(slot, "Tiger I"),
            VariedRecord<CUnitRecord>(slot + 7, "Tiger II")};
}

std::vector<std::uint8_t> Encode(const JournalHeader& header, const std::vector<JournalEntry>& entries) {
    std::vector<std::uint8_t> bytes = EncodeJournalHeader(header);
    for (const JournalEntry& entry : entries) EncodeJournalEntry(entry, bytes);
    return bytes;
}

// Where each frame ends, the header's first.
std::vector<std::size_t> FrameEnds(const JournalHeader& header, const std::vector<JournalEntry>& entries) {
    std::vector<std::uint8_t> bytes = EncodeJournalHeader(header);
    std::vector<std::size_t> ends{bytes.size()};
    for (const JournalEntry& entry : entries) {
        EncodeJournalEntry(entry, bytes);
        ends.push_back(bytes.size());
    }
    return ends;
}

const std::vector<JournalEntry> kSmallJournal = {Step("Edit Unit 3 Tiger II", 100, {UnitChange(3)}),
                                                 Move(JournalEntryKind::Undo, 101),
                                                 Move(JournalEntryKind::Redo, 102)};

} // namespace

TEST(JournalFormat, EveryEntryKindAndRecordTypeReadsBackAsWritten) {
    const std::vector<JournalEntry> entries = {
        Step("Edit Weapon 1 88mm", 10,
             {{kViewWeapons, false, 1, VariedRecord<CWeaponRecord>(1, "88mm"),
               VariedRecord<CWeaponRecord>(9, "")}}),
        Step("Edit Unit 249 Tiger II", 11, {UnitChange(249), UnitChange(249, true)}),
        // Both unit lists of a formation differ, so a reader that keeps only one is caught.
        Step("Paste 2 Formations", 12,
             {{kViewFormations, false, 0, VariedRecord<CFormationRecord>(2, "1st Btn"),
               VariedRecord<CFormationRecord>(40, "2nd Btn")},
              {kViewFormations, false, 199, CFormationRecord{}, VariedRecord<CFormationRecord>(90, "HQ")}}),
        Move(JournalEntryKind::Undo, 13),
        Move(JournalEntryKind::Undo, -1),
        Move(JournalEntryKind::Redo, 1LL << 40),
    };
    const JournalContents read = ReadJournal(Encode(Header(), entries));
    ASSERT_TRUE(read.readable) << read.problem;
    EXPECT_EQ(read.header, Header());
    EXPECT_EQ(Encode(Header(), read.entries), Encode(Header(), entries));
    EXPECT_EQ(read.bytesLost, 0u);
    EXPECT_EQ(PositionAfter(read.entries).current, 2);
}

TEST(JournalFormat, TruncationAtEveryByteKeepsTheWholeEntriesBeforeIt) {
    const std::vector<std::uint8_t> bytes = Encode(Header(), kSmallJournal);
    const std::vector<std::size_t> ends = FrameEnds(Header(), kSmallJournal);
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        const JournalContents read = ReadJournal(std::span(bytes).first(cut));
        ASSERT_EQ(read.readable, cut >= ends[0]) << "cut at " << cut;
        if (!read.readable) continue;
        const std::size_t whole =
            static_cast<std::size_t>(std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin()) - 1;
        EXPECT_EQ(Encode(Header(), read.entries),
                  Encode(Header(), std::vector(kSmallJournal.begin(),
                                               kSmallJournal.begin() + static_cast<long>(whole))))
            << "cut at " << cut;
        EXPECT_EQ(read.bytesLost, cut - ends[whole]) << "cut at " << cut;
        EXPECT_EQ(read.entriesLost, cut == ends[whole] ? 0 : 1) << "cut at " << cut;
    }
}

TEST(JournalFormat, AFlippedByteEndsTheValidPartAtItsEntry) {
    const std::vector<std::uint8_t> good = Encode(Header(), kSmallJournal);
    const std::vector<std::size_t> ends = FrameEnds(Header(), kSmallJournal);
    for (std::size_t at = 0; at < good.size(); ++at) {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] ^= 0x20;
        const JournalContents read = ReadJournal(bytes);
        ASSERT_EQ(read.readable, at >= ends[0]) << "byte " << at;
        if (!read.readable) continue;
        const std::size_t frame =
            static_cast<std::size_t>(std::upper_bound(ends.begin(), ends.end(), at) - ends.begin());
        EXPECT_EQ(read.entries.size(), frame - 1) << "byte " << at;
        EXPECT_EQ(read.bytesLost, good.size() - ends[frame - 1]) << "byte " << at;
        EXPECT_GE(read.entriesLost, 1) << "byte " << at;
    }
}

TEST(JournalFormat, EntriesThatCannotBeTheUsersHistoryAreDamage) {
    const JournalEntry good = Step("Edit Unit 1", 5, {UnitChange(1)});
    RecordChange wrongKind = UnitChange(1);
    wrongKind.after = CWeaponRecord{};
    RecordChange tooFar = UnitChange(kUnitSlots);
    struct Case {
        const char* what;
        std::vector<JournalEntry> entries;
    } cases[] = {
        {"undo with nothing done", {Move(JournalEntryKind::Undo, 1)}},
        {"redo with nothing undone", {good, Move(JournalEntryKind::Redo, 1)}},
        {"a step without changes", {Step("Nothing", 1, {})}},
        {"a record of another table", {Step("Edit", 1, {wrongKind})}},
        {"a slot past the table", {Step("Edit", 1, {tooFar})}},
    };
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> bytes = Encode(Header(), c.entries);
        const JournalContents read = ReadJournal(bytes);
        ASSERT_TRUE(read.readable) << c.what;
        EXPECT_EQ(read.entries.size(), c.entries.size() - 1) << c.what;
        EXPECT_GT(read.bytesLost, 0u) << c.what;
    }
}

TEST(JournalFormat, AValueItsFieldCannotHoldIsDamageEvenUnderAGoodCrc) {
    // A BW1 formation list entry is one byte; make one 256 and frame the entry anew.
    RecordChange change{kViewFormations, false, 4, CFormationRecord{}, CFormationRecord{}};
    std::get<CFormationRecord>(change.after).UnitsBW1[0] = 200;
    std::vector<std::uint8_t> bytes = Encode(Header(), {Step("Edit", 1, {change})});
    const std::size_t entryStart = FrameEnds(Header(), {})[0];
    const std::string marker = std::string("\x05Units\x00\x0a", 8);
    auto hit =
        std::search(bytes.begin() + static_cast<long>(entryStart), bytes.end(), marker.begin(), marker.end());
    hit = std::search(hit + 1, bytes.end(), marker.begin(), marker.end()); // the after record's
    ASSERT_NE(hit, bytes.end());
    ASSERT_EQ(hit[8], 200);
    hit[8] = 0x00;
    hit[9] = 0x01;
    const std::size_t length = bytes.size() - entryStart - 8;
    const std::uint32_t crc = Crc32(std::span(bytes).subspan(entryStart, length + 4));
    for (int i = 0; i < 4; ++i)
        bytes[bytes.size() - 4 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(crc >> (8 * i));
    const JournalContents read = ReadJournal(bytes);
    ASSERT_TRUE(read.readable);
    EXPECT_TRUE(read.entries.empty());
    EXPECT_EQ(read.bytesLost, bytes.size() - entryStart);
}
