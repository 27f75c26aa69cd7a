#pragma once

#include "pictures/bmpimage.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvant {

// The BMHD chunk's fields.
struct LbmHeader {
    std::uint16_t width = 0, height = 0;
    std::uint8_t planes = 0;
    std::uint8_t masking = 0;     // 0 none, 1 a mask plane, 2 a transparent colour, 3 lasso
    std::uint8_t compression = 0; // 0 none, 1 ByteRun1
    std::uint16_t transparentColour = 0;
    std::uint8_t xAspect = 0, yAspect = 0;
    std::uint16_t pageWidth = 0, pageHeight = 0;
    friend bool operator==(const LbmHeader&, const LbmHeader&) = default;
};

constexpr std::uint8_t kLbmMaskPlane = 1;
constexpr std::uint8_t kLbmTransparentColour = 2;

// Everything of an LBM picture but its pixels.
struct LbmLayout {
    bool chunky = false; // FORM PBM, else FORM ILBM
    LbmHeader header;
    std::vector<Rgb> cmap; // as stored, so a copy keeps 4-bit components in the high nibble
    std::optional<std::uint32_t> camg;
    // The colours the decoder shows for the indices: 4-bit components spread over the full range,
    // the darker half of an extra-half-brite picture added. Empty for a HAM picture.
    std::vector<Rgb> palette;
};

} // namespace quorvant
