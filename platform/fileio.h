#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvant {

// Reads a whole regular file with one read. On failure returns nothing and says why in error.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path, std::string& error);

// Replaces path with bytes atomically: a temporary file in the same folder, flushed, then renamed
// over the target. On failure the target is untouched, the temporary removed, and error says why.
bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error);
bool WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes, std::string& error);
bool WriteFileAtomically(const std::filesystem::path& path, const void* bytes, std::size_t size,
                         std::string& error);

// False with the reason, naming path, when something other than a regular file (a folder, a device,
// a broken link) stands where a file is to be written, replaced or removed; nothing there is fine.
bool CheckFileDestination(const std::filesystem::path& path, std::string& error);

// Creates folder and its missing parents; one that exists is no failure.
bool CreateFolders(const std::filesystem::path& folder, std::string& error);

// A fresh hidden name beside target (".NAME.<random>.tmp"), for a file or folder that is renamed
// into place or removed afterwards.
std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target);

} // namespace quorvant
