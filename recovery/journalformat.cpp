#include "recovery/journalformat.h"

#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "recovery/crc32.h"
#include "recovery/journalbytes.h"
#include "recovery/journalrecords.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <string_view>
#include <system_error>

namespace quorvant {
namespace {

using journal::ByteReader;
using journal::ByteWriter;

constexpr std::string_view kMagic = "QVJRNL\r\n";
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kFrameOverhead = 8;
// No entry comes near this; a length beyond it is damage, not a step to wait for.
constexpr std::uint32_t kMaxFrameBody = 256u * 1024u * 1024u;
constexpr std::size_t kMaxPathBytes = 0xFFFF;

std::uint32_t FrameCrc(std::span<const std::uint8_t> lengthAndBody) {
    return Crc32(lengthAndBody);
}

// Writes body through fill between a length and a CRC.
template <class Fill> void WriteFrame(std::vector<std::uint8_t>& out, Fill fill) {
    const std::size_t start = out.size();
    ByteWriter w(out);
    w.U32(0);
    fill(w);
    const std::size_t bodySize = out.size() - start - 4;
    w.PatchU32(start, static_cast<std::uint32_t>(bodySize));
    w.U32(FrameCrc(std::span(out).subspan(start, bodySize + 4)));
}

// The body of the frame at offset, or nothing when the frame is torn or damaged.
std::optional<std::span<const std::uint8_t>> FrameAt(std::span<const std::uint8_t> bytes,
                                                     std::size_t offset) {
    if (bytes.size() - offset < kFrameOverhead) return std::nullopt;
    ByteReader lengthReader(bytes.subspan(offset, 4));
    const std::uint32_t length = lengthReader.U32();
    if (length > kMaxFrameBody || length > bytes.size() - offset - kFrameOverhead) return std::nullopt;
    ByteReader crcReader(bytes.subspan(offset + 4 + length, 4));
    if (crcReader.U32() != FrameCrc(bytes.subspan(offset, 4 + std::size_t{length}))) return std::nullopt;
    return bytes.subspan(offset + 4, length);
}

bool ValidUtf8(std::string_view text) {
    constexpr std::uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t extra = c < 0x80             ? 0
                                  : (c & 0xE0) == 0xC0 ? 1
                                  : (c & 0xF0) == 0xE0 ? 2
                                  : (c & 0xF8) == 0xF0 ? 3
                                                       : 4;
        if (c == 0 || extra == 4 || text.size() - i <= extra) return false;
        std::uint32_t cp = extra == 0 ? c : c & (0x3Fu >> extra);
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3Fu);
        }
        if (cp < kLeast[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

int SlotsOf(int table) {
    switch (table) {
    case kViewWeapons:
        return kWeaponSlots;
    case kViewUnits:
        return kUnitSlots;
    default:
        return kFormationSlots;
    }
}

bool ReadHeader(std::span<const std::uint8_t> body, JournalHeader& header) {
    ByteReader in(body);
    const std::string path = in.Bytes(in.U16());
    header.generation = in.U8();
    header.file.size = in.U64();
    header.file.modified = in.I64();
    header.file.crc = in.U32();
    header.begun = in.I64();
    if (in.Failed() || !in.AtEnd() || path.empty() || !ValidUtf8(path) ||
        !IsValidGeneration(header.generation))
        return false;
    header.obFile = std::filesystem::path(std::u8string(path.begin(), path.end()));
    return header.obFile.is_absolute();
}

bool ReadChange(ByteReader& in, RecordChange& change) {
    change.table = in.U8();
    const int snapshot = in.U8();
    change.slot = in.U16();
    if (in.Failed() || change.table < kViewWeapons || change.table > kViewFormations || snapshot > 1 ||
        change.slot >= SlotsOf(change.table))
        return false;
    change.snapshot = snapshot == 1;
    return journal::ReadRecord(in, change.before) && journal::ReadRecord(in, change.after) &&
           static_cast<int>(change.before.index()) == change.table &&
           static_cast<int>(change.after.index()) == change.table;
}

bool ReadEntry(std::span<const std::uint8_t> body, JournalEntry& entry) {
    ByteReader in(body);
    const int kind = in.U8();
    entry.time = in.I64();
    if (in.Failed() || kind < 1 || kind > 3) return false;
    entry.kind = static_cast<JournalEntryKind>(kind);
    if (entry.kind == JournalEntryKind::Step) {
        entry.step.name = in.Bytes(in.U16());
        const std::size_t count = in.U16();
        // Every change takes more than eight bytes, so a count the body cannot hold allocates nothing.
        if (in.Failed() || count == 0 || count > body.size() / 8) return false;
        entry.step.changes.resize(count);
        for (RecordChange& change : entry.step.changes)
            if (!ReadChange(in, change)) return false;
    }
    return !in.Failed() && in.AtEnd();
}

// Where the user stands in the history the entries build, to refuse moves it does not allow.
struct Cursor {
    int steps = 0;
    int current = 0;
    bool Take(JournalEntryKind kind) {
        switch (kind) {
        case JournalEntryKind::Step:
            steps = ++current;
            return true;
        case JournalEntryKind::Undo:
            if (current == 0) return false;
            --current;
            return true;
        case JournalEntryKind::Redo:
            if (current == steps) return false;
            ++current;
            return true;
        }
        return false;
    }
};

} // namespace

JournalFileIdentity IdentityOfFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    JournalFileIdentity identity;
    identity.size = bytes.size();
    identity.crc = Crc32(bytes);
    std::error_code ec;
    const auto modified = std::filesystem::last_write_time(path, ec);
    if (!ec)
        identity.modified =
            std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count();
    return identity;
}

std::int64_t JournalClockNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::vector<std::uint8_t> EncodeJournalHeader(const JournalHeader& header) {
    std::vector<std::uint8_t> out(kMagic.begin(), kMagic.end());
    ByteWriter(out).U16(kVersion);
    const std::u8string path = header.obFile.u8string();
    WriteFrame(out, [&](ByteWriter& w) {
        const std::size_t n = std::min(path.size(), kMaxPathBytes);
        w.U16(static_cast<std::uint16_t>(n));
        w.Bytes(std::string_view(reinterpret_cast<const char*>(path.data()), n));
        w.U8(static_cast<std::uint8_t>(header.generation));
        w.U64(header.file.size);
        w.I64(header.file.modified);
        w.U32(header.file.crc);
        w.I64(header.begun);
    });
    return out;
}

void EncodeJournalEntry(const JournalEntry& entry, std::vector<std::uint8_t>& out) {
    WriteFrame(out, [&](ByteWriter& w) {
        w.U8(static_cast<std::uint8_t>(entry.kind));
        w.I64(entry.time);
        if (entry.kind != JournalEntryKind::Step) return;
        const std::string& name = entry.step.name;
        const std::size_t n = std::min<std::size_t>(name.size(), 0xFFFF);
        w.U16(static_cast<std::uint16_t>(n));
        w.Bytes(std::string_view(name).substr(0, n));
        w.U16(static_cast<std::uint16_t>(entry.step.changes.size()));
        for (const RecordChange& change : entry.step.changes) {
            w.U8(static_cast<std::uint8_t>(change.table));
            w.U8(change.snapshot ? 1 : 0);
            w.U16(static_cast<std::uint16_t>(change.slot));
            journal::WriteRecord(change.before, w);
            journal::WriteRecord(change.after, w);
        }
    });
}

JournalContents ReadJournal(std::span<const std::uint8_t> bytes) {
    JournalContents contents;
    const std::size_t start = kMagic.size() + 2;
    if (bytes.size() < start || !std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
        contents.problem = "not a recovery journal";
        return contents;
    }
    if (ByteReader(bytes.subspan(kMagic.size(), 2)).U16() != kVersion) {
        contents.problem = "a recovery journal of another version";
        return contents;
    }
    const auto headerBody = FrameAt(bytes, start);
    if (!headerBody || !ReadHeader(*headerBody, contents.header)) {
        contents.problem = "the journal's header is damaged";
        return contents;
    }
    contents.readable = true;
    std::size_t offset = start + headerBody->size() + kFrameOverhead;
    Cursor cursor;
    while (offset < bytes.size()) {
        const auto body = FrameAt(bytes, offset);
        JournalEntry entry;
        if (!body || !ReadEntry(*body, entry) || !cursor.Take(entry.kind)) {
            contents.problem = body ? "an entry is damaged" : "the journal ends in a damaged or torn entry";
            contents.bytesLost = bytes.size() - offset;
            contents.entriesLost = 1;
            // Whole frames after the bad one count as lost too: they stand on the step it held.
            std::size_t next = body ? offset + body->size() + kFrameOverhead : bytes.size();
            while (next < bytes.size()) {
                const auto later = FrameAt(bytes, next);
                if (!later) break;
                ++contents.entriesLost;
                next += later->size() + kFrameOverhead;
            }
            break;
        }
        contents.entries.push_back(std::move(entry));
        offset += body->size() + kFrameOverhead;
    }
    return contents;
}

JournalPosition PositionAfter(const std::vector<JournalEntry>& entries) {
    Cursor cursor;
    for (const JournalEntry& entry : entries) cursor.Take(entry.kind);
    return {cursor.steps, cursor.current};
}

} // namespace quorvant
