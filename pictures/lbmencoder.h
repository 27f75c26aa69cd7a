#pragma once

#include "pictures/lbmlayout.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quorvant {

// ByteRun1 of one row: runs of three or more equal bytes, literals between them.
void AppendByteRun1(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> row);

// An IFF picture of layout's kind, size, planes, compression, masking and CMAP (and CAMG when it has
// one) holding indices (top-down, width * height, each below 2^planes). A mask plane, when the
// layout has one, is clear exactly where a pixel holds the transparent colour. Nothing when indices
// is not width * height long.
std::vector<std::uint8_t> EncodeLbm(const LbmLayout& layout, std::span<const std::uint8_t> indices);

} // namespace quorvant
