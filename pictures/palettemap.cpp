#include "pictures/palettemap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

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

// The cube root from a guess on the float's bits and three Newton steps: as exact as a float holds
// over the curve's range, at a fraction of the library's cost.
float CubeRoot(float t) {
    std::uint32_t bits;
    std::memcpy(&bits, &t, sizeof bits);
    bits = bits / 3 + 709921077u;
    float y;
    std::memcpy(&y, &bits, sizeof y);
    for (int i = 0; i < 3; ++i) y -= (y * y * y - t) / (3.0f * y * y);
    return y;
}

float LabCurve(float t) {
    constexpr float kEdge = 216.0f / 24389.0f;
    return t > kEdge ? CubeRoot(t) : t * (24389.0f / 27.0f / 116.0f) + 16.0f / 116.0f;
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

// The nearest entry through a k-d tree over the entries' Lab colours, kept as a sorted array: each
// range's middle entry splits it on the range's axis (L, a, b by depth).
class NearestColour {
  public:
    NearestColour(std::span<const Rgb> palette, std::optional<std::uint8_t> excluded) {
        for (std::size_t i = 0; i < std::min<std::size_t>(palette.size(), 256); ++i) {
            if (excluded && *excluded == i) continue;
            const Rgb& c = palette[i];
            labs_[i] = ToLab(c.r, c.g, c.b);
            entries_.push_back({labs_[i], static_cast<std::uint8_t>(i)});
        }
        build(0, entries_.size(), 0);
        cache_.fill(kEmpty);
    }

    bool empty() const { return entries_.empty(); }
    const Lab& lab(std::uint8_t index) const { return labs_[index]; }

    std::uint8_t find(std::uint8_t r, std::uint8_t g, std::uint8_t b, LabCache& labs) {
        const std::uint32_t key = Key(r, g, b);
        std::uint64_t& slot = cache_[(key * 2654435761u) >> (32 - kCacheBits)];
        if (slot != kEmpty && (slot >> 8) == key) return static_cast<std::uint8_t>(slot);
        Best best{INFINITY, entries_.front().index};
        search(labs.get(r, g, b), 0, entries_.size(), 0, best);
        slot = std::uint64_t{key} << 8 | best.index;
        return best.index;
    }

  private:
    struct Entry {
        Lab lab;
        std::uint8_t index;
    };
    struct Best {
        float distance;
        std::uint8_t index;
    };
    static constexpr int kCacheBits = 12;
    static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};

    static float Axis(const Lab& lab, int axis) { return axis == 0 ? lab.l : axis == 1 ? lab.a : lab.b; }

    void build(std::size_t lo, std::size_t hi, int axis) {
        if (hi - lo < 2) return;
        const std::size_t mid = lo + (hi - lo) / 2;
        std::nth_element(entries_.begin() + std::ptrdiff_t(lo), entries_.begin() + std::ptrdiff_t(mid),
                         entries_.begin() + std::ptrdiff_t(hi), [axis](const Entry& x, const Entry& y) {
                             return Axis(x.lab, axis) < Axis(y.lab, axis);
                         });
        build(lo, mid, (axis + 1) % 3);
        build(mid + 1, hi, (axis + 1) % 3);
    }

    // Of equally near entries the lowest index wins, so the result does not depend on the tree.
    void search(const Lab& lab, std::size_t lo, std::size_t hi, int axis, Best& best) const {
        if (lo >= hi) return;
        const std::size_t mid = lo + (hi - lo) / 2;
        const Entry& e = entries_[mid];
        const float d = Distance2(lab, e.lab);
        if (d < best.distance || (d == best.distance && e.index < best.index)) best = {d, e.index};
        const float gap = Axis(lab, axis) - Axis(e.lab, axis);
        const int next = (axis + 1) % 3;
        if (gap < 0) {
            search(lab, lo, mid, next, best);
            if (gap * gap <= best.distance) search(lab, mid + 1, hi, next, best);
        } else {
            search(lab, mid + 1, hi, next, best);
            if (gap * gap <= best.distance) search(lab, lo, mid, next, best);
        }
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
    const std::uint8_t transparentEntry = transparent.value_or(0);
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
                out.indices[at] = transparentEntry;
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

std::optional<Rgb> ParseRgbText(std::string_view text) {
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() != 6) return std::nullopt;
    std::uint8_t channels[3] = {};
    for (std::size_t i = 0; i < 6; ++i) {
        const char c = text[i];
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
        if (digit < 0) return std::nullopt;
        channels[i / 2] = static_cast<std::uint8_t>(channels[i / 2] * 16 + digit);
    }
    return Rgb{channels[0], channels[1], channels[2]};
}

} // namespace quorvant
