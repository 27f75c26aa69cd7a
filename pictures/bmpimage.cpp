#include "pictures/bmpimage.h"

#include <cstring>

namespace quorvant {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    Put16(out, at, v & 0xFFFF);
    Put16(out, at + 2, v >> 16);
}

// Lays out both headers and returns the image with room for the colour table and rows.
std::vector<std::uint8_t> Headers(std::uint32_t width, std::uint32_t height, unsigned bitCount,
                                  std::size_t colours) {
    std::size_t bits = kBmpFileHeaderBytes + kBmpInfoHeaderBytes + colours * 4;
    std::size_t rows = BmpRowBytes(width, bitCount) * height;
    std::vector<std::uint8_t> out(bits + rows, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<std::uint32_t>(out.size()));
    Put32(out, 10, static_cast<std::uint32_t>(bits));
    const std::size_t h = kBmpFileHeaderBytes;
    Put32(out, h, kBmpInfoHeaderBytes);
    Put32(out, h + 4, width);
    Put32(out, h + 8, height);
    Put16(out, h + 12, 1);
    Put16(out, h + 14, bitCount);
    Put32(out, h + 20, static_cast<std::uint32_t>(rows));
    Put32(out, h + 32, static_cast<std::uint32_t>(colours));
    return out;
}

} // namespace

std::vector<std::uint8_t> BuildIndexedBmp(std::uint32_t width, std::uint32_t height,
                                          const std::vector<std::uint8_t>& indices,
                                          const std::vector<Rgb>& palette) {
    std::vector<std::uint8_t> out = Headers(width, height, 8, palette.size());
    std::size_t at = kBmpFileHeaderBytes + kBmpInfoHeaderBytes;
    for (const Rgb& c : palette) {
        out[at++] = c.b;
        out[at++] = c.g;
        out[at++] = c.r;
        out[at++] = 0;
    }
    const std::size_t stride = BmpRowBytes(width, 8);
    for (std::uint32_t y = 0; y < height; ++y)
        std::memcpy(out.data() + at + (height - 1 - y) * stride, indices.data() + std::size_t{y} * width,
                    width);
    return out;
}

std::vector<std::uint8_t> BuildTrueColourBmp(std::uint32_t width, std::uint32_t height,
                                             const std::vector<Rgb>& pixels) {
    std::vector<std::uint8_t> out = Headers(width, height, 24, 0);
    const std::size_t start = kBmpFileHeaderBytes + kBmpInfoHeaderBytes;
    const std::size_t stride = BmpRowBytes(width, 24);
    for (std::uint32_t y = 0; y < height; ++y) {
        std::uint8_t* row = out.data() + start + (height - 1 - y) * stride;
        const Rgb* src = pixels.data() + std::size_t{y} * width;
        for (std::uint32_t x = 0; x < width; ++x) {
            row[3 * x] = src[x].b;
            row[3 * x + 1] = src[x].g;
            row[3 * x + 2] = src[x].r;
        }
    }
    return out;
}

} // namespace quorvant
