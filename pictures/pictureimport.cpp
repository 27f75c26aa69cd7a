#include "pictures/pictureimport.h"

#include "pictures/lbmdecoder.h"
#include "pictures/lbmencoder.h"
#include "pictures/packedpicture.h"
#include "platform/fileio.h"

#include <png.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace quorvant {
namespace {

constexpr std::uint32_t kCamgExtraHalfBrite = 0x80;

std::string SizeText(std::uint32_t width, std::uint32_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

bool SizeAllowed(std::uint32_t width, std::uint32_t height, std::string& reason) {
    if (width == 0 || height == 0) {
        reason = "the picture has no pixels";
        return false;
    }
    if (width > kMaxLbmDimension || height > kMaxLbmDimension) {
        reason = "the picture is " + SizeText(width, height) + " pixels, larger than 4096 x 4096";
        return false;
    }
    return true;
}

std::optional<SourceImage> ReadPng(std::span<const std::uint8_t> bytes, std::string& reason) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
        reason = std::string("not a readable PNG file: ") + png.message;
        return std::nullopt;
    }
    if (!SizeAllowed(png.width, png.height, reason)) {
        png_image_free(&png);
        return std::nullopt;
    }
    png.format = PNG_FORMAT_BGRA; // little-endian 0xAARRGGBB
    SourceImage image{static_cast<int>(png.width), static_cast<int>(png.height), {}};
    image.argb.resize(std::size_t{png.width} * png.height);
    if (!png_image_finish_read(&png, nullptr, image.argb.data(), 0, nullptr)) {
        reason = std::string("the PNG file is damaged: ") + png.message;
        png_image_free(&png);
        return std::nullopt;
    }
    return image;
}

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
    return b[at] | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
           std::uint32_t{b[at + 3]} << 24;
}

// Any header of 40 bytes or more (the later forms add colour masks and colour spaces) is taken down
// to the 40-byte form the picture code reads, its colour table and rows following it.
std::optional<SourceImage> ReadBmp(std::span<const std::uint8_t> bytes, std::string& reason) {
    constexpr std::size_t kInfo = kBmpFileHeaderBytes;
    if (bytes.size() < kInfo + kBmpInfoHeaderBytes || Le32(bytes, kInfo) < kBmpInfoHeaderBytes) {
        reason = "not a Windows bitmap with a header of 40 bytes or more";
        return std::nullopt;
    }
    const std::size_t headerBytes = Le32(bytes, kInfo);
    const auto width = static_cast<std::int32_t>(Le32(bytes, kInfo + 4));
    const auto rawHeight = static_cast<std::int32_t>(Le32(bytes, kInfo + 8));
    const unsigned bits = bytes[kInfo + 14] | unsigned{bytes[kInfo + 15]} << 8;
    const std::uint32_t compression = Le32(bytes, kInfo + 16);
    // Colour masks of a 32-bit picture stand after a 40-byte header, inside a longer one.
    const std::size_t masksAt = kInfo + kBmpInfoHeaderBytes;
    const bool standardMasks = bits == 32 && compression == 3 && bytes.size() >= masksAt + 12 &&
                               Le32(bytes, masksAt) == 0xFF0000 && Le32(bytes, masksAt + 4) == 0xFF00 &&
                               Le32(bytes, masksAt + 8) == 0xFF;
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN || (compression != 0 && !standardMasks) ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)) {
        reason = "only uncompressed bitmaps of 1, 4, 8, 24 or 32 bits can be imported";
        return std::nullopt;
    }
    const std::int32_t height = rawHeight < 0 ? -rawHeight : rawHeight;
    if (!SizeAllowed(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), reason))
        return std::nullopt;
    const std::uint32_t used = Le32(bytes, kInfo + 32);
    const std::size_t colours = bits <= 8 ? (used ? used : 1u << bits) : 0;
    const std::size_t tableAt =
        kInfo + headerBytes + (compression == 3 && headerBytes == kBmpInfoHeaderBytes ? 12 : 0);
    const std::size_t pixelsAt = Le32(bytes, 10);
    const std::size_t rowsBytes = BmpRowBytes(static_cast<std::uint32_t>(width), bits) * std::size_t(height);
    if (colours > 256 || tableAt + colours * 4 > bytes.size() || pixelsAt > bytes.size() ||
        rowsBytes > bytes.size() - pixelsAt) {
        reason = "the bitmap ends before its pixels do";
        return std::nullopt;
    }
    PictureBlock block(bytes.begin() + kInfo, bytes.begin() + kInfo + kBmpInfoHeaderBytes);
    auto put32 = [&block](std::size_t at, std::size_t v) {
        for (std::size_t i = 0; i < 4; ++i) block[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    put32(0, kBmpInfoHeaderBytes);
    put32(8, static_cast<std::size_t>(height));
    put32(32, colours);
    block.insert(block.end(), bytes.begin() + tableAt, bytes.begin() + tableAt + colours * 4);
    block.insert(block.end(), bytes.begin() + pixelsAt, bytes.begin() + pixelsAt + rowsBytes);
    std::optional<SidePicture> picture = MakeSidePicture(std::move(block));
    PicturePixels pixels = DecodePicturePixels(*picture);
    const auto w = static_cast<std::ptrdiff_t>(pixels.width);
    if (rawHeight < 0)
        for (std::ptrdiff_t y = 0; y < pixels.height / 2; ++y)
            std::swap_ranges(pixels.argb.begin() + y * w, pixels.argb.begin() + (y + 1) * w,
                             pixels.argb.end() - (y + 1) * w);
    return SourceImage{pixels.width, pixels.height, std::move(pixels.argb)};
}

std::optional<ImportTarget> TargetOf(const LbmLayout& layout, std::string& reason) {
    if (layout.palette.empty()) {
        reason = "a HAM picture has no palette to import into";
        return std::nullopt;
    }
    ImportTarget target{layout, layout.palette, std::nullopt};
    // A CMAP shorter than the planes allow leaves the entries after it black: they are no colours.
    const bool halfBrite =
        !layout.chunky && layout.header.planes == 6 && layout.camg && (*layout.camg & kCamgExtraHalfBrite);
    std::size_t used = std::max(layout.cmap.size(), halfBrite ? layout.cmap.size() + 32 : 0);
    if (!layout.cmap.empty() && used < target.colours.size()) target.colours.resize(used);
    const std::uint8_t masking = layout.header.masking;
    if ((masking == kLbmMaskPlane || masking == kLbmTransparentColour) &&
        layout.header.transparentColour < target.colours.size())
        target.transparentIndex = static_cast<std::uint8_t>(layout.header.transparentColour);
    return target;
}

} // namespace

std::optional<SourceImage> ReadSourceImage(std::span<const std::uint8_t> bytes, std::string& reason) {
    static const std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() >= 8 && std::memcmp(bytes.data(), kPngSignature, 8) == 0) return ReadPng(bytes, reason);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return ReadBmp(bytes, reason);
    reason = "not a PNG or BMP picture";
    return std::nullopt;
}

std::optional<SourceImage> ReadSourceImage(const std::filesystem::path& path, std::string& reason) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec) &&
        std::filesystem::file_size(path, ec) > kMaxSourceImageBytes) {
        reason = "the file is larger than 64 MB";
        return std::nullopt;
    }
    std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path, reason);
    if (!bytes) return std::nullopt;
    return ReadSourceImage(std::span<const std::uint8_t>(*bytes), reason);
}

std::optional<ImportTarget> ImportTargetLike(const std::filesystem::path& existing, std::string& reason) {
    std::optional<LbmLayout> layout = ReadLbmLayout(existing, reason);
    if (!layout) return std::nullopt;
    return TargetOf(*layout, reason);
}

std::optional<ImportTarget> ImportTargetFromListing(const std::filesystem::path& folder,
                                                    const std::vector<std::string>& listing,
                                                    std::string& reason) {
    for (const std::string& name : listing) {
        std::string ignored;
        if (std::optional<ImportTarget> target = ImportTargetLike(folder / name, ignored)) return target;
    }
    const std::string where = folder.empty() ? std::string() : " in " + folder.string();
    reason = (listing.empty() ? "no pictures" : "no palette picture") + where + " to take the colours from";
    return std::nullopt;
}

std::optional<ImportedPicture> ImportPicture(const SourceImage& image, const ImportTarget& target,
                                             const PaletteMapOptions& options, std::string& reason) {
    const LbmHeader& like = target.layout.header;
    if (image.width <= 0 || image.height <= 0 ||
        image.argb.size() != std::size_t(image.width) * std::size_t(image.height)) {
        reason = "the picture has no pixels";
        return std::nullopt;
    }
    if (image.width > like.width || image.height > like.height) {
        reason = "the picture is " + SizeText(image.width, image.height) +
                 " pixels; pictures of this family are at most " + SizeText(like.width, like.height);
        return std::nullopt;
    }
    if (options.transparentColour && !target.transparentIndex) {
        reason = "pictures of this family have no transparent colour";
        return std::nullopt;
    }
    ImportedPicture out;
    PaletteMapOptions mapOptions = options;
    mapOptions.transparentIndex = target.transparentIndex;
    out.mapping = MapToPalette(image, target.colours, mapOptions);
    out.layout = target.layout;
    out.layout.header.width = static_cast<std::uint16_t>(image.width);
    out.layout.header.height = static_cast<std::uint16_t>(image.height);
    out.lbm = EncodeLbm(out.layout, out.mapping.indices);
    return out;
}

std::string ImportSummary(const ImportedPicture& picture) {
    const LbmHeader& h = picture.layout.header;
    char error[80];
    std::snprintf(error, sizeof error, "colour error mean %.2f, worst %.2f", picture.mapping.meanError,
                  picture.mapping.worstError);
    return SizeText(h.width, h.height) + ", " + (picture.layout.chunky ? "PBM" : "ILBM") + ", " +
           std::to_string(h.planes) + (h.planes == 1 ? " plane, " : " planes, ") + error;
}

} // namespace quorvant
