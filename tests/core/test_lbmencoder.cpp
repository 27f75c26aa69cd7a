#include "lbmfile_builder.h"
#include "pictures/lbmdecoder.h"
#include "pictures/lbmencoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace quorvant::testing {
namespace {

namespace fs = std::filesystem;

struct Kind {
    bool chunky;
    std::uint8_t planes;
    std::uint8_t compression;
    std::uint8_t masking;
};

LbmLayout LayoutOf(const Kind& k, std::uint16_t width, std::uint16_t height) {
    LbmLayout layout;
    layout.chunky = k.chunky;
    layout.header = {width, height, k.planes, k.masking, k.compression, 3, 10, 11, 320, 200};
    std::mt19937 random(k.planes * 31u + width);
    for (std::size_t i = 0; i < (std::size_t{1} << k.planes); ++i)
        layout.cmap.push_back({std::uint8_t(random()), std::uint8_t(random()), std::uint8_t(random() | 1)});
    layout.camg = k.chunky ? std::nullopt : std::optional<std::uint32_t>(0x8000);
    return layout;
}

std::vector<std::uint8_t> RandomIndices(std::size_t n, unsigned planes, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> indices(n);
    // Long runs and noise both, so ByteRun1 writes runs and literals.
    for (std::size_t i = 0; i < n; ++i)
        indices[i] = static_cast<std::uint8_t>((i / 11 % 3 ? random() : i / 11) & ((1u << planes) - 1));
    return indices;
}

// The 8-bit indices of a decoded bitmap, top-down.
std::vector<std::uint8_t> DecodedIndices(const Bytes& bmp) {
    const auto width = static_cast<std::size_t>(Le32(bmp, 18)),
               height = static_cast<std::size_t>(Le32(bmp, 22));
    const std::size_t stride = (width + 3) / 4 * 4;
    std::vector<std::uint8_t> out;
    for (std::size_t y = 0; y < height; ++y) {
        auto row = bmp.begin() + Le32(bmp, 10) + static_cast<std::ptrdiff_t>((height - 1 - y) * stride);
        out.insert(out.end(), row, row + static_cast<std::ptrdiff_t>(width));
    }
    return out;
}

// The pixels netpbm's own decoder reads, as r, g, b bytes; empty when it is not installed or fails.
std::vector<std::uint8_t> ReadWithNetpbm(const Bytes& lbm, const std::string& name) {
    const fs::path in = fs::temp_directory_path() / ("quorvant_encoder_" + name + ".lbm");
    const fs::path out = fs::temp_directory_path() / ("quorvant_encoder_" + name + ".ppm");
    std::ofstream(in, std::ios::binary)
        .write(reinterpret_cast<const char*>(lbm.data()), std::streamsize(lbm.size()));
    std::string command = "ilbmtoppm '" + in.string() + "' > '" + out.string() + "' 2>/dev/null";
    std::vector<std::uint8_t> pixels;
    if (std::system(command.c_str()) == 0) {
        std::ifstream ppm(out, std::ios::binary);
        std::string magic;
        int width = 0, height = 0, max = 0;
        ppm >> magic >> width >> height >> max;
        ppm.get();
        pixels.resize(std::size_t(width) * std::size_t(height) * 3);
        ppm.read(reinterpret_cast<char*>(pixels.data()), std::streamsize(pixels.size()));
        if (magic != "P6" || max != 255 || !ppm) pixels.clear();
    }
    fs::remove(in);
    fs::remove(out);
    return pixels;
}

bool HaveNetpbm() {
    return std::system("command -v ilbmtoppm > /dev/null 2>&1") == 0;
}

TEST(LbmEncoder, EveryKindAndPlaneCountReadsBackToTheSamePixelsAndChunks) {
    std::vector<Kind> kinds = {{true, 8, 0, 0}, {true, 8, 1, 2}};
    for (std::uint8_t planes = 1; planes <= 8; ++planes)
        for (std::uint8_t compression : {0, 1})
            kinds.push_back({false, planes, compression, std::uint8_t(planes % 3)});
    const bool netpbm = HaveNetpbm();
    for (const Kind& k : kinds)
        for (std::uint16_t width : {1, 7, 16, 17, 33, 160}) {
            SCOPED_TRACE(std::string(k.chunky ? "PBM" : "ILBM") + " planes " + std::to_string(k.planes) +
                         " compression " + std::to_string(k.compression) + " masking " +
                         std::to_string(k.masking) + " width " + std::to_string(width));
            const std::uint16_t height = 5;
            LbmLayout layout = LayoutOf(k, width, height);
            std::vector<std::uint8_t> indices = RandomIndices(std::size_t{width} * height, k.planes, width);
            Bytes lbm = EncodeLbm(layout, indices);
            std::string reason;
            std::optional<Bytes> bmp = lbm2bmp(std::span<const std::uint8_t>(lbm), reason);
            ASSERT_TRUE(bmp) << reason;
            EXPECT_EQ(DecodedIndices(*bmp), indices);
            std::optional<LbmLayout> back = ReadLbmLayout(std::span<const std::uint8_t>(lbm), reason);
            ASSERT_TRUE(back) << reason;
            EXPECT_EQ(back->chunky, k.chunky);
            EXPECT_TRUE(back->header == layout.header);
            EXPECT_EQ(back->cmap, layout.cmap);
            EXPECT_EQ(back->camg, layout.camg);
            // netpbm reads chunky rows of odd width without their pad byte, unlike the game's pictures.
            if (!netpbm || k.chunky) continue;
            std::vector<std::uint8_t> rgb =
                ReadWithNetpbm(lbm, std::to_string(k.planes) + "_" + std::to_string(width));
            ASSERT_EQ(rgb.size(), indices.size() * 3);
            for (std::size_t i = 0; i < indices.size(); ++i) {
                const Rgb& c = layout.cmap[indices[i]];
                ASSERT_EQ((Rgb{rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]}), c) << "pixel " << i;
            }
        }
}

TEST(LbmEncoder, MaskPlaneIsClearExactlyOnTheTransparentColour) {
    LbmLayout layout = LayoutOf({false, 2, 0, kLbmMaskPlane}, 8, 1);
    layout.header.transparentColour = 2;
    Bytes lbm = EncodeLbm(layout, std::vector<std::uint8_t>{0, 1, 2, 3, 2, 2, 1, 0});
    // BODY: plane 0, plane 1, mask, each a 16-bit row.
    const std::size_t body = lbm.size() - 6;
    EXPECT_EQ(Bytes(lbm.begin() + static_cast<std::ptrdiff_t>(body), lbm.end()),
              (Bytes{0b01010010, 0, 0b00111100, 0, 0b11010011, 0}));
}

TEST(LbmEncoder, IndicesThatDoNotFillThePictureWriteNothing) {
    LbmLayout layout = LayoutOf({true, 8, 0, 0}, 4, 2);
    EXPECT_TRUE(EncodeLbm(layout, std::vector<std::uint8_t>(7)).empty());
    EXPECT_TRUE(EncodeLbm(layout, std::vector<std::uint8_t>(9)).empty());
}

} // namespace
} // namespace quorvant::testing
