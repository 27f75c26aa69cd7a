#pragma once

// A loaded picture: a zeroed block of 65535 bytes holding a packed device-independent bitmap (an
// info header, its colour table, then bottom-up pixel rows). The header is either the Windows form
// (size 40: 32-bit width and height, 4-byte colour entries) or the older core form (16-bit width and
// height, 3-byte colour entries). Every reader here stays inside the block whatever its bytes say.

#include "pictures/bmpimage.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quorvant {

constexpr std::size_t kPictureBlockBytes = 65535;
constexpr std::size_t kPictureCopyBytes = kPictureBlockBytes - kBmpFileHeaderBytes;

using PictureBlock = std::vector<std::uint8_t>;

// The block for a bitmap file image: the bytes after its file header, cut at 65521. Nothing when the
// image does not begin with "BM".
std::optional<PictureBlock> PictureBlockFromBmp(std::span<const std::uint8_t> bmpFile);

// Converts the LBM file and keeps its bitmap in a block; nothing, with the reason, on failure.
std::optional<PictureBlock> LoadPicture(const std::filesystem::path& lbmFile, std::string& reason);

bool IsWindowsHeader(std::span<const std::uint8_t> block);
std::int32_t PictureWidth(std::span<const std::uint8_t> block);
std::int32_t PictureHeight(std::span<const std::uint8_t> block);
unsigned PictureBitCount(std::span<const std::uint8_t> block);
std::uint32_t ColourCount(std::span<const std::uint8_t> block);
std::size_t ColourTableSize(std::span<const std::uint8_t> block);
std::size_t PixelDataOffset(std::span<const std::uint8_t> block);

// The colour table as a palette, at most 256 entries and never past the block; nothing when the
// colour count is 0.
std::optional<std::vector<Rgb>> MakePalette(std::span<const std::uint8_t> block);

// A picture ready to be shown: its block, size and palette. Nothing for a block whose width or
// height reads as negative.
struct SidePicture {
    PictureBlock block;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::optional<std::vector<Rgb>> palette;
};
std::optional<SidePicture> MakeSidePicture(PictureBlock block);

// The picture's pixels top-down as 0xFFRRGGBB, width * height of them (each side at most 4096).
// Rows past the end of the block read as palette entry 0 (or black) like the zeroed block they lie in.
struct PicturePixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};
PicturePixels DecodePicturePixels(const SidePicture& picture);

} // namespace quorvant
