#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace quorvant {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr std::size_t kBmpFileHeaderBytes = 14;
constexpr std::size_t kBmpInfoHeaderBytes = 40;

// Bytes per stored row of a bitmap: rows are padded to 4 bytes.
constexpr std::size_t BmpRowBytes(std::uint32_t width, unsigned bitCount) {
    return ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
}

// A Windows bitmap file image of 8-bit indices (top-down, width * height) with its palette.
std::vector<std::uint8_t> BuildIndexedBmp(std::uint32_t width, std::uint32_t height,
                                          const std::vector<std::uint8_t>& indices,
                                          const std::vector<Rgb>& palette);
// A 24-bit Windows bitmap file image of top-down pixels.
std::vector<std::uint8_t> BuildTrueColourBmp(std::uint32_t width, std::uint32_t height,
                                             const std::vector<Rgb>& pixels);

} // namespace quorvant
