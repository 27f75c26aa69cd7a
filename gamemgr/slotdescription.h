#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvant {

// The most characters of a description that are read and shown.
constexpr std::size_t kDescriptionLimit = 199;

// The description as shown: the bytes before the first line feed, less one carriage return right
// before it, cut to 199 bytes and at the first NUL, with every byte of value 1 after the first
// shown as a blank.
std::string DescriptionFromBytes(std::string_view bytes);

// The description of a description file; empty when the file is empty or cannot be read. Reads
// only the head of the file, whatever its size.
std::string ReadDescription(const std::filesystem::path& file);

} // namespace quorvant
