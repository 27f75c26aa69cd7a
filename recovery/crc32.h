#pragma once

#include <cstdint>
#include <span>

namespace quorvant {

// The CRC-32 of zip and PNG (reflected polynomial 0xEDB88320), continued from crc when given one.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);

} // namespace quorvant
