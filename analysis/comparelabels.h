#pragma once

#include <filesystem>
#include <string>
#include <utility>

namespace quorvant {

// The names that tell two compared files apart in a window's title and headings: the file names, and
// where those are the same, as many of their folders as it takes to differ ("brass/OBPZ" against
// "backup/OBPZ"). A file compared with itself on disk is the "open" one against the one "on disk".
std::pair<std::string, std::string> CompareLabels(const std::filesystem::path& a,
                                                  const std::filesystem::path& b);

} // namespace quorvant
