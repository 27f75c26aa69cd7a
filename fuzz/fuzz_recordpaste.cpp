// Any payload pastes as a weapon or a unit block, or is refused, without reading out of bounds; a
// paste changes only the slot it names and the weapon slots its report lists.

#include "exchange/recordpaste.h"
#include "fuzz_documents.h"
#include "obdata/quorvantdoc.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace {

using quorvant::TransferKind;

quorvant::CQuorvantDoc& Doc(int generation) {
    return quorvant::fuzz::EmptyDocument(generation, [](quorvant::CQuorvantDoc&) {});
}

// Pastes, checks what changed, and puts the document back so every run starts alike.
bool PasteChecked(quorvant::CQuorvantDoc& doc, TransferKind kind, int slot,
                  std::span<const std::uint8_t> bytes) {
    const auto weapons = doc.Weapons;
    const auto units = doc.Units;
    auto report = quorvant::PasteBlock(doc, kind, slot, bytes);
    if (doc.Weapons.size() != weapons.size() || doc.Units.size() != units.size()) __builtin_trap();
    std::vector<int> changed = report ? report->changedWeaponSlots() : std::vector<int>{};
    for (std::size_t s = 0; s < units.size(); ++s)
        if (static_cast<int>(s) != slot && !(doc.Units[s] == units[s])) __builtin_trap();
    for (std::size_t s = 0; s < weapons.size(); ++s) {
        bool listed = std::find(changed.begin(), changed.end(), static_cast<int>(s)) != changed.end();
        if (!listed && !(doc.Weapons[s] == weapons[s])) __builtin_trap();
    }
    if (report) (void)report->text();
    (void)quorvant::ReplacePromptText(doc, kind, slot);
    doc.Weapons = weapons;
    doc.Units = units;
    doc.SetModifiedFlag(false);
    return report.has_value();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte picks the slot; a copy padded to the block's size reaches the decoder.
    const int slot = size > 0 ? data[0] : 0;
    const std::span<const std::uint8_t> raw(data, size);
    for (int generation = 0; generation < 3; ++generation) {
        quorvant::CQuorvantDoc& doc = Doc(generation);
        for (TransferKind kind : {TransferKind::Weapons, TransferKind::Units}) {
            const std::size_t blockSize =
                kind == TransferKind::Weapons ? quorvant::kWeaponBlockSize : quorvant::kUnitBlockSize;
            if (PasteChecked(doc, kind, slot, raw) && size != blockSize) __builtin_trap();
            std::vector<std::uint8_t> block(data, data + std::min(size, blockSize));
            block.resize(blockSize, 0);
            if (PasteChecked(doc, kind, slot, block) != (slot < 250)) __builtin_trap();
        }
    }
    return 0;
}
