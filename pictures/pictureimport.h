#pragma once

#include "pictures/lbmlayout.h"
#include "pictures/palettemap.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quorvant {

// Files larger than this are refused before they are read.
constexpr std::uintmax_t kMaxSourceImageBytes = 64u * 1024u * 1024u;

// A PNG or BMP picture, told apart by its first bytes. BMP: 1, 4, 8, 24 or 32 bits, uncompressed,
// bottom-up. Each side at most 4096 pixels.
std::optional<SourceImage> ReadSourceImage(std::span<const std::uint8_t> bytes, std::string& reason);
std::optional<SourceImage> ReadSourceImage(const std::filesystem::path& path, std::string& reason);

// What a new picture of a family is written like: an existing picture's kind, planes, compression,
// masking and palette. Its size is the largest a new picture may have.
struct ImportTarget {
    LbmLayout layout;
    std::vector<Rgb> colours; // the entries a pixel may take
    std::optional<std::uint8_t> transparentIndex;
};
std::optional<ImportTarget> ImportTargetLike(const std::filesystem::path& existing, std::string& reason);
// The first picture of the listing that reads as a palette picture.
std::optional<ImportTarget> ImportTargetFromListing(const std::filesystem::path& folder,
                                                    const std::vector<std::string>& listing,
                                                    std::string& reason);

struct ImportedPicture {
    std::vector<std::uint8_t> lbm;
    LbmLayout layout;
    PaletteMapping mapping;
};
// Nothing, with the reason, for a picture larger than the target's (naming the size allowed) or a
// transparent colour asked of a family whose pictures have none.
std::optional<ImportedPicture> ImportPicture(const SourceImage& image, const ImportTarget& target,
                                             const PaletteMapOptions& options, std::string& reason);

// "160 x 80, ILBM, 4 planes, colour error mean 1.25, worst 7.50"
std::string ImportSummary(const ImportedPicture& picture);

} // namespace quorvant
