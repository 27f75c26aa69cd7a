#pragma once

#include <cstdint>

namespace quorvant::demo {

// A small generator whose sequence depends on the seed alone, on every platform and library (the
// standard distributions do not promise that), so the demo game is the same on every run.
class DemoRandom {
  public:
    explicit DemoRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from low to high, both included.
    int between(int low, int high) {
        if (high <= low) return low;
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    // value scaled by a factor between 100 - percent and 100 + percent, kept within 0..255 and
    // never turned from non-zero into zero.
    int vary(int value, int percent) {
        if (value == 0) return 0;
        int scaled = value * between(100 - percent, 100 + percent) / 100;
        return scaled < 1 ? 1 : (scaled > 255 ? 255 : scaled);
    }

  private:
    std::uint64_t state_;
};

} // namespace quorvant::demo
