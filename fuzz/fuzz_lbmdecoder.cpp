// Any byte string either decodes into a well-formed bitmap file image or fails with a reason; the
// picture functions read the result without going out of bounds. A palette picture written again in
// its own layout decodes to the same bitmap.

#include "pictures/lbmdecoder.h"
#include "pictures/lbmencoder.h"
#include "pictures/packedpicture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string reason;
    auto bmp = quorvant::lbm2bmp(std::span<const std::uint8_t>(data, size), reason);
    if (!bmp) {
        if (reason.empty()) __builtin_trap();
        return 0;
    }
    std::uint32_t declared = (*bmp)[2] | (*bmp)[3] << 8 | (*bmp)[4] << 16 | std::uint32_t{(*bmp)[5]} << 24;
    if (declared != bmp->size()) __builtin_trap();
    auto block = quorvant::PictureBlockFromBmp(*bmp);
    if (!block) __builtin_trap();
    if (auto picture = quorvant::MakeSidePicture(*block)) quorvant::DecodePicturePixels(*picture);

    auto layout = quorvant::ReadLbmLayout(std::span<const std::uint8_t>(data, size), reason);
    if (!layout) __builtin_trap();
    if (layout->palette.empty()) return 0;
    const std::size_t width = layout->header.width, height = layout->header.height;
    const std::size_t stride = (width + 3) / 4 * 4,
                      start = std::size_t{(*bmp)[10]} | std::size_t{(*bmp)[11]} << 8;
    std::vector<std::uint8_t> indices;
    for (std::size_t y = 0; y < height; ++y) {
        auto row = bmp->begin() + static_cast<std::ptrdiff_t>(start + (height - 1 - y) * stride);
        indices.insert(indices.end(), row, row + static_cast<std::ptrdiff_t>(width));
    }
    std::vector<std::uint8_t> again = quorvant::EncodeLbm(*layout, indices);
    auto bmpAgain = quorvant::lbm2bmp(std::span<const std::uint8_t>(again), reason);
    if (!bmpAgain || *bmpAgain != *bmp) __builtin_trap();
    return 0;
}
