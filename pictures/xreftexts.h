#pragma once

#include "pictures/xrefscan.h"

#include <string>
#include <vector>

namespace quorvant {

// The texts of one row of the cross reference's unit list: "Unit #", "Unit", "Nation", "Available",
// "Unavailable", "OB File"; the dates as the record lists show them.
std::vector<std::string> CrossReferenceCells(const CPicUseRecord& record, int generation,
                                             const std::vector<std::string>& nationList);

} // namespace quorvant
