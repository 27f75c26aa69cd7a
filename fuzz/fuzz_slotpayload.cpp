// Drag payloads of the game manager come from any program: every parser returns nothing or values
// in range, whatever the bytes.

#include "gamemgr/slotdragpayload.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::optional<std::string> text = quorvant::PayloadText(data, size);
    if (!text) return 0;
    if (text->size() >= quorvant::kPayloadBlockSize) __builtin_trap();
    if (auto row = quorvant::ParseSlotRowPayload(*text, 197); row && (*row < 0 || *row >= 197))
        __builtin_trap();
    if (auto drop = quorvant::ParseEmailSlotDrop(*text); drop && drop->slot != 1 && drop->slot != 2)
        __builtin_trap();
    if (auto name = quorvant::ParseArchivePayload(*text); name && name->empty()) __builtin_trap();
    std::vector<std::uint8_t> block = quorvant::MakePayloadBlock(quorvant::WithDropPoint(*text, -5, 70000));
    if (block.size() != quorvant::kPayloadBlockSize || block.back() != 0) __builtin_trap();
    return 0;
}
