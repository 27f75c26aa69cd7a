#include "gamemgr/slotlisting.h"

#include "gamemgr/slotdescription.h"
#include "gamemgr/slotfiles.h"

namespace quorvant {

std::vector<SlotEntry> ListSlots(const std::filesystem::path& slotFolder, const GameMode& mode) {
    FolderIndex index(slotFolder);
    std::vector<SlotEntry> slots(kListedSlots);
    for (int i = 0; i < kListedSlots; ++i) {
        SlotEntry& slot = slots[i];
        slot.number = mode.NumberingBase() + i;
        std::vector<std::filesystem::path> found = index.Find(mode.DescriptionFileName(slot.number));
        slot.occupied = !found.empty();
        if (slot.occupied) slot.description = ReadDescription(found.front());
    }
    return slots;
}

} // namespace quorvant
