#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvant {

// Availability dates are one byte whose form depends on the generation: BW1 a month code
// (month * 10 + year digit, from a fixed table of 76 months), BW2 year - 1900, BW3 a two-digit year.

std::vector<std::string> BuildDateList(int generation);

// The stored code of the date list entry at position; nothing when the position is outside the list.
std::optional<std::uint8_t> DatePositionToCode(int generation, int position);

// The date list position that shows code; nothing when the list has no such entry.
std::optional<int> DateCodeToPosition(int generation, std::uint8_t code);

// BW1: the month name (" 9/39" .. "12/45") of a code; nothing when the table lacks it.
std::optional<std::string> BW1DateName(std::uint8_t code);

// A date as the record lists show it: BW1 the month name of the code (the number when the table
// lacks it), BW2 and BW3 the stored year ("53"), with BW3's month when it has one ("4/53").
std::string ListDateText(int generation, std::uint8_t code, std::uint8_t month = 0);

constexpr int kBW1DateCount = 76;

} // namespace quorvant
