#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quorvant::cli {

// Runs one obtool command (args without the program name); returns the process exit code.
int RunObtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace quorvant::cli
