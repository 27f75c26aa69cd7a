#pragma once

// The recovery journal: the unsaved history of one document, appended to as the user works, read
// back after a crash. All numbers are little-endian; text is bytes with a length before it.
//
//   file     = magic header-frame entry-frame*
//   magic    = "QVJRNL" 0x0D 0x0A, then u16 version (1)
//   frame    = u32 length, body (length bytes), u32 CRC-32 of the length's four bytes and the body
//   header   = u16 n, n bytes of the OB file's absolute path in UTF-8; u8 generation (0-2);
//              the file the changes are against: u64 size, i64 modification time (file clock,
//              nanoseconds), u32 CRC-32 of its bytes; i64 time the journal began (Unix seconds)
//   entry    = u8 kind (1 step, 2 undo one step, 3 redo one step), i64 time (Unix seconds),
//              and for a step: u16 n, n bytes of its name; u16 count, count changes
//   change   = u8 table (0 weapons, 1 units, 2 formations), u8 snapshot (0 or 1), u16 slot,
//              record before, record after
//   record   = u8 kind (0 weapon, 1 unit, 2 formation, matching the table), u8 count, count fields
//   field    = u8 n, n bytes of its name as the record's field list has it, u8 generation whose
//              view of the field this is (2; 0 for the second list of a field whose width differs
//              by generation), u8 count, then count i32 values, or for the name count bytes (<= 15)
//
// A frame whose length runs past the end or whose CRC does not match ends the valid part, and so
// does an entry that does not decode, holds a value its field cannot, or undoes or redoes a step
// that is not there: whatever follows is reported as lost.

#include "obdata/dochistory.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace quorvant {

// What a file held when the journal began, to tell whether it changed on disk since.
struct JournalFileIdentity {
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    std::uint32_t crc = 0;
    bool operator==(const JournalFileIdentity&) const = default;
};

struct JournalHeader {
    std::filesystem::path obFile; // absolute
    int generation = 0;
    JournalFileIdentity file;
    std::int64_t begun = 0;
    bool operator==(const JournalHeader&) const = default;
};

enum class JournalEntryKind : std::uint8_t { Step = 1, Undo = 2, Redo = 3 };

struct JournalEntry {
    JournalEntryKind kind = JournalEntryKind::Step;
    std::int64_t time = 0;
    HistoryStep step; // a Step's; empty for Undo and Redo
};

// What a journal holds: readable when its header is whole; then its entries up to the first bad one.
struct JournalContents {
    bool readable = false;
    std::string problem; // why it is not readable, or why its valid part ends early
    JournalHeader header;
    std::vector<JournalEntry> entries;
    std::size_t bytesLost = 0;
    // Entries lost from the first bad one on: the bad one and the whole frames found after it.
    int entriesLost = 0;
};

// The identity of a file holding bytes, modified at the time its path has on disk now (0 when it
// has none).
JournalFileIdentity IdentityOfFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
// Seconds since 1970, the clock every entry carries.
std::int64_t JournalClockNow();

std::vector<std::uint8_t> EncodeJournalHeader(const JournalHeader& header);
// Appends the entry's frame to out.
void EncodeJournalEntry(const JournalEntry& entry, std::vector<std::uint8_t>& out);
// Never reads outside bytes, whatever they hold.
JournalContents ReadJournal(std::span<const std::uint8_t> bytes);

// Where the user stands after the entries: the steps their history holds, and how many of them are
// in effect (the ones undo would take back).
struct JournalPosition {
    int steps = 0;
    int current = 0;
};
JournalPosition PositionAfter(const std::vector<JournalEntry>& entries);

} // namespace quorvant
