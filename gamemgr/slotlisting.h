#pragma once

#include "gamemgr/gamemode.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quorvant {

struct SlotEntry {
    int number = 0;
    bool occupied = false;
    std::string description; // empty for an empty slot

    // The description, or "----" for an empty slot.
    std::string Text() const { return occupied ? description : kEmptySlotText; }
};

// The 199 slot numbers of a mode from its numbering base upward (BW1 and BW2: 1 to 199, the first
// two being the e-mail slot boxes; BW3: 0 to 198), read from the slot folder in one pass. A missing
// folder gives 199 empty slots.
std::vector<SlotEntry> ListSlots(const std::filesystem::path& slotFolder, const GameMode& mode);

} // namespace quorvant
