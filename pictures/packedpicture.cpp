#include "pictures/packedpicture.h"

#include "pictures/lbmdecoder.h"

#include <algorithm>
#include <cstring>

namespace quorvant {
namespace {

std::uint32_t Le(std::span<const std::uint8_t> b, std::size_t at, std::size_t width) {
    std::uint32_t v = 0;
    for (std::size_t i = width; i-- > 0;) v = v << 8 | (at + i < b.size() ? b[at + i] : 0u);
    return v;
}

std::uint8_t At(std::span<const std::uint8_t> b, std::size_t at) {
    return at < b.size() ? b[at] : 0;
}

std::uint32_t Argb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return 0xFF000000u | std::uint32_t{r} << 16 | std::uint32_t{g} << 8 | b;
}

} // namespace

std::optional<PictureBlock> PictureBlockFromBmp(std::span<const std::uint8_t> bmpFile) {
    if (bmpFile.size() < 2 || bmpFile[0] != 'B' || bmpFile[1] != 'M') return std::nullopt;
    PictureBlock block(kPictureBlockBytes, 0);
    if (bmpFile.size() > kBmpFileHeaderBytes) {
        std::size_t n = std::min(bmpFile.size() - kBmpFileHeaderBytes, kPictureCopyBytes);
        std::memcpy(block.data(), bmpFile.data() + kBmpFileHeaderBytes, n);
    }
    return block;
}

std::optional<PictureBlock> LoadPicture(const std::filesystem::path& lbmFile, std::string& reason) {
    std::optional<std::vector<std::uint8_t>> bmp = lbm2bmp(lbmFile, reason);
    if (!bmp) return std::nullopt;
    std::optional<PictureBlock> block = PictureBlockFromBmp(*bmp);
    if (!block) reason = "the converter did not return a bitmap";
    return block;
}

bool IsWindowsHeader(std::span<const std::uint8_t> block) {
    return Le(block, 0, 4) == kBmpInfoHeaderBytes;
}

std::int32_t PictureWidth(std::span<const std::uint8_t> block) {
    return IsWindowsHeader(block) ? static_cast<std::int32_t>(Le(block, 4, 4))
                                  : static_cast<std::int32_t>(Le(block, 4, 2));
}

std::int32_t PictureHeight(std::span<const std::uint8_t> block) {
    return IsWindowsHeader(block) ? static_cast<std::int32_t>(Le(block, 8, 4))
                                  : static_cast<std::int32_t>(Le(block, 6, 2));
}

unsigned PictureBitCount(std::span<const std::uint8_t> block) {
    return Le(block, IsWindowsHeader(block) ? 14 : 10, 2);
}

std::uint32_t ColourCount(std::span<const std::uint8_t> block) {
    if (IsWindowsHeader(block) && Le(block, 32, 4) != 0) return Le(block, 32, 4);
    switch (PictureBitCount(block)) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

std::size_t ColourTableSize(std::span<const std::uint8_t> block) {
    return std::size_t{ColourCount(block)} * (IsWindowsHeader(block) ? 4 : 3);
}

std::size_t PixelDataOffset(std::span<const std::uint8_t> block) {
    return std::size_t{Le(block, 0, 4)} + ColourTableSize(block);
}

std::optional<std::vector<Rgb>> MakePalette(std::span<const std::uint8_t> block) {
    const std::size_t n = ColourCount(block);
    if (n == 0) return std::nullopt;
    const std::size_t entry = IsWindowsHeader(block) ? 4 : 3;
    const std::size_t start = Le(block, 0, 4);
    std::vector<Rgb> palette;
    for (std::size_t i = 0; i < std::min<std::size_t>(n, 256); ++i) {
        std::size_t at = start + i * entry;
        if (start > block.size() || at + 3 > block.size()) break;
        palette.push_back({block[at + 2], block[at + 1], block[at]});
    }
    return palette;
}

std::optional<SidePicture> MakeSidePicture(PictureBlock block) {
    SidePicture picture;
    picture.width = PictureWidth(block);
    picture.height = PictureHeight(block);
    if (picture.width < 0 || picture.height < 0) return std::nullopt;
    picture.palette = MakePalette(block);
    picture.block = std::move(block);
    return picture;
}

PicturePixels DecodePicturePixels(const SidePicture& picture) {
    PicturePixels out;
    out.width = std::clamp<std::int32_t>(picture.width, 0, kMaxLbmDimension);
    out.height = std::clamp<std::int32_t>(picture.height, 0, kMaxLbmDimension);
    out.argb.assign(std::size_t(out.width) * std::size_t(out.height), 0xFF000000u);
    std::span<const std::uint8_t> block = picture.block;
    const unsigned bits = PictureBitCount(block);
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return out;
    const std::size_t stride = BmpRowBytes(static_cast<std::uint32_t>(out.width), bits);
    const std::size_t pixels = PixelDataOffset(block);
    std::vector<std::uint32_t> colours(256, 0xFF000000u);
    if (picture.palette)
        for (std::size_t i = 0; i < picture.palette->size(); ++i) {
            const Rgb& c = (*picture.palette)[i];
            colours[i] = Argb(c.r, c.g, c.b);
        }
    for (int y = 0; y < out.height; ++y) {
        const std::size_t row = pixels + std::size_t(out.height - 1 - y) * stride;
        std::uint32_t* dst = out.argb.data() + std::size_t(y) * std::size_t(out.width);
        for (int x = 0; x < out.width; ++x) {
            const auto ux = std::size_t(x);
            switch (bits) {
            case 1:
                dst[x] = colours[(At(block, row + ux / 8) >> (7 - ux % 8)) & 1];
                break;
            case 4:
                dst[x] = colours[(At(block, row + ux / 2) >> (ux % 2 ? 0 : 4)) & 0x0F];
                break;
            case 8:
                dst[x] = colours[At(block, row + ux)];
                break;
            default: {
                std::size_t at = row + ux * (bits / 8);
                dst[x] = Argb(At(block, at + 2), At(block, at + 1), At(block, at));
            }
            }
        }
    }
    return out;
}

} // namespace quorvant
