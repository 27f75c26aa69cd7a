#include "lbmfile_builder.h"
#include "picture_folder.h"
#include "pictures/lbmdecoder.h"
#include "pictures/pictureimport.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <filesystem>

namespace quorvant::testing {
namespace {

namespace fs = std::filesystem;

void AppendLe(Bytes& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A bitmap file: headerBytes of info header (40, or 124 for the latest form), the colour table,
// then rows already padded as stored.
Bytes Bmp(std::int32_t width, std::int32_t height, unsigned bits, std::uint32_t compression,
          const std::vector<std::uint32_t>& table, const Bytes& rows, std::uint32_t headerBytes = 40) {
    Bytes info;
    AppendLe(info, headerBytes, 4);
    AppendLe(info, static_cast<std::uint32_t>(width), 4);
    AppendLe(info, static_cast<std::uint32_t>(height), 4);
    AppendLe(info, 1, 2);
    AppendLe(info, bits, 2);
    AppendLe(info, compression, 4);
    AppendLe(info, static_cast<std::uint32_t>(rows.size()), 4);
    AppendLe(info, 2835, 4);
    AppendLe(info, 2835, 4);
    AppendLe(info, static_cast<std::uint32_t>(table.size()), 4);
    AppendLe(info, 0, 4);
    if (headerBytes > 40) {
        for (std::uint32_t mask : {0xFF0000u, 0xFF00u, 0xFFu, 0xFF000000u}) AppendLe(info, mask, 4);
        info.resize(headerBytes, 0);
    }
    for (std::uint32_t c : table) AppendLe(info, c, 4);
    Bytes file{'B', 'M'};
    AppendLe(file, static_cast<std::uint32_t>(14 + info.size() + rows.size()), 4);
    AppendLe(file, 0, 4);
    AppendLe(file, static_cast<std::uint32_t>(14 + info.size()), 4);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), rows.begin(), rows.end());
    return file;
}

Bytes Png(int width, int height, const std::vector<std::uint32_t>& argb) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(width);
    png.height = static_cast<png_uint_32>(height);
    png.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    EXPECT_TRUE(png_image_write_to_memory(&png, nullptr, &size, 0, argb.data(), 0, nullptr));
    Bytes out(size);
    EXPECT_TRUE(png_image_write_to_memory(&png, out.data(), &size, 0, argb.data(), 0, nullptr));
    out.resize(size);
    return out;
}

SourceImage Read(const Bytes& bytes) {
    std::string reason;
    std::optional<SourceImage> image = ReadSourceImage(std::span<const std::uint8_t>(bytes), reason);
    EXPECT_TRUE(image) << reason;
    return image.value_or(SourceImage{});
}

TEST(PictureImport, PngAndEveryBitmapFormReadTopDownAsArgb) {
    const std::uint32_t red = 0xFFFF0000, green = 0xFF00FF00, blue = 0xFF0000FF, white = 0xFFFFFFFF;
    const std::vector<std::uint32_t> want = {red, green, blue, white}; // 2 x 2, top row first
    struct Case {
        const char* what;
        Bytes file;
    } cases[] = {
        {"24 bits, bottom-up",
         Bmp(2, 2, 24, 0, {}, {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0})},
        {"8 bits with a colour table",
         Bmp(2, 2, 8, 0, {0xFF0000, 0xFF00, 0xFF, 0xFFFFFF}, {2, 3, 0, 0, 0, 1, 0, 0})},
        {"1 bit", Bmp(2, 1, 1, 0, {0xFF0000, 0xFF00}, {0x40, 0, 0, 0})},
        {"32 bits, top-down",
         Bmp(2, -2, 32, 0, {}, {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0})},
        {"32 bits, latest header with colour masks",
         Bmp(2, 2, 32, 3, {}, {0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0}, 124)},
        {"24 bits, top-down, a header longer than any form",
         Bmp(2, -2, 24, 0, {}, {0, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0}, 300)},
        {"PNG", Png(2, 2, want)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SourceImage image = Read(c.file);
        if (std::string(c.what) == "1 bit") {
            EXPECT_EQ(image.argb, (std::vector<std::uint32_t>{red, green}));
            continue;
        }
        EXPECT_EQ(image.width, 2);
        EXPECT_EQ(image.height, 2);
        EXPECT_EQ(image.argb, want);
    }
    EXPECT_EQ(Read(Png(1, 1, {0x40123456})).argb, std::vector<std::uint32_t>{0x40123456});
}

TEST(PictureImport, FilesThatAreNoReadablePictureAreRefusedWithAReason) {
    Bytes png = Png(4, 4, std::vector<std::uint32_t>(16, 0xFF808080));
    struct Case {
        const char* what;
        Bytes file;
    } cases[] = {
        {"text", Bytes{'h', 'e', 'l', 'l', 'o'}},
        {"nothing", Bytes{}},
        {"a cut PNG", Bytes(png.begin(), png.begin() + 40)},
        {"a bitmap cut in its rows", Bmp(2, 2, 24, 0, {}, Bytes(10, 0))},
        {"a run-length bitmap", Bmp(2, 2, 8, 1, {0, 0xFFFFFF}, Bytes(8, 0))},
        {"a 16-bit bitmap", Bmp(2, 2, 16, 0, {}, Bytes(8, 0))},
        {"a bitmap too wide", Bmp(5000, 1, 8, 0, {0}, Bytes(5000, 0))},
        {"a bitmap with a short header", Bytes{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        std::string reason;
        EXPECT_FALSE(ReadSourceImage(std::span<const std::uint8_t>(c.file), reason)) << c.what;
        EXPECT_FALSE(reason.empty()) << c.what;
    }
    std::string reason;
    EXPECT_FALSE(ReadSourceImage(fs::path("/nonexistent/quorvant.png"), reason));
    EXPECT_FALSE(reason.empty());
}

using ImportFolder = PictureFolder;

// 4 x 2, two planes, masking by transparent colour 0 (green); entries white, black, red.
Bytes FamilyPicture() {
    Bytes bmhd = Bmhd(4, 2, 2, kLbmTransparentColour, 1);
    bmhd[8 + 13] = 0; // transparent colour 0
    return Form("ILBM", {bmhd, Chunk("CMAP", {0, 255, 0, 255, 255, 255, 0, 0, 0, 255, 0, 0}),
                         Chunk("BODY", {1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0})});
}

TEST_F(ImportFolder, ImportedPictureTakesTheFamilysKindPlanesAndPaletteAndReadsBackAsMapped) {
    std::string reason;
    std::optional<ImportTarget> target = ImportTargetLike(write("P0001.lbm", FamilyPicture()), reason);
    ASSERT_TRUE(target) << reason;
    EXPECT_EQ(target->transparentIndex, std::optional<std::uint8_t>(0));
    // Clear, white, near-black, red; the opaque green may not take the transparent entry.
    SourceImage image{4, 1, {0x00000000, 0xFFFFFFFF, 0xFF101010, 0xFF00FF00}};
    std::optional<ImportedPicture> picture = ImportPicture(image, *target, {}, reason);
    ASSERT_TRUE(picture) << reason;
    EXPECT_EQ(picture->mapping.indices[0], 0);
    EXPECT_EQ(picture->mapping.indices[1], 1);
    EXPECT_EQ(picture->mapping.indices[2], 2);
    EXPECT_NE(picture->mapping.indices[3], 0);
    std::optional<LbmLayout> layout = ReadLbmLayout(std::span<const std::uint8_t>(picture->lbm), reason);
    ASSERT_TRUE(layout) << reason;
    EXPECT_FALSE(layout->chunky);
    EXPECT_EQ(layout->header.width, 4);
    EXPECT_EQ(layout->header.height, 1);
    EXPECT_EQ(layout->header.planes, 2);
    EXPECT_EQ(layout->header.compression, 1);
    EXPECT_EQ(layout->header.masking, kLbmTransparentColour);
    EXPECT_EQ(layout->cmap, target->layout.cmap);
    EXPECT_EQ(ImportSummary(*picture).substr(0, 20), "4 x 1, ILBM, 2 plane");

    // A bitmap names its background by colour: white pixels become the transparent entry too.
    picture = ImportPicture(image, *target, {false, std::nullopt, Rgb{255, 255, 255}}, reason);
    ASSERT_TRUE(picture) << reason;
    EXPECT_EQ(picture->mapping.indices, (std::vector<std::uint8_t>{0, 0, 2, picture->mapping.indices[3]}));
    EXPECT_EQ(ParseRgbText("#fF0080"), (Rgb{255, 0, 128}));
    for (const char* bad : {"", "#", "FF008", "FF00800", "GG0080", "#-F0080"})
        EXPECT_FALSE(ParseRgbText(bad)) << bad;
}

TEST_F(ImportFolder, PicturesLargerThanTheFamilysAreRefusedWithTheSizeAllowed) {
    std::string reason;
    std::optional<ImportTarget> target = ImportTargetLike(write("P0001.lbm", FamilyPicture()), reason);
    ASSERT_TRUE(target) << reason;
    for (SourceImage image : {SourceImage{5, 2, std::vector<std::uint32_t>(10)},
                              SourceImage{4, 3, std::vector<std::uint32_t>(12)}}) {
        EXPECT_FALSE(ImportPicture(image, *target, {}, reason));
        EXPECT_NE(reason.find("at most 4 x 2"), std::string::npos) << reason;
    }
    EXPECT_TRUE(ImportPicture(SourceImage{4, 2, std::vector<std::uint32_t>(8)}, *target, {}, reason));
}

TEST_F(ImportFolder, FamilyTargetIsTheFirstPalettePictureAndUsesOnlyItsStoredColours) {
    write("P0001.lbm", Bytes{'F', 'O', 'R', 'M'});
    write("P0002.lbm", Form("ILBM", {Bmhd(2, 1, 6), Camg(0x800), Chunk("BODY", Bytes(24, 0))}));
    // A chunky picture of two stored colours: black is none of them.
    write("P0003.lbm",
          Form("PBM ", {Bmhd(2, 1, 8), Chunk("CMAP", {255, 255, 255, 200, 0, 0}), Chunk("BODY", {0, 1})}));
    std::string reason;
    std::optional<ImportTarget> target =
        ImportTargetFromListing(dir_, {"P0001.lbm", "P0002.lbm", "P0003.lbm"}, reason);
    ASSERT_TRUE(target) << reason;
    EXPECT_TRUE(target->layout.chunky);
    EXPECT_EQ(target->colours.size(), 2u);
    EXPECT_FALSE(target->transparentIndex);
    EXPECT_FALSE(ImportTargetFromListing(dir_, {"P0001.lbm", "P0002.lbm"}, reason));
    EXPECT_FALSE(ImportTargetFromListing(dir_, {}, reason));
}

} // namespace
} // namespace quorvant::testing
