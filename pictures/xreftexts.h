#pragma once

#include "pictures/xrefscan.h"

#include <string>
#include <vector>

namespace quorvant {

// The texts of one row of the cross reference's unit list: "Unit #", "Unit", "Nation", "Available",
// "Unavailable".
std::vector<std::string> CrossReferenceCells(const CPicUseRecord& record, int generation,
                                             const std::vector<std::string>& nationList);

// A date as the list shows it: BW1 the month name of the code, BW2 and BW3 "19%02d" with a stored 0
// read as the generation's first year.
std::string CrossReferenceDate(std::uint8_t code, int generation);

} // namespace quorvant
