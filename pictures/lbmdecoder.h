#pragma once

#include "pictures/lbmlayout.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quorvant {

// Pictures wider or taller than this are refused before anything is allocated for them.
constexpr std::uint32_t kMaxLbmDimension = 4096;
// LBM files larger than this are refused before they are read.
constexpr std::uintmax_t kMaxLbmFileBytes = 16u * 1024u * 1024u;

// Decodes an IFF picture (FORM PBM or FORM ILBM, uncompressed or ByteRun1, EHB and HAM) into a
// complete Windows bitmap file image: 14-byte "BM" file header, 40-byte info header, colour table
// (none for HAM, which comes out as 24-bit), bottom-up rows padded to 4 bytes. Palette pictures come
// out as 8 bits per pixel with the colours-used count giving the palette's true size. Deep (more
// than 8 planes) and direct-colour (DCOL) pictures are refused. On failure returns nothing and says
// why in reason.
std::optional<std::vector<std::uint8_t>> lbm2bmp(std::span<const std::uint8_t> lbm, std::string& reason);
std::optional<std::vector<std::uint8_t>> lbm2bmp(const std::filesystem::path& path, std::string& reason);

// The chunks of a picture lbm2bmp would decode, without decoding its BODY.
std::optional<LbmLayout> ReadLbmLayout(std::span<const std::uint8_t> lbm, std::string& reason);
std::optional<LbmLayout> ReadLbmLayout(const std::filesystem::path& path, std::string& reason);

} // namespace quorvant
