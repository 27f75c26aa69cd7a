#pragma once

#include "game/appsettings.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quorvant {

// The file dialog of OB files: its filter, the text its name box starts with, its title.
inline const char* const kOBFileFilter = "Brass Wolves OB Files  (OB* MOB* KOB*)";
inline const char* const kOBFileNameBox = "OB*;MOB*;KOB*";

// What an open-by-menu command opens: the file in its generation's install folder, found whatever
// the case of its name. BW2 and BW3 entries make their generation the default (held, not written);
// a BW2 entry also makes its folder the current one. Nothing for a command outside the menu.
std::optional<std::filesystem::path> ResolveMenuOpen(int command, AppSettings& settings);

// Where the OB file dialog starts: the install folder of the default generation.
std::string OpenDialogFolder(const AppSettings& settings);

// Why path cannot be opened as an OB file (missing, a folder, not a plain file, too large), or
// nothing when it can be tried.
std::optional<std::string> WhyNotOpenable(const std::filesystem::path& path);

// Two paths name the same file, also through links or hard links (see SameFileIdentity).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace quorvant
