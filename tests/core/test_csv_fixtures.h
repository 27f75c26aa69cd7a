#pragma once

// Documents for the CSV tests: empty tables of a generation, records whose fields all differ, and
// full files of random bytes.

#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obfile_builder.h"

#include <memory>
#include <random>
#include <string>

namespace quorvant::testing {

inline std::unique_ptr<CQuorvantDoc> EmptyDoc(int generation) {
    auto doc = std::make_unique<CQuorvantDoc>();
    OBFileBuilder b = generation == kBW1   ? OBFileBuilder::BW1()
                      : generation == kBW2 ? OBFileBuilder::BW2()
                                           : OBFileBuilder::BW3();
    doc->ReadBytes(b.bytes());
    return doc;
}

// Every field gets the value of its place in the record's declaration, counting from 1; the 16-bit
// fields get values only 16 bits can hold.
inline CWeaponRecord DistinctWeapon(const char* name) {
    CWeaponRecord w;
    w.Generation = 77;
    w.Name.assignPadded(name);
    w.Class = 1, w.WepSound = 2, w.WepSize = 3, w.Warhead = 4, w.HEPen = 5, w.APPen = 6, w.HEKill = 7;
    w.APKill = 8, w.Accuracy = 9, w.MaxRange = 10, w.MinRange = 11, w.HVAP = 12, w.HEAT = 13;
    return w;
}

inline CUnitRecord DistinctUnit(const char* name) {
    CUnitRecord u;
    u.Name.assignPadded(name);
    u.Class = 1, u.Symbol = 2, u.Size = 3, u.Men = 4;
    for (int i = 0; i < 4; ++i) u.Wpn[i] = static_cast<std::uint8_t>(5 + i);
    for (int i = 0; i < 8; ++i) u.Ammo[i] = static_cast<std::uint8_t>(9 + i);
    u.LandSpeed = 17;
    for (int i = 0; i < kFacings; ++i) {
        u.ArmorAP[i] = static_cast<std::uint8_t>(18 + i);
        u.ArmorHEAT[i] = static_cast<std::uint8_t>(25 + i);
        u.ArmorRA[i] = static_cast<std::uint8_t>(32 + i);
    }
    u.Spare1 = 39, u.Spare2 = 40, u.Spare3 = 41, u.Spare4 = 42, u.Spare5 = 43, u.Spare6 = 44;
    u.Radio = 45, u.AvailMonth = 46, u.Available = 47, u.UnAvailable = 48, u.Cost = 49, u.Nationality = 50;
    u.SideView = 40051;
    u.Vision = 52, u.FireControl = 53, u.HVAPAmmo = 54, u.HEATAmmo = 55, u.ROF = 56, u.Stabilizer = 57;
    u.RangeFinder = 58, u.EW = 59, u.LiftCap = 60, u.Survivability = 61, u.LoadCost = 62;
    u.Symbol2 = 40063;
    u.WaterSpeed = 64, u.MoveClass = 65, u.SmokeDscg = 66;
    u.Spare7 = 67, u.Spare8 = 68, u.Spare9 = 69, u.Spare10 = 70, u.Spare11 = 71, u.Spare12 = 72;
    u.Spare13 = 73, u.Spare14 = 74, u.Spare15 = 75;
    return u;
}

inline CFormationRecord DistinctFormation(const char* name) {
    CFormationRecord f;
    f.Name.assignPadded(name);
    f.Country = 1;
    for (int i = 0; i < kFormationEntries; ++i) {
        f.UnitsBW1[i] = static_cast<std::uint8_t>(2 + i);
        f.Units[i] = static_cast<std::uint16_t>(60018 + i);
        f.UnitStr[i] = static_cast<std::uint8_t>(28 + i);
    }
    f.AvailMon = 12, f.Avail = 13, f.UnAvail = 14, f.Catagory = 15, f.Type = 16, f.SpcFlg = 17;
    return f;
}

// "from,from+1,...,to": runs of consecutive values in the expected lines.
inline std::string Seq(int from, int to) {
    std::string out;
    for (int v = from; v <= to; ++v) {
        if (v != from) out += ',';
        out += std::to_string(v);
    }
    return out;
}

// A full file of the generation whose every byte is random, with a few empty slots.
inline std::unique_ptr<CQuorvantDoc> RandomDoc(int generation, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(generation == kBW1 ? 38500 : 44500);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    if (generation != kBW1)
        for (std::size_t at = 42500; at < 42515; ++at) bytes[at] = generation == kBW3 ? 9 : 0;
    for (int slot : {0, 7, 199}) {
        bytes[0 + slot * 15] = 0;     // weapon
        bytes[9250 + slot * 15] = 0;  // unit
        bytes[32500 + slot * 15] = 0; // formation
    }
    auto doc = std::make_unique<CQuorvantDoc>();
    doc->ReadBytes(bytes);
    return doc;
}

} // namespace quorvant::testing
