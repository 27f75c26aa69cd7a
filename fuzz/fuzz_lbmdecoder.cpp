// Any byte string either decodes into a well-formed bitmap file image or fails with a reason; the
// picture functions read the result without going out of bounds.

#include "pictures/lbmdecoder.h"
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
    return 0;
}
