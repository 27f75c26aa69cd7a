#pragma once

// Where the program keeps its own files (settings beside them, backups inside), found without Qt so
// that obtool finds the same folder the editor uses.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quorvant {

// Reads one environment variable; nothing when it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;
// The process's own environment.
std::optional<std::string> ProcessEnvironment(const char* name);

// The folder named by --profile (given), else by QUORVANT_PROFILE, else the settings' default
// location: %APPDATA%\Vexmoor Software\Quorvant on Windows, $XDG_CONFIG_HOME (or ~/.config)
// /Vexmoor Software/Quorvant elsewhere. Empty when not even a home folder is known.
std::filesystem::path ProfileFolder(const std::optional<std::string>& given,
                                    const EnvironmentLookup& environment = ProcessEnvironment);

// The folder the backups of a profile live in.
std::filesystem::path BackupRoot(const std::filesystem::path& profileFolder);

} // namespace quorvant
