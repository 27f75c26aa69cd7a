#pragma once

#include <filesystem>

namespace quorvant {

// Makes folder the process's current directory; an empty or missing folder changes nothing.
void ChangeCurrentFolder(const std::filesystem::path& folder);

// The current directory, or empty when it cannot be told.
std::filesystem::path CurrentFolder();

} // namespace quorvant
