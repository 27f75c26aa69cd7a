// The picture cross-reference scan of a whole family against the raw read of the same files, and
// decoding a 320 x 200 picture.

#include "pictures/lbmdecoder.h"
#include "pictures/xrefscan.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace quorvant;

namespace {

// The BW2 family: mob00 to mob43 but mob41, every unit slot named.
const fs::path& FamilyFolder() {
    static const fs::path folder = [] {
        fs::path dir = fs::temp_directory_path() / "quorvant_bench_xref";
        fs::create_directories(dir);
        std::vector<std::uint8_t> bytes(44500);
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(1 + i * 7 % 200);
        for (int s = 0; s < 250; ++s)
            for (int i = 0; i < 15; ++i) bytes[9250 + s * 15 + i] = i < 6 ? 'A' + (s + i) % 26 : ' ';
        for (const std::string& name : FamilyOBFiles(PicFamily::BW2))
            std::ofstream(dir / name, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
        return dir;
    }();
    return folder;
}

void BM_RawReadFamily(benchmark::State& state) {
    std::string error;
    const std::vector<std::string> names = FamilyOBFiles(PicFamily::BW2);
    for (auto _ : state)
        for (const std::string& name : names) {
            auto bytes = ReadWholeFile(FamilyFolder() / name, error);
            benchmark::DoNotOptimize(bytes);
        }
    state.counters["files"] = static_cast<double>(names.size());
}
BENCHMARK(BM_RawReadFamily);

void BM_ScanFamily(benchmark::State& state) {
    for (auto _ : state) {
        auto records = ScanFamily(PicFamily::BW2, FamilyFolder(), nullptr);
        benchmark::DoNotOptimize(records.data());
    }
}
BENCHMARK(BM_ScanFamily);

void Append32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>(v >> s));
}

// A 320 x 200 picture: 8 planes, ByteRun1 (planar) or uncompressed 8-bit chunky.
std::vector<std::uint8_t> Picture(bool planar) {
    constexpr int w = 320, h = 200;
    std::vector<std::uint8_t> body;
    for (int y = 0; y < h; ++y)
        for (int p = 0; p < (planar ? 8 : 1); ++p) {
            const int n = planar ? w / 8 : w;
            for (int x = 0; x < n; x += 32) {
                const int count = std::min(32, n - x);
                if (planar) body.push_back(static_cast<std::uint8_t>(count - 1)); // a literal
                for (int i = 0; i < count; ++i)
                    body.push_back(static_cast<std::uint8_t>((x + i) * 13 + y * 7 + p));
            }
        }
    std::vector<std::uint8_t> form{'P', 'B', 'M', ' '};
    if (planar) form = {'I', 'L', 'B', 'M'};
    auto chunk = [&](const char* id, const std::vector<std::uint8_t>& data) {
        form.insert(form.end(), id, id + 4);
        Append32(form, static_cast<std::uint32_t>(data.size()));
        form.insert(form.end(), data.begin(), data.end());
    };
    chunk("BMHD",
          {1, 64, 0, 200, 0, 0, 0, 0, 8, 0, std::uint8_t(planar ? 1 : 0), 0, 0, 0, 10, 11, 1, 64, 0, 200});
    std::vector<std::uint8_t> cmap(768);
    for (std::size_t i = 0; i < cmap.size(); ++i) cmap[i] = static_cast<std::uint8_t>(i * 5);
    chunk("CMAP", cmap);
    chunk("BODY", body);
    std::vector<std::uint8_t> file{'F', 'O', 'R', 'M'};
    Append32(file, static_cast<std::uint32_t>(form.size()));
    file.insert(file.end(), form.begin(), form.end());
    return file;
}

void BM_CopyPicture(benchmark::State& state) {
    const std::vector<std::uint8_t> lbm = Picture(false);
    for (auto _ : state) {
        std::vector<std::uint8_t> copy(lbm);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_CopyPicture);

void BM_DecodeChunky320x200(benchmark::State& state) {
    const std::vector<std::uint8_t> lbm = Picture(false);
    std::string reason;
    for (auto _ : state) {
        auto bmp = lbm2bmp(std::span<const std::uint8_t>(lbm), reason);
        if (!bmp) state.SkipWithError(reason.c_str());
        benchmark::DoNotOptimize(bmp);
    }
}
BENCHMARK(BM_DecodeChunky320x200);

void BM_DecodePlanarPacked320x200(benchmark::State& state) {
    const std::vector<std::uint8_t> lbm = Picture(true);
    std::string reason;
    for (auto _ : state) {
        auto bmp = lbm2bmp(std::span<const std::uint8_t>(lbm), reason);
        if (!bmp) state.SkipWithError(reason.c_str());
        benchmark::DoNotOptimize(bmp);
    }
}
BENCHMARK(BM_DecodePlanarPacked320x200);

} // namespace
