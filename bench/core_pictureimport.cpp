// Importing a 320 x 200 PNG (read, mapped to the family's palette, written as LBM) against reading
// the PNG alone, into 16 and 256 colours, by nearest colour and dithered.

#include "pictures/lbmencoder.h"
#include "pictures/pictureimport.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>
#include <png.h>

#include <cmath>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;
using namespace quorvant;

namespace {

constexpr int kWidth = 320, kHeight = 200;

// A painted scene's worth of colours: smooth gradients with fine noise, nearly every pixel its own.
const fs::path& PngFile() {
    static const fs::path path = [] {
        std::vector<std::uint32_t> argb;
        std::uint32_t noise = 12345;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                noise = noise * 1664525u + 1013904223u;
                auto channel = [&](double v) {
                    return static_cast<std::uint32_t>(std::clamp(v + double(noise >> 29), 0.0, 255.0));
                };
                argb.push_back(0xFF000000u | channel(x * 0.8) << 16 | channel(y * 1.2) << 8 |
                               channel(128 + 100 * std::sin(x * 0.05 + y * 0.03)));
            }
        png_image png;
        std::memset(&png, 0, sizeof png);
        png.version = PNG_IMAGE_VERSION;
        png.width = kWidth;
        png.height = kHeight;
        png.format = PNG_FORMAT_BGRA;
        fs::path file = fs::temp_directory_path() / "quorvant_bench_import.png";
        png_image_write_to_file(&png, file.c_str(), 0, argb.data(), 0, nullptr);
        return file;
    }();
    return path;
}

// A family picture of 320 x 200 with a palette of colours spread over the cube.
ImportTarget Target(std::size_t colours) {
    LbmLayout layout;
    layout.chunky = colours == 256;
    layout.header = {kWidth, kHeight, std::uint8_t(colours == 256 ? 8 : 4), 0, 1, 0, 10, 11, kWidth, kHeight};
    for (std::size_t i = 0; i < colours; ++i)
        layout.cmap.push_back({std::uint8_t(i * 37), std::uint8_t(i * 91), std::uint8_t(i * 53)});
    std::vector<std::uint8_t> lbm =
        EncodeLbm(layout, std::vector<std::uint8_t>(std::size_t{kWidth} * kHeight));
    fs::path file = fs::temp_directory_path() / ("quorvant_bench_family" + std::to_string(colours) + ".lbm");
    std::string error;
    WriteFileAtomically(file, lbm, error);
    return *ImportTargetLike(file, error);
}

void BM_ReadPng320x200(benchmark::State& state) {
    std::string reason;
    for (auto _ : state) {
        auto image = ReadSourceImage(PngFile(), reason);
        if (!image) state.SkipWithError(reason.c_str());
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_ReadPng320x200)->Unit(benchmark::kMillisecond);

// Arguments: colours, dithered.
void BM_ImportPng320x200(benchmark::State& state) {
    const ImportTarget target = Target(static_cast<std::size_t>(state.range(0)));
    const PaletteMapOptions options{state.range(1) != 0, std::nullopt, std::nullopt};
    std::string reason;
    for (auto _ : state) {
        auto image = ReadSourceImage(PngFile(), reason);
        auto picture = image ? ImportPicture(*image, target, options, reason) : std::nullopt;
        if (!picture) state.SkipWithError(reason.c_str());
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(BM_ImportPng320x200)
    ->ArgNames({"colours", "dither"})
    ->Args({16, 0})
    ->Args({16, 1})
    ->Args({256, 0})
    ->Args({256, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
