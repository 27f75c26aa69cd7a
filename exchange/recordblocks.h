#pragma once

// The byte blocks a weapon or a unit travels in between documents (clipboard, drag, block files):
// little-endian, zero-filled, of a fixed size each. A unit carries copies of the four weapons its
// Wpn entries name, so the receiver can find or add them.

#include "obdata/records.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

constexpr std::size_t kWeaponBlockSize = 2288;
constexpr std::size_t kUnitBlockSize = 11560;
constexpr std::size_t kUnitRecordSize = 112;
constexpr std::size_t kUnitBlockRecord = 2296;
constexpr std::size_t kUnitBlockWeapons = 2408;

using RecordBlock = std::vector<std::uint8_t>;

enum class TransferKind { Weapons, Units };

// "BW%dWepList" and "BW%dUnitList" with the generation's number (0, 1 or 2).
std::string WeaponListFormat(int generation);
std::string UnitListFormat(int generation);
std::string ListFormat(TransferKind kind, int generation);

// The record list a clipboard or drag format names; nothing for any other format.
struct ListFormatName {
    TransferKind kind = TransferKind::Units;
    int generation = 0;
};
std::optional<ListFormatName> ParseListFormat(std::string_view format);

// Why records offered under `offered` cannot be pasted (or dropped: verb) into the table on show of
// a document of targetGeneration (shown: nothing for formations), as the status bar says it;
// empty when they can.
std::string RecordPasteRefusal(ListFormatName offered, int targetGeneration,
                               std::optional<TransferKind> shown, std::string_view verb);

RecordBlock EncodeWeaponBlock(const CWeaponRecord& weapon);
// The unit with the weapons its Wpn entries name, in entry order.
RecordBlock EncodeUnitBlock(const CUnitRecord& unit, const std::array<CWeaponRecord, 4>& weapons);

// The block of a document's slot; a slot outside the table gives nothing. A unit's Wpn entry that
// names a slot outside the weapon table carries an empty weapon block.
std::optional<RecordBlock> WeaponBlockOfSlot(const CQuorvantDoc& doc, int slot);
std::optional<RecordBlock> UnitBlockOfSlot(const CQuorvantDoc& doc, int slot);
std::optional<RecordBlock> BlockOfSlot(const CQuorvantDoc& doc, TransferKind kind, int slot);

// A weapon as a block carries it: the record, and whether every byte past its fields was zero (a
// slot of a document equals it only then).
struct CarriedWeapon {
    CWeaponRecord record;
    bool zeroTail = true;
};

struct CarriedUnit {
    CUnitRecord unit;
    std::array<CarriedWeapon, 4> weapons;
};

// Decoding refuses a payload of any other size than the block's, whatever its content. Names are
// held as the reader holds them (blank-padded, dates of a blank unit cleared) and a weapon takes the
// generation it is decoded for: the format it came under already names it.
std::optional<CarriedWeapon> DecodeWeaponBlock(std::span<const std::uint8_t> bytes, int generation);
std::optional<CarriedUnit> DecodeUnitBlock(std::span<const std::uint8_t> bytes, int generation);

} // namespace quorvant
