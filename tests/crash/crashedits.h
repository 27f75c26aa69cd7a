#pragma once

// The edits a crash child makes, the same from a seed in the child and in the test that checks what
// its journal brings back: renamed costs, undos and redos.

#include "obdata/quorvantdoc.h"

#include <cstdint>
#include <random>
#include <vector>

namespace quorvant::crash {

struct Edit {
    enum Kind { Set, Undo, Redo } kind = Set;
    int slot = 1;
    int cost = 0;
};

inline std::vector<Edit> EditsOf(std::uint64_t seed, int count) {
    std::mt19937_64 random(seed);
    std::vector<Edit> edits;
    for (int i = 0; i < count; ++i) {
        const int roll = static_cast<int>(random() % 10);
        Edit edit;
        edit.kind = roll < 7 ? Edit::Set : roll < 9 ? Edit::Undo : Edit::Redo;
        edit.slot = 1 + static_cast<int>(random() % 40);
        edit.cost = static_cast<int>(random() % 250);
        edits.push_back(edit);
    }
    return edits;
}

// What the user does: a change of one unit's cost as one step, or Undo, or Redo.
inline void Apply(CQuorvantDoc& doc, const Edit& edit) {
    switch (edit.kind) {
    case Edit::Set:
        doc.Units[static_cast<std::size_t>(edit.slot)].Cost = static_cast<std::uint8_t>(edit.cost);
        doc.RecordStep("Edit Cost", {{{}, {edit.slot}, {}}});
        break;
    case Edit::Undo:
        doc.Undo();
        break;
    case Edit::Redo:
        doc.Redo();
        break;
    }
}

} // namespace quorvant::crash
