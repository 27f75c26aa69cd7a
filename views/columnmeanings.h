#pragma once

#include <string>

namespace quorvant {

// The full meaning of a list heading of the table ("HEAT armour, turret top" for "HEATTT"), for its
// tool tip; the heading itself when it needs no words.
std::string ColumnMeaning(int table, int generation, const std::string& heading);

} // namespace quorvant
