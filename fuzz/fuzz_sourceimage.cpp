// Any byte string either reads as a picture to import whose pixels fill it, or fails with a reason.

#include "pictures/pictureimport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string reason;
    auto image = quorvant::ReadSourceImage(std::span<const std::uint8_t>(data, size), reason);
    if (!image) {
        if (reason.empty()) __builtin_trap();
        return 0;
    }
    if (image->width <= 0 || image->height <= 0 ||
        image->argb.size() != std::size_t(image->width) * std::size_t(image->height))
        __builtin_trap();
    return 0;
}
