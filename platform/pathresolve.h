#pragma once

#include <filesystem>
#include <string_view>

namespace quorvant {

// Game folders copied from Windows hold names in any case. Finds the entry named name in folder:
// the exact name first, else the one entry whose name matches ignoring ASCII case. Returns
// folder / name unchanged when neither exists, so a new file gets the spelling asked for.
std::filesystem::path ResolveCaseInsensitive(const std::filesystem::path& folder, std::string_view name);

// Resolves each element of a relative path in turn ("Email/Quorvant.bak").
std::filesystem::path ResolvePath(const std::filesystem::path& folder, const std::filesystem::path& relative);

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace quorvant
