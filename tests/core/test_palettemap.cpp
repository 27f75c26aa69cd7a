#include "pictures/palettemap.h"

#include <gtest/gtest.h>

#include <random>

namespace quorvant::testing {
namespace {

std::uint32_t Opaque(const Rgb& c) {
    return 0xFF000000u | std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b;
}

const std::vector<Rgb> kSixteen = {
    {0, 0, 0},          {0x99, 0xBB, 0xDD}, {0x77, 0x66, 0x44}, {0x55, 0x44, 0x33},
    {0x55, 0x66, 0x33}, {0x33, 0x44, 0x22}, {0x88, 0x88, 0x88}, {0x44, 0x44, 0x44},
    {0xBB, 0xAA, 0x77}, {0x88, 0x77, 0x55}, {0xEE, 0xCC, 0xAA}, {0x22, 0x22, 0x22},
    {0xFF, 0xFF, 0xFF}, {0xAA, 0x33, 0x22}, {0x66, 0x77, 0x44}, {0xDD, 0xDD, 0x99}};

TEST(PaletteMap, ColoursThePaletteHoldsComeOutExactlyWithAndWithoutDithering) {
    SourceImage image{23, 9, {}};
    std::mt19937 random(7);
    for (int i = 0; i < image.width * image.height; ++i)
        image.argb.push_back(Opaque(kSixteen[random() % 16]));
    for (bool dither : {false, true}) {
        PaletteMapping m = MapToPalette(image, kSixteen, {dither, std::nullopt, std::nullopt});
        ASSERT_EQ(m.indices.size(), image.argb.size());
        for (std::size_t i = 0; i < m.indices.size(); ++i)
            ASSERT_EQ(Opaque(kSixteen[m.indices[i]]), image.argb[i]);
        EXPECT_EQ(m.meanError, 0.0);
        EXPECT_EQ(m.worstError, 0.0);
    }
}

TEST(PaletteMap, NearestIsJudgedByEyeNotByRgbDistance) {
    // In RGB (0, 0, 110) is nearer to the deep blue; to the eye the lighter blue is.
    const std::vector<Rgb> palette = {{0, 0, 110}, {90, 90, 230}};
    PaletteMapping m = MapToPalette({1, 1, {Opaque({0, 0, 200})}}, palette);
    EXPECT_EQ(m.indices, std::vector<std::uint8_t>{1});
}

TEST(PaletteMap, MeanAndWorstErrorAreCielabDistances) {
    // White on black is 100 apart in lightness alone; the black pixel is exact.
    PaletteMapping m =
        MapToPalette({2, 1, {Opaque({255, 255, 255}), Opaque({0, 0, 0})}}, std::vector<Rgb>{{0, 0, 0}});
    EXPECT_NEAR(m.worstError, 100.0, 0.01);
    EXPECT_NEAR(m.meanError, 50.0, 0.01);
}

TEST(PaletteMap, TransparentPixelsTakeTheTransparentEntryAndNoOtherPixelDoes) {
    // Entry 0 is the transparent one and has the colour of entry 3.
    const std::vector<Rgb> palette = {{0, 255, 0}, {0, 0, 0}, {255, 255, 255}, {0, 255, 0}};
    const Rgb key{255, 0, 255};
    SourceImage image{6, 2, {}};
    for (int y = 0; y < 2; ++y)
        image.argb.insert(image.argb.end(), {0x00FFFFFFu, 0x7F000000u, Opaque(key), 0x80FFFFFFu,
                                             Opaque({0, 255, 0}), Opaque({128, 128, 128})});
    for (bool dither : {false, true}) {
        SCOPED_TRACE(dither);
        PaletteMapping m = MapToPalette(image, palette, {dither, 0, key});
        for (int y = 0; y < 2; ++y) {
            const std::uint8_t* row = m.indices.data() + 6 * y;
            EXPECT_EQ(row[0], 0);
            EXPECT_EQ(row[1], 0);
            EXPECT_EQ(row[2], 0);
            EXPECT_EQ(row[3], 2);
            EXPECT_EQ(row[4], 3);
            EXPECT_NE(row[5], 0);
        }
        // Without a transparent entry the same pixels are mapped by their colour.
        PaletteMapping plain = MapToPalette(image, palette, {dither, std::nullopt, key});
        EXPECT_EQ(plain.indices[1], 1);
    }
}

TEST(PaletteMap, DitheringKeepsTheToneOfAGradientThatNearestColourLoses) {
    const int width = 256, height = 16;
    SourceImage image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.argb.push_back(Opaque({std::uint8_t(x), std::uint8_t(x), std::uint8_t(x)}));
    const std::vector<Rgb> blackAndWhite = {{0, 0, 0}, {255, 255, 255}};
    PaletteMapping plain = MapToPalette(image, blackAndWhite);
    PaletteMapping dithered = MapToPalette(image, blackAndWhite, {true, std::nullopt, std::nullopt});
    // The share of white pixels in each band of 32 columns against the band's mean value.
    for (int band = 0; band < width / 32; ++band) {
        int whitePlain = 0, whiteDithered = 0;
        for (int y = 0; y < height; ++y)
            for (int x = band * 32; x < band * 32 + 32; ++x) {
                whitePlain += plain.indices[std::size_t(y * width + x)];
                whiteDithered += dithered.indices[std::size_t(y * width + x)];
            }
        const double tone = (band * 32 + 15.5) / 255.0;
        EXPECT_NEAR(whiteDithered / (32.0 * height), tone, 0.05) << "band " << band;
        if (band == 2) {
            EXPECT_EQ(whitePlain, 0); // a third of the way to white, all black
        }
    }
}

} // namespace
} // namespace quorvant::testing
