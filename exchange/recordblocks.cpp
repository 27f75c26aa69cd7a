#include "exchange/recordblocks.h"

#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/recordfields.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace quorvant {
namespace {

constexpr std::size_t kWeaponGeneration = 4;
constexpr std::size_t kWeaponName = 8;
constexpr std::size_t kWeaponTail = 37;
constexpr std::size_t kUnitName = 8;

void Put32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Get32(const std::uint8_t* at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= std::uint32_t{at[i]} << (8 * i);
    return value;
}

void PutName(std::uint8_t* at, const RecordName& name) {
    std::string_view text = name.view();
    std::memcpy(at, text.data(), text.size());
}

// At most 15 characters, up to the first NUL.
std::string_view GetName(const std::uint8_t* at) {
    const char* chars = reinterpret_cast<const char*>(at);
    return std::string_view(chars, strnlen(chars, kNameLength));
}

// Every one-byte field of the weapon block, by its offset in the block.
template <class W, class F> void WalkWeapon(W& w, F byte) {
    byte(24, w.Class);
    byte(25, w.WepSound);
    byte(26, w.WepSize);
    byte(27, w.Warhead);
    byte(28, w.HEPen);
    byte(29, w.APPen);
    byte(30, w.HEKill);
    byte(31, w.APKill);
    byte(32, w.Accuracy);
    byte(33, w.MaxRange);
    byte(34, w.MinRange);
    byte(35, w.HVAP);
    byte(36, w.HEAT);
}

// Every field of the unit record but its name, by its offset in the record: byte fields and the
// two 32-bit ones, which the document holds in 16 bits as the file does.
template <class U, class F8, class F32> void WalkUnit(U& u, F8 byte, F32 word) {
    byte(24, u.Class);
    byte(25, u.Symbol);
    byte(26, u.Size);
    byte(27, u.Men);
    for (std::size_t i = 0; i < u.Wpn.size(); ++i) byte(28 + i, u.Wpn[i]);
    for (std::size_t i = 0; i < u.Ammo.size(); ++i) byte(32 + i, u.Ammo[i]);
    byte(40, u.LandSpeed);
    for (std::size_t i = 0; i < kFacings; ++i) {
        byte(41 + i, u.ArmorAP[i]);
        byte(49 + i, u.ArmorHEAT[i]);
        byte(57 + i, u.ArmorRA[i]);
    }
    byte(64, u.Spare1);
    byte(65, u.Spare2);
    byte(66, u.Spare3);
    byte(67, u.Spare4);
    byte(68, u.Spare5);
    byte(69, u.Spare6);
    byte(70, u.Radio);
    byte(71, u.AvailMonth);
    byte(72, u.Available);
    byte(73, u.UnAvailable);
    byte(74, u.Cost);
    byte(75, u.Nationality);
    word(76, u.SideView);
    byte(80, u.Vision);
    byte(82, u.FireControl);
    byte(83, u.HVAPAmmo);
    byte(84, u.HEATAmmo);
    byte(85, u.ROF);
    byte(86, u.Stabilizer);
    byte(87, u.RangeFinder);
    byte(88, u.EW);
    byte(89, u.LiftCap);
    byte(90, u.Survivability);
    byte(91, u.LoadCost);
    word(92, u.Symbol2);
    byte(96, u.WaterSpeed);
    byte(97, u.MoveClass);
    byte(99, u.SmokeDscg);
    byte(100, u.Spare7);
    byte(101, u.Spare8);
    byte(102, u.Spare9);
    byte(103, u.Spare10);
    byte(104, u.Spare11);
    byte(105, u.Spare12);
    byte(106, u.Spare13);
    byte(107, u.Spare14);
    byte(108, u.Spare15);
}

void WriteWeapon(std::uint8_t* block, const CWeaponRecord& w) {
    Put32(block + kWeaponGeneration, static_cast<std::uint32_t>(w.Generation));
    PutName(block + kWeaponName, w.Name);
    WalkWeapon(w, [block](std::size_t at, std::uint8_t value) { block[at] = value; });
}

CarriedWeapon ReadWeapon(const std::uint8_t* block, int generation) {
    CarriedWeapon carried;
    CWeaponRecord& w = carried.record;
    WalkWeapon(w, [block](std::size_t at, std::uint8_t& value) { value = block[at]; });
    SetRecordName(w, GetName(block + kWeaponName));
    w.Generation = generation;
    carried.zeroTail =
        std::all_of(block + kWeaponTail, block + kWeaponBlockSize, [](std::uint8_t b) { return b == 0; });
    return carried;
}

std::string Format(const char* pattern, int generation) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, generation);
    return text;
}

} // namespace

std::string WeaponListFormat(int generation) {
    return Format("BW%dWepList", generation);
}

std::string UnitListFormat(int generation) {
    return Format("BW%dUnitList", generation);
}

std::string ListFormat(TransferKind kind, int generation) {
    return kind == TransferKind::Weapons ? WeaponListFormat(generation) : UnitListFormat(generation);
}

std::optional<ListFormatName> ParseListFormat(std::string_view format) {
    for (int generation : {kBW1, kBW2, kBW3}) {
        for (TransferKind kind : {TransferKind::Weapons, TransferKind::Units})
            if (format == ListFormat(kind, generation)) return ListFormatName{kind, generation};
    }
    return std::nullopt;
}

std::string RecordPasteRefusal(ListFormatName offered, int targetGeneration,
                               std::optional<TransferKind> shown, std::string_view verb) {
    const std::string what = std::string(offered.kind == TransferKind::Weapons ? "weapon" : "unit");
    const std::string start = "A " + std::string(GenerationLabel(offered.generation)) + " " + what +
                              " cannot be " + std::string(verb) + " into ";
    if (offered.generation != targetGeneration)
        return start + "a " + GenerationLabel(targetGeneration) + " file";
    if (!shown) return start + "the formations table";
    if (*shown != offered.kind)
        return start + (*shown == TransferKind::Weapons ? "the weapons table" : "the units table");
    return {};
}

RecordBlock EncodeWeaponBlock(const CWeaponRecord& weapon) {
    RecordBlock block(kWeaponBlockSize, 0);
    WriteWeapon(block.data(), weapon);
    return block;
}

RecordBlock EncodeUnitBlock(const CUnitRecord& unit, const std::array<CWeaponRecord, 4>& weapons) {
    RecordBlock block(kUnitBlockSize, 0);
    std::uint8_t* record = block.data() + kUnitBlockRecord;
    PutName(record + kUnitName, unit.Name);
    WalkUnit(
        unit, [record](std::size_t at, std::uint8_t value) { record[at] = value; },
        [record](std::size_t at, std::uint16_t value) { Put32(record + at, value); });
    for (std::size_t k = 0; k < weapons.size(); ++k)
        WriteWeapon(block.data() + kUnitBlockWeapons + k * kWeaponBlockSize, weapons[k]);
    return block;
}

std::optional<RecordBlock> WeaponBlockOfSlot(const CQuorvantDoc& doc, int slot) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= doc.Weapons.size()) return std::nullopt;
    return EncodeWeaponBlock(doc.Weapons[static_cast<std::size_t>(slot)]);
}

std::optional<RecordBlock> UnitBlockOfSlot(const CQuorvantDoc& doc, int slot) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= doc.Units.size()) return std::nullopt;
    const CUnitRecord& unit = doc.Units[static_cast<std::size_t>(slot)];
    std::array<CWeaponRecord, 4> weapons{};
    for (std::size_t k = 0; k < weapons.size(); ++k) {
        // A slot past the table carries an all-zero weapon, its generation included.
        if (unit.Wpn[k] < doc.Weapons.size()) weapons[k] = doc.Weapons[unit.Wpn[k]];
    }
    return EncodeUnitBlock(unit, weapons);
}

std::optional<RecordBlock> BlockOfSlot(const CQuorvantDoc& doc, TransferKind kind, int slot) {
    return kind == TransferKind::Weapons ? WeaponBlockOfSlot(doc, slot) : UnitBlockOfSlot(doc, slot);
}

std::optional<CarriedWeapon> DecodeWeaponBlock(std::span<const std::uint8_t> bytes, int generation) {
    if (bytes.size() != kWeaponBlockSize) return std::nullopt;
    return ReadWeapon(bytes.data(), generation);
}

std::optional<CarriedUnit> DecodeUnitBlock(std::span<const std::uint8_t> bytes, int generation) {
    if (bytes.size() != kUnitBlockSize) return std::nullopt;
    CarriedUnit carried;
    const std::uint8_t* record = bytes.data() + kUnitBlockRecord;
    CUnitRecord& u = carried.unit;
    WalkUnit(
        u, [record](std::size_t at, std::uint8_t& value) { value = record[at]; },
        [record](std::size_t at, std::uint16_t& value) {
            value = static_cast<std::uint16_t>(Get32(record + at));
        });
    // Last: a blank name clears the availability dates, which the file keeps only for named slots.
    SetRecordName(u, GetName(record + kUnitName));
    for (std::size_t k = 0; k < carried.weapons.size(); ++k)
        carried.weapons[k] = ReadWeapon(bytes.data() + kUnitBlockWeapons + k * kWeaponBlockSize, generation);
    return carried;
}

} // namespace quorvant
