#include "pictures/palettemap.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quorvant {
namespace {

struct Lab {
    float l = 0, a = 0, b = 0;
};

float Distance2(const Lab& x, const Lab& y) {
    float dl = x.l - y.l, da = x.a - y.a, db = x.b - y.b;
    return dl * dl + da * da + db * db;
}

const std::array<float, 256>& LinearLight() {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t{};
        for (int i = 0; i < 256; ++i) {
            double c = i / 255.0;
            t[i] = static_cast<float>(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return t;
    }();
    return table;
}

float LabCurve(float t) {
    constexpr float kEdge = 216.0f / 24389.0f;
    return t > kEdge ? std::cbrt(t) : t * (24389.0f / 27.0f / 116.0f) + 16.0f / 116.0f;
}

// sRGB under D65.
Lab ToLab(std::uint8_t r8, std::uint8_t g8, std::uint8_t b8) {
    const auto& lin = LinearLight();
    float r = lin[r8], g = lin[g8], b = lin[b8];
    float x = (0.4124564f * r + 0.3575761f * g + 0.1804375f * b) / 0.95047f;
    float y = 0.2126729f * r + 0.7151522f * g + 0.0721750f * b;
    float z = (0.0193339f * r + 0.1191920f * g + 0.9503041f * b) / 1.08883f;
    float fx = LabCurve(x), fy = LabCurve(y), fz = LabCurve(z);
    return {116.0f * fy - 16.0f, 500.0f * (fx - fy), 200.0f * (fy - fz)};
}

std::uint32_t Key(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return std::uint32_t{r} << 16 | std::uint32_t{g} << 8 | b;
}

// Recently converted colours, as pictures repeat their colours.
class LabCache {
  public:
    LabCache() { keys_.fill(kEmpty); }
    const Lab& get(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        const std::uint32_t key = Key(r, g, b);
        const std::size_t slot = (key * 2654435761u) >> (32 - kBits);
        if (keys_[slot] != key) {
            keys_[slot] = key;
            labs_[slot] = ToLab(r, g, b);
        }
        return labs_[slot];
    }

  private:
    static constexpr int kBits = 12;
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
    std::array<std::uint32_t, std::size_t{1} << kBits> keys_;
    std::array<Lab, std::size_t{1} << kBits> labs_;
};

// The nearest entry by lightness first: entries sorted by L are searched outwards from the
// colour's own L until the lightness gap alone exceeds the best distance found.
class NearestColour {
  public:
    NearestColour(std::span<const Rgb> palette, std::optional<std::uint8_t> excluded) {
        for (std::size_t i = 0; i < std::min<std::size_t>(palette.size(), 256); ++i) {
            if (excluded && *excluded == i) continue;
            const Rgb& c = palette[i];
            labs_[i] = ToLab(c.r, c.g, c.b);
            entries_.push_back({labs_[i], static_cast<std::uint8_t>(i)});
        }
        std::sort(entries_.begin(), entries_.end(),
                  [](const Entry& x, const Entry& y) { return x.lab.l < y.lab.l; });
        cache_.fill(kEmpty);
    }

    bool empty() const { return entries_.empty(); }
    const Lab& lab(std::uint8_t index) const { return labs_[index]; }

    std::uint8_t find(std::uint8_t r, std::uint8_t g, std::uint8_t b, LabCache& labs) {
        const std::uint32_t key = Key(r, g, b);
        std::uint64_t& slot = cache_[(key * 2654435761u) >> (32 - kCacheBits)];
        if (slot != kEmpty && (slot >> 8) == key) return static_cast<std::uint8_t>(slot);
        std::uint8_t index = search(labs.get(r, g, b));
        slot = std::uint64_t{key} << 8 | index;
        return index;
    }

  private:
    struct Entry {
        Lab lab;
        std::uint8_t index;
    };
    static constexpr int kCacheBits = 12;
    static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};

    std::uint8_t search(const Lab& lab) const {
        auto start = std::lower_bound(entries_.begin(), entries_.end(), lab.l,
                                      [](const Entry& e, float l) { return e.lab.l < l; });
        float best = INFINITY;
        std::uint8_t bestIndex = entries_.front().index;
        auto consider = [&](const Entry& e) {
            float d = Distance2(lab, e.lab);
            if (d < best || (d == best && e.index < bestIndex)) {
                best = d;
                bestIndex = e.index;
            }
        };
        for (auto it = start; it != entries_.end(); ++it) {
            float gap = it->lab.l - lab.l;
            if (gap * gap > best) break;
            consider(*it);
        }
        for (auto it = start; it != entries_.begin();) {
            --it;
            float gap = lab.l - it->lab.l;
            if (gap * gap > best) break;
            consider(*it);
        }
        return bestIndex;
    }

    std::vector<Entry> entries_;
    std::array<Lab, 256> labs_{};
    std::array<std::uint64_t, std::size_t{1} << kCacheBits> cache_;
};

std::uint8_t Channel(std::uint32_t argb, int shift) {
    return static_cast<std::uint8_t>(argb >> shift);
}

std::uint8_t Clamp(float v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

} // namespace

PaletteMapping MapToPalette(const SourceImage& image, std::span<const Rgb> palette,
                            const PaletteMapOptions& options) {
    PaletteMapping out;
    const std::size_t width = static_cast<std::size_t>(std::max(image.width, 0));
    const std::size_t height = static_cast<std::size_t>(std::max(image.height, 0));
    const std::size_t count = std::min(width * height, image.argb.size());
    out.indices.assign(width * height, options.transparentIndex.value_or(0));
    std::optional<std::uint8_t> transparent = options.transparentIndex;
    if (transparent && *transparent >= std::min<std::size_t>(palette.size(), 256)) transparent.reset();
    NearestColour nearest(palette, transparent);
    LabCache labs;
    if (nearest.empty()) return out;

    auto isTransparent = [&](std::uint32_t argb) {
        if (!transparent) return false;
        if ((argb >> 24) < 0x80) return true;
        const std::optional<Rgb>& key = options.transparentColour;
        return key && Key(key->r, key->g, key->b) == (argb & 0xFFFFFF);
    };
    // Errors carried to the current row and the next, three channels per pixel, one pixel of margin.
    std::vector<float> here(options.dither ? (width + 2) * 3 : 0, 0.0f), below(here.size(), 0.0f);
    double sum = 0;
    std::size_t opaque = 0;
    for (std::size_t y = 0; y < height; ++y) {
        for (std::size_t x = 0; x < width; ++x) {
            const std::size_t at = y * width + x;
            const std::uint32_t argb = at < count ? image.argb[at] : 0xFF000000u;
            if (isTransparent(argb)) {
                out.indices[at] = *transparent;
                continue;
            }
            const std::uint8_t r = Channel(argb, 16), g = Channel(argb, 8), b = Channel(argb, 0);
            std::uint8_t index;
            if (options.dither) {
                float* e = &here[(x + 1) * 3];
                const float want[3] = {r + e[0], g + e[1], b + e[2]};
                index = nearest.find(Clamp(want[0]), Clamp(want[1]), Clamp(want[2]), labs);
                const Rgb& got = palette[index];
                const float error[3] = {want[0] - got.r, want[1] - got.g, want[2] - got.b};
                for (int c = 0; c < 3; ++c) {
                    here[(x + 2) * 3 + c] += error[c] * (7.0f / 16);
                    below[x * 3 + c] += error[c] * (3.0f / 16);
                    below[(x + 1) * 3 + c] += error[c] * (5.0f / 16);
                    below[(x + 2) * 3 + c] += error[c] * (1.0f / 16);
                }
            } else {
                index = nearest.find(r, g, b, labs);
            }
            out.indices[at] = index;
            const Rgb& got = palette[index];
            const double d =
                got == Rgb{r, g, b} ? 0.0 : std::sqrt(Distance2(labs.get(r, g, b), nearest.lab(index)));
            sum += d;
            out.worstError = std::max(out.worstError, d);
            ++opaque;
        }
        if (options.dither) {
            std::swap(here, below);
            std::fill(below.begin(), below.end(), 0.0f);
        }
    }
    out.meanError = opaque ? sum / static_cast<double>(opaque) : 0.0;
    return out;
}

} // namespace quorvant
