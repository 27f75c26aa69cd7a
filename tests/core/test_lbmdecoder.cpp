#include "lbmfile_builder.h"
#include "pictures/lbmdecoder.h"

#include <gtest/gtest.h>

#include <array>

namespace quorvant::testing {
namespace {

Bytes Decode(const Bytes& lbm) {
    std::string reason;
    std::optional<Bytes> bmp = lbm2bmp(std::span<const std::uint8_t>(lbm), reason);
    EXPECT_TRUE(bmp) << reason;
    return bmp.value_or(Bytes{});
}

std::string Refusal(const Bytes& lbm) {
    std::string reason;
    std::optional<Bytes> bmp = lbm2bmp(std::span<const std::uint8_t>(lbm), reason);
    EXPECT_FALSE(bmp);
    EXPECT_FALSE(reason.empty());
    return reason;
}

std::int32_t Width(const Bytes& bmp) {
    return static_cast<std::int32_t>(Le32(bmp, 18));
}
std::int32_t Height(const Bytes& bmp) {
    return static_cast<std::int32_t>(Le32(bmp, 22));
}

// The colour index of pixel (x, y), y counted from the top, of an 8-bit bitmap.
std::uint8_t Index(const Bytes& bmp, int x, int y) {
    std::size_t stride = (static_cast<std::size_t>(Width(bmp)) + 3) / 4 * 4;
    return bmp.at(Le32(bmp, 10) + static_cast<std::size_t>(Height(bmp) - 1 - y) * stride + x);
}

std::array<std::uint8_t, 3> Colour(const Bytes& bmp, int i) { // r, g, b
    std::size_t at = 54 + 4 * static_cast<std::size_t>(i);
    return {bmp.at(at + 2), bmp.at(at + 1), bmp.at(at)};
}

Bytes Cmap(std::initializer_list<std::uint8_t> rgb) {
    return Chunk("CMAP", Bytes(rgb));
}

TEST(LbmDecoder, ChunkyPictureOfOddWidthSkipsTheRowPadAndComesOutBottomUp) {
    // 3 x 2: each stored row holds 4 bytes, the last a pad.
    Bytes lbm = Form(
        "PBM ", {Bmhd(3, 2, 8), Cmap({0, 0, 0, 255, 0, 0}), Chunk("BODY", {1, 2, 3, 0xEE, 4, 5, 6, 0xEE})});
    Bytes bmp = Decode(lbm);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Le32(bmp, 2), bmp.size());
    EXPECT_EQ(Le32(bmp, 10), 14u + 40u + 256u * 4u);
    EXPECT_EQ(Le32(bmp, 14), 40u);
    EXPECT_EQ(Width(bmp), 3);
    EXPECT_EQ(Height(bmp), 2);
    EXPECT_EQ(Le16(bmp, 26), 1u);
    EXPECT_EQ(Le16(bmp, 28), 8u);
    EXPECT_EQ(Le32(bmp, 46), 256u);
    EXPECT_EQ(bmp.size(), 14u + 40u + 1024u + 2u * 4u);
    // Stored bottom-up: the file's first row is the bitmap's last.
    EXPECT_EQ(bmp[Le32(bmp, 10)], 4);
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(Index(bmp, x, 0), 1 + x);
        EXPECT_EQ(Index(bmp, x, 1), 4 + x);
    }
    EXPECT_EQ(Colour(bmp, 1), (std::array<std::uint8_t, 3>{255, 0, 0}));
}

TEST(LbmDecoder, ChunkyPictureOfEvenWidthHasNoRowPad) {
    Bytes bmp = Decode(Form("PBM ", {Bmhd(2, 2, 8), Chunk("BODY", {1, 2, 3, 4})}));
    EXPECT_EQ(Index(bmp, 0, 1), 3);
    EXPECT_EQ(Index(bmp, 1, 1), 4);
}

TEST(LbmDecoder, PlanarPicturesTakePlaneZeroAsTheLowestBitAndTheLeftmostPixelFromTheTopBit) {
    // One plane, 10 pixels wide: each plane row is a whole 16-bit word.
    Bytes one = Decode(Form(
        "ILBM", {Bmhd(10, 1, 1), Cmap({0, 0, 0, 255, 255, 255}), Chunk("BODY", {0b10100000, 0b01000000})}));
    EXPECT_EQ(Le32(one, 46), 2u);
    EXPECT_EQ(Index(one, 0, 0), 1);
    EXPECT_EQ(Index(one, 1, 0), 0);
    EXPECT_EQ(Index(one, 2, 0), 1);
    EXPECT_EQ(Index(one, 9, 0), 1);
    EXPECT_EQ(Colour(one, 1), (std::array<std::uint8_t, 3>{255, 255, 255}));

    // Four planes: pixel 0 = planes 1 and 3 = 10, pixel 1 = plane 0 = 1, pixel 7 = all = 15.
    Bytes four =
        Decode(Form("ILBM", {Bmhd(8, 1, 4),
                             Chunk("BODY", {0b01000001, 0, 0b10000001, 0, 0b00000001, 0, 0b10000001, 0})}));
    EXPECT_EQ(Le32(four, 46), 16u);
    EXPECT_EQ(Index(four, 0, 0), 10);
    EXPECT_EQ(Index(four, 1, 0), 1);
    EXPECT_EQ(Index(four, 2, 0), 0);
    EXPECT_EQ(Index(four, 7, 0), 15);

    Bytes body(16, 0);
    body[0] = 0x80;   // plane 0, pixel 0
    body[14] = 0x80;  // plane 7, pixel 0
    body[14] |= 0x01; // plane 7, pixel 7
    Bytes eight = Decode(Form("ILBM", {Bmhd(8, 1, 8), Chunk("BODY", body)}));
    EXPECT_EQ(Le32(eight, 46), 256u);
    EXPECT_EQ(Index(eight, 0, 0), 0x81);
    EXPECT_EQ(Index(eight, 7, 0), 0x80);
}

TEST(LbmDecoder, MaskPlaneIsReadPastAndDoesNotColourThePixels) {
    // Two rows of one plane, each followed by its mask row.
    Bytes bmp =
        Decode(Form("ILBM", {Bmhd(8, 2, 1, 1), Chunk("BODY", {0xF0, 0, 0xFF, 0xFF, 0x0F, 0, 0xFF, 0xFF})}));
    EXPECT_EQ(Index(bmp, 0, 0), 1);
    EXPECT_EQ(Index(bmp, 4, 0), 0);
    EXPECT_EQ(Index(bmp, 0, 1), 0);
    EXPECT_EQ(Index(bmp, 4, 1), 1);
}

TEST(LbmDecoder, ByteRunOneRunsAndLiteralsGiveTheSamePixelsAsTheUnpackedBody) {
    // Row 1: literal of 2 (7, 8), a no-op -128, run of 4 x 9. Row 2: run of 6 x 1.
    Bytes packed =
        Decode(Form("PBM ", {Bmhd(6, 2, 8, 0, 1), Chunk("BODY", {1, 7, 8, 0x80, 0xFD, 9, 0xFB, 1})}));
    Bytes plain = Decode(Form("PBM ", {Bmhd(6, 2, 8), Chunk("BODY", {7, 8, 9, 9, 9, 9, 1, 1, 1, 1, 1, 1})}));
    EXPECT_EQ(packed, plain);
    EXPECT_EQ(Index(packed, 5, 0), 9);
    EXPECT_EQ(Index(packed, 0, 1), 1);

    // Planar rows are packed one plane row at a time.
    Bytes planar = Decode(Form("ILBM", {Bmhd(16, 1, 2, 0, 1), Chunk("BODY", {0xFF, 0xAA, 1, 0x0F, 0xF0})}));
    EXPECT_EQ(Index(planar, 0, 0), 1 | 0);
    EXPECT_EQ(Index(planar, 4, 0), 1 | 2);
    EXPECT_EQ(Index(planar, 8, 0), 2 | 1);
}

TEST(LbmDecoder, PaletteOfFourBitComponentsIsSpreadOverTheFullRangeAndEightBitOnesKept) {
    Bytes scaled = Decode(
        Form("ILBM", {Bmhd(8, 1, 1), Cmap({0xF0, 0x80, 0x00, 0x10, 0x20, 0x30}), Chunk("BODY", {0, 0})}));
    EXPECT_EQ(Colour(scaled, 0), (std::array<std::uint8_t, 3>{0xFF, 0x88, 0x00}));
    EXPECT_EQ(Colour(scaled, 1), (std::array<std::uint8_t, 3>{0x11, 0x22, 0x33}));
    Bytes kept = Decode(
        Form("ILBM", {Bmhd(8, 1, 1), Cmap({0xF0, 0x81, 0x00, 0x10, 0x20, 0x30}), Chunk("BODY", {0, 0})}));
    EXPECT_EQ(Colour(kept, 0), (std::array<std::uint8_t, 3>{0xF0, 0x81, 0x00}));
}

TEST(LbmDecoder, ExtraHalfBriteMakesTheUpperHalfOfTheColoursHalfAsBright) {
    Bytes cmap;
    for (int i = 0; i < 32; ++i) cmap.insert(cmap.end(), {200, 101, std::uint8_t(i * 8)});
    Bytes bmp =
        Decode(Form("ILBM", {Bmhd(8, 1, 6), Chunk("CMAP", cmap), Camg(0x80), Chunk("BODY", Bytes(12, 0))}));
    EXPECT_EQ(Le32(bmp, 46), 64u);
    EXPECT_EQ(Colour(bmp, 3), (std::array<std::uint8_t, 3>{200, 101, 24}));
    EXPECT_EQ(Colour(bmp, 35), (std::array<std::uint8_t, 3>{100, 50, 12}));
}

TEST(LbmDecoder, HoldAndModifyComesOutAsTrueColour) {
    // HAM6, 4 pixels: palette 1, then modify red to 15, green to 8, blue to 2.
    // Pixel values: 0b000001, 0b101111, 0b111000, 0b010010.
    std::array<std::uint8_t, 4> v{0b000001, 0b101111, 0b111000, 0b010010};
    Bytes body;
    for (int p = 0; p < 6; ++p) {
        std::uint8_t bits = 0;
        for (int x = 0; x < 4; ++x)
            if (v[x] >> p & 1) bits |= static_cast<std::uint8_t>(0x80 >> x);
        body.insert(body.end(), {bits, 0});
    }
    Bytes bmp = Decode(
        Form("ILBM", {Bmhd(4, 1, 6), Cmap({0, 0, 0, 0x10, 0x20, 0x30}), Camg(0x800), Chunk("BODY", body)}));
    EXPECT_EQ(Le16(bmp, 28), 24u);
    EXPECT_EQ(Le32(bmp, 46), 0u);
    const std::size_t px = Le32(bmp, 10);
    EXPECT_EQ(px, 54u);
    auto rgb = [&](int x) {
        std::size_t at = px + 3 * static_cast<std::size_t>(x);
        return std::array<std::uint8_t, 3>{bmp[at + 2], bmp[at + 1], bmp[at]};
    };
    EXPECT_EQ(rgb(0), (std::array<std::uint8_t, 3>{0x11, 0x22, 0x33}));
    EXPECT_EQ(rgb(1), (std::array<std::uint8_t, 3>{0xFF, 0x22, 0x33}));
    EXPECT_EQ(rgb(2), (std::array<std::uint8_t, 3>{0xFF, 0x88, 0x33}));
    EXPECT_EQ(rgb(3), (std::array<std::uint8_t, 3>{0xFF, 0x88, 0x22}));
}

TEST(LbmDecoder, DirectColourPicturesAreRefusedWhateverTheirDepthOrPalette) {
    const std::vector<Bytes> pictures = {
        Form("ILBM", {Bmhd(8, 1, 8), Dcol(3, 3, 2), Chunk("BODY", Bytes(16, 0))}),
        Form("ILBM", {Bmhd(8, 1, 4), Dcol(2, 1, 1), Chunk("BODY", Bytes(8, 0))}),
        Form("ILBM", {Bmhd(8, 1, 1), Cmap({0, 0, 0, 255, 255, 255}), Dcol(1, 0, 0), Chunk("BODY", {0, 0})}),
        Form("PBM ", {Bmhd(2, 1, 8), Chunk("BODY", {1, 2}), Dcol(3, 3, 2)}),
    };
    for (const Bytes& lbm : pictures) EXPECT_EQ(Refusal(lbm), "direct-colour pictures are not supported");
}

TEST(LbmDecoder, MalformedFilesFailWithAReason) {
    const Bytes bmhd = Bmhd(4, 2, 8);
    EXPECT_NE(Refusal({}).find("IFF"), std::string::npos);
    EXPECT_NE(Refusal({'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}).find("IFF"), std::string::npos);
    EXPECT_NE(Refusal(Form("8SVX", {bmhd})).find("8SVX"), std::string::npos);
    EXPECT_NE(Refusal(Form("PBM ", {Chunk("BODY", Bytes(8, 0))})).find("BMHD"), std::string::npos);
    EXPECT_NE(Refusal(Form("PBM ", {bmhd})).find("BODY"), std::string::npos);
    EXPECT_NE(Refusal(Form("PBM ", {bmhd, Chunk("BODY", Bytes(7, 0))})).find("BODY ends"), std::string::npos);
    EXPECT_NE(
        Refusal(Form("PBM ", {Bmhd(4, 2, 8, 0, 1), Chunk("BODY", {3, 1, 2, 3, 4, 0xFD})})).find("BODY ends"),
        std::string::npos);
    // A run of 5 in a row of 4, and a literal of 6.
    EXPECT_NE(Refusal(Form("PBM ", {Bmhd(4, 2, 8, 0, 1), Chunk("BODY", {0xFC, 1, 0xFD, 1})})).find("run"),
              std::string::npos);
    EXPECT_NE(Refusal(Form("PBM ", {Bmhd(4, 2, 8, 0, 1), Chunk("BODY", {5, 1, 2, 3, 4, 5, 6, 0xFD, 1})}))
                  .find("run"),
              std::string::npos);
    EXPECT_NE(Refusal(Form("PBM ", {Bmhd(65535, 65535, 8), Chunk("BODY", Bytes(8, 0))})).find("larger"),
              std::string::npos);
    EXPECT_NE(Refusal(Form("PBM ", {Bmhd(0, 2, 8), Chunk("BODY", Bytes(8, 0))})).find("no pixels"),
              std::string::npos);
    EXPECT_NE(
        Refusal(Form("PBM ", {bmhd, Chunk("CMAP", Bytes(3000, 7)), Chunk("BODY", Bytes(8, 0))})).find("256"),
        std::string::npos);
    EXPECT_FALSE(Refusal(Form("ILBM", {Bmhd(8, 1, 9), Chunk("BODY", Bytes(18, 0))})).empty());
    EXPECT_FALSE(Refusal(Form("ILBM", {Bmhd(8, 1, 4, 0, 2), Chunk("BODY", Bytes(8, 0))})).empty());
    EXPECT_FALSE(Refusal(Form("ILBM", {Bmhd(8, 1, 5), Camg(0x800), Chunk("BODY", Bytes(10, 0))})).empty());
    EXPECT_FALSE(Refusal(Form("PBM ", {Bmhd(8, 1, 4), Chunk("BODY", Bytes(8, 0))})).empty());
}

TEST(LbmDecoder, ChunkSizesAreCheckedAgainstTheFile) {
    Bytes lbm = Form("PBM ", {Bmhd(2, 1, 8), Chunk("BODY", {1, 2})});
    Bytes longBody = lbm;
    longBody[lbm.size() - 3] = 200; // BODY says 200 bytes
    EXPECT_NE(Refusal(longBody).find("BODY chunk runs past"), std::string::npos);
    Bytes longForm = lbm;
    longForm[7] = static_cast<std::uint8_t>(longForm[7] + 10);
    EXPECT_NE(Refusal(longForm).find("FORM"), std::string::npos);
    Bytes hugeChunk = lbm;
    hugeChunk[16] = hugeChunk[17] = hugeChunk[18] = hugeChunk[19] = 0xFF; // BMHD size
    EXPECT_FALSE(Refusal(hugeChunk).empty());
    // Every cut of a good file fails cleanly or still decodes; none reads past its end.
    for (std::size_t n = 0; n < lbm.size(); ++n) {
        std::string reason;
        Bytes cut(lbm.begin(), lbm.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(lbm2bmp(std::span<const std::uint8_t>(cut), reason)) << n;
    }
}

TEST(LbmDecoder, FileThatIsMissingOrTooLargeIsRefusedByPath) {
    std::string reason;
    EXPECT_FALSE(lbm2bmp(std::filesystem::path("/nonexistent/P0001.lbm"), reason));
    EXPECT_FALSE(reason.empty());
}

} // namespace
} // namespace quorvant::testing
