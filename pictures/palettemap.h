#pragma once

#include "pictures/bmpimage.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quorvant {

// A picture to be imported: top-down 0xAARRGGBB pixels, width * height of them.
struct SourceImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

struct PaletteMapOptions {
    bool dither = false; // Floyd-Steinberg
    // The entry that stands for no pixel: transparent source pixels take it and no other pixel does.
    // Without one, every pixel is mapped by its colour.
    std::optional<std::uint8_t> transparentIndex;
    // Source pixels of this colour are transparent, as are those less than half opaque.
    std::optional<Rgb> transparentColour;
};

// The mapping's indices (width * height) and its colour error over the opaque pixels, as CIE76
// distances in CIELAB between each source pixel and the colour it became.
struct PaletteMapping {
    std::vector<std::uint8_t> indices;
    double meanError = 0;
    double worstError = 0;
};

// Each pixel takes the palette colour nearest to it in CIELAB; with dithering the error left at
// each pixel is spread over its unvisited neighbours, never into or out of transparent pixels.
// A source colour the palette holds comes out exactly. At most 256 entries are used.
PaletteMapping MapToPalette(const SourceImage& image, std::span<const Rgb> palette,
                            const PaletteMapOptions& options = {});

// A colour written as six hexadecimal digits, RRGGBB, with or without a leading '#'.
std::optional<Rgb> ParseRgbText(std::string_view text);

} // namespace quorvant
