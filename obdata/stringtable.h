#pragma once

#include <string_view>

namespace quorvant {

// The program's numbered strings: unit classes (500-574), nations (600-651) and weapon classes
// (700-711, 750-768, 780-799). A number the table lacks gives the empty string.
std::string_view LoadString(int id);

} // namespace quorvant
