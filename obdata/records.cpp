#include "obdata/records.h"

#include "obdata/generation.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quorvant {

const char* GenerationLabel(int generation) {
    switch (generation) {
    case kBW1:
        return "BW1";
    case kBW2:
        return "BW2";
    case kBW3:
        return "BW3";
    default:
        return "?";
    }
}

std::string_view RecordName::view() const {
    return std::string_view(chars.data(), strnlen(chars.data(), kNameLength));
}

void RecordName::assign(std::string_view text) {
    chars.fill('\0');
    std::size_t n = std::min<std::size_t>(text.size(), kNameLength);
    for (std::size_t i = 0; i < n && text[i] != '\0'; ++i) chars[i] = text[i];
}

namespace {

// Offset of the first NUL among 15 bytes (15 when there is none), without a branch per byte: names
// of every length come one after another, so a byte loop mispredicts on almost every name.
std::size_t NulOffsetIn15(const char* bytes) {
    if constexpr (std::endian::native == std::endian::little) {
        auto zeroBytes = [](std::uint64_t v) {
            return (v - 0x0101010101010101ULL) & ~v & 0x8080808080808080ULL;
        };
        std::uint64_t low;
        std::uint64_t high;
        std::memcpy(&low, bytes, 8);
        std::memcpy(&high, bytes + 7, 8);
        if (std::uint64_t z = zeroBytes(low)) return static_cast<std::size_t>(std::countr_zero(z) / 8);
        if (std::uint64_t z = zeroBytes(high)) return 7 + static_cast<std::size_t>(std::countr_zero(z) / 8);
        return kNameLength;
    } else {
        std::size_t n = 0;
        while (n < static_cast<std::size_t>(kNameLength) && bytes[n] != '\0') ++n;
        return n;
    }
}

} // namespace

std::size_t RecordName::assignPadded(std::string_view text) {
    std::size_t n = 0;
    if (text.size() >= static_cast<std::size_t>(kNameLength)) {
        n = NulOffsetIn15(text.data());
        for (std::size_t i = 0; i < static_cast<std::size_t>(kNameLength); ++i) {
            char c = text[i];
            chars[i] = i < n ? c : ' ';
        }
    } else {
        while (n < text.size() && text[n] != '\0') ++n;
        for (std::size_t i = 0; i < static_cast<std::size_t>(kNameLength); ++i)
            chars[i] = i < n ? text[i] : ' ';
    }
    chars[kNameLength] = '\0';
    if (n == 0) chars.fill('\0');
    return n;
}

std::string RecordName::trimmed() const {
    std::string_view v = view();
    while (!v.empty() && v.back() == ' ') v.remove_suffix(1);
    return std::string(v);
}

int CFormationRecord::unitEntry(int generation, int n) const {
    if (n < 0 || n >= kFormationEntries) return 0;
    return generation == kBW1 ? UnitsBW1[n] : Units[n];
}

void CFormationRecord::setUnitEntry(int generation, int n, int value) {
    if (n < 0 || n >= kFormationEntries) return;
    if (generation == kBW1)
        UnitsBW1[n] = static_cast<std::uint8_t>(value);
    else
        Units[n] = static_cast<std::uint16_t>(value);
}

} // namespace quorvant
