#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvant {

constexpr int kNameLength = 15;

// A slot name: at most 15 characters, NUL-terminated in 16. Empty marks an empty slot.
struct RecordName {
    std::array<char, kNameLength + 1> chars{};

    std::string_view view() const;
    std::string str() const { return std::string(view()); }
    bool empty() const { return chars[0] == '\0'; }
    // Empty or beginning with a blank: such slots have no availability dates.
    bool isBlank() const { return chars[0] == '\0' || chars[0] == ' '; }
    // Copies at most 15 characters, stopping at the first NUL.
    void assign(std::string_view text);
    // Blank-padded to 15 characters, the form names take when read from a file; empty stays empty.
    // Returns the length of the text before padding.
    std::size_t assignPadded(std::string_view text);
    // The name without its trailing blanks.
    std::string trimmed() const;

    bool operator==(const RecordName& other) const { return view() == other.view(); }
};

struct CWeaponRecord {
    std::int32_t Generation = 0;
    RecordName Name;
    std::uint8_t Class = 0;
    std::uint8_t WepSound = 0;
    std::uint8_t WepSize = 0;
    std::uint8_t Warhead = 0;
    std::uint8_t HEPen = 0;
    std::uint8_t APPen = 0;
    std::uint8_t HEKill = 0;
    std::uint8_t APKill = 0;
    std::uint8_t Accuracy = 0;
    std::uint8_t MaxRange = 0;
    std::uint8_t MinRange = 0;
    std::uint8_t HVAP = 0;
    std::uint8_t HEAT = 0;

    bool operator==(const CWeaponRecord&) const = default;
};

constexpr int kFacings = 7;

struct CUnitRecord {
    RecordName Name;
    std::uint8_t Class = 0;
    std::uint8_t Symbol = 0;
    std::uint8_t Size = 0;
    std::uint8_t Men = 0;
    std::array<std::uint8_t, 4> Wpn{};
    // HE1, AP1, HE2, AP2, HE3, AP3, HE4, AP4.
    std::array<std::uint8_t, 8> Ammo{};
    std::uint8_t LandSpeed = 0;
    std::array<std::uint8_t, kFacings> ArmorAP{};
    std::array<std::uint8_t, kFacings> ArmorHEAT{};
    std::array<std::uint8_t, kFacings> ArmorRA{};
    std::uint8_t Spare1 = 0;
    std::uint8_t Spare2 = 0;
    std::uint8_t Spare3 = 0;
    std::uint8_t Spare4 = 0;
    std::uint8_t Spare5 = 0;
    std::uint8_t Spare6 = 0;
    std::uint8_t Radio = 0;
    std::uint8_t AvailMonth = 0;
    std::uint8_t Available = 0;
    std::uint8_t UnAvailable = 0;
    std::uint8_t Cost = 0;
    std::uint8_t Nationality = 0;
    // Sixteen bits in the file; held in a 16-bit field so every value held can be saved.
    std::uint16_t SideView = 0;
    std::uint8_t Vision = 0;
    std::uint8_t FireControl = 0;
    std::uint8_t HVAPAmmo = 0;
    std::uint8_t HEATAmmo = 0;
    std::uint8_t ROF = 0;
    std::uint8_t Stabilizer = 0;
    std::uint8_t RangeFinder = 0;
    std::uint8_t EW = 0;
    std::uint8_t LiftCap = 0;
    std::uint8_t Survivability = 0;
    std::uint8_t LoadCost = 0;
    std::uint16_t Symbol2 = 0;
    std::uint8_t WaterSpeed = 0;
    std::uint8_t MoveClass = 0;
    std::uint8_t SmokeDscg = 0;
    std::uint8_t Spare7 = 0;
    std::uint8_t Spare8 = 0;
    std::uint8_t Spare9 = 0;
    std::uint8_t Spare10 = 0;
    std::uint8_t Spare11 = 0;
    std::uint8_t Spare12 = 0;
    std::uint8_t Spare13 = 0;
    std::uint8_t Spare14 = 0;
    std::uint8_t Spare15 = 0;

    bool operator==(const CUnitRecord&) const = default;
};

constexpr int kFormationEntries = 10;
// A BW2/BW3 formation entry of this value or more names the sub-formation at slot value - 1000.
constexpr int kSubFormationBase = 1000;

struct CFormationRecord {
    RecordName Name;
    std::uint8_t Country = 0;
    // BW1 keeps unit slots in bytes; BW2 and BW3 in 16-bit entries that may name sub-formations.
    std::array<std::uint8_t, kFormationEntries> UnitsBW1{};
    std::uint8_t AvailMon = 0;
    std::uint8_t Avail = 0;
    std::uint8_t UnAvail = 0;
    std::uint8_t Catagory = 0;
    std::uint8_t Type = 0;
    std::uint8_t SpcFlg = 0;
    std::array<std::uint16_t, kFormationEntries> Units{};
    std::array<std::uint8_t, kFormationEntries> UnitStr{};

    // The n-th unit entry (0-9) of the list that the given generation uses.
    int unitEntry(int generation, int n) const;
    void setUnitEntry(int generation, int n, int value);

    bool operator==(const CFormationRecord&) const = default;
};

} // namespace quorvant
