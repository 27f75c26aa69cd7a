#pragma once

#include "obdata/records.h"

#include <cstdint>
#include <span>

namespace quorvant {

// One byte-sized edit field of the unit data page, with its control number and label.
struct UnitByteField {
    int id;
    const char* label;
    std::uint8_t CUnitRecord::*field;
    // Whether BW1 greys it (the field is not part of that generation's game).
    bool disabledInBW1;
    const char* help;
};

// The byte edits of the data page in exchange order, without Class (kept in step with its list).
std::span<const UnitByteField> UnitByteFields();

// The 16-bit BW2 graphic is entered signed: its low 16 bits as a signed number, and back.
constexpr std::int16_t Symbol2Shown(std::uint16_t stored) {
    return static_cast<std::int16_t>(stored);
}
constexpr std::uint16_t Symbol2Stored(std::int16_t shown) {
    return static_cast<std::uint16_t>(shown);
}

// The fixed entries of the month list and the move class list.
std::span<const char* const> AvailMonthEntries();
std::span<const char* const> MoveClassEntries();

} // namespace quorvant
