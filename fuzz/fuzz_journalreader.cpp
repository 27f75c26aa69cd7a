// Any byte string reads as a recovery journal, or as none, without reading out of bounds. What it
// reads writes back as a journal that reads whole and writes the same bytes again.

#include "recovery/journalformat.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace {

std::vector<std::uint8_t> Encode(const quorvant::JournalContents& contents) {
    std::vector<std::uint8_t> bytes = quorvant::EncodeJournalHeader(contents.header);
    for (const quorvant::JournalEntry& entry : contents.entries) quorvant::EncodeJournalEntry(entry, bytes);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quorvant::JournalContents read = quorvant::ReadJournal(std::span(data, size));
    if (!read.readable) {
        if (read.problem.empty() || !read.entries.empty()) __builtin_trap();
        return 0;
    }
    if (read.bytesLost > size || (read.bytesLost > 0) != (read.entriesLost > 0)) __builtin_trap();
    const std::vector<std::uint8_t> written = Encode(read);
    const quorvant::JournalContents again = quorvant::ReadJournal(written);
    if (!again.readable || again.bytesLost != 0 || again.entries.size() != read.entries.size() ||
        Encode(again) != written ||
        quorvant::PositionAfter(again.entries).current != quorvant::PositionAfter(read.entries).current)
        __builtin_trap();
    return 0;
}
