#pragma once

namespace quorvant {

// A document's game generation: the value every per-generation branch tests.
enum : int { kBW1 = 0, kBW2 = 1, kBW3 = 2 };

constexpr bool IsValidGeneration(int generation) {
    return generation >= kBW1 && generation <= kBW3;
}

// "BW1", "BW2", "BW3"; "?" for anything else.
const char* GenerationLabel(int generation);

} // namespace quorvant
