#include "obdata/records.h"

#include "obdata/generation.h"

#include <algorithm>
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

std::size_t RecordName::assignPadded(std::string_view text) {
    // Runs for every slot of every file read: a fixed-size copy the compiler turns into two moves.
    std::size_t limit = std::min<std::size_t>(text.size(), kNameLength);
    std::size_t n = 0;
    while (n < limit && text[n] != '\0') ++n;
    if (n == 0) {
        chars.fill('\0');
        return 0;
    }
    if (text.size() >= static_cast<std::size_t>(kNameLength))
        std::memcpy(chars.data(), text.data(), kNameLength);
    else
        std::memcpy(chars.data(), text.data(), n);
    for (std::size_t i = n; i < static_cast<std::size_t>(kNameLength); ++i) chars[i] = ' ';
    chars[kNameLength] = '\0';
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
