#pragma once

// The byte layout of an OB file, described once and walked by both the reader and the writer.
// The file is column-oriented: a table's 15-byte names first, then each field as a column with one
// entry per slot. A visitor receives every column of a table, in file order:
//   byte(offset, stride, lane, access, gate)  one byte per slot at offset + slot * stride + lane
//   word(offset, stride, lane, access)        a little-endian 16-bit value at the same place
//   nation(offset, access)                    the nation column, forced to the file's nation in BW2/BW3
// access(record) returns a reference to the field. A column ends where lane + width == stride.

#include "obdata/generation.h"
#include "obdata/records.h"

#include <cstddef>

namespace quorvant::layout {

constexpr std::size_t kNameBytes = 15;
constexpr std::size_t kWeaponNames = 0;
constexpr std::size_t kWeaponNamesEnd = 3750;
constexpr std::size_t kUnitNames = 9250;
constexpr std::size_t kUnitNamesEnd = 13000;
constexpr std::size_t kFormationNames = 32500;
constexpr std::size_t kFormationNamesEnd = 35500;
constexpr std::size_t kUnitNationColumn = 25000;
constexpr std::size_t kGenerationProbe = 42500;
constexpr std::size_t kGenerationProbeBytes = 15;
// Bytes at or past this offset belong to no record; BW2 and BW3 files are at least this long.
constexpr std::size_t kLayoutEnd = 44500;
// The size of a BW1 file written for a document that was not read from one.
constexpr std::size_t kNewFileSizeBW1 = 38500;

// Availability dates are only meaningful for named slots: blank slots read them as 0.
enum class Gate { Always, NamedOnly };

template <class V, class A>
void VisitArray(V& v, std::size_t offset, std::size_t stride, std::size_t firstLane, std::size_t count,
                A arrayOf) {
    for (std::size_t i = 0; i < count; ++i)
        v.byte(
            offset, stride, firstLane + i, [ arrayOf, i ](auto& r) -> auto& { return arrayOf(r)[i]; });
}

template <class V> void VisitWeaponColumns(V& v) {
    v.byte(
        3750, 1, 0, [](auto& r) -> auto& { return r.Class; });
    v.byte(
        4000, 1, 0, [](auto& r) -> auto& { return r.WepSound; });
    v.byte(
        4250, 1, 0, [](auto& r) -> auto& { return r.WepSize; });
    v.byte(
        4500, 1, 0, [](auto& r) -> auto& { return r.Warhead; });
    v.byte(
        4750, 2, 0, [](auto& r) -> auto& { return r.HEPen; });
    v.byte(
        4750, 2, 1, [](auto& r) -> auto& { return r.APPen; });
    v.byte(
        5250, 2, 0, [](auto& r) -> auto& { return r.HEKill; });
    v.byte(
        5250, 2, 1, [](auto& r) -> auto& { return r.APKill; });
    v.byte(
        5750, 1, 0, [](auto& r) -> auto& { return r.Accuracy; });
    v.byte(
        6000, 1, 0, [](auto& r) -> auto& { return r.MaxRange; });
    v.byte(
        6250, 1, 0, [](auto& r) -> auto& { return r.MinRange; });
    v.byte(
        6500, 1, 0, [](auto& r) -> auto& { return r.HVAP; });
    v.byte(
        6750, 1, 0, [](auto& r) -> auto& { return r.HEAT; });
}

template <class V> void VisitUnitColumns(V& v) {
    v.byte(
        13000, 1, 0, [](auto& r) -> auto& { return r.Class; });
    v.byte(
        13250, 1, 0, [](auto& r) -> auto& { return r.Symbol; });
    v.byte(
        13500, 1, 0, [](auto& r) -> auto& { return r.Size; });
    v.byte(
        13750, 1, 0, [](auto& r) -> auto& { return r.Men; });
    VisitArray(
        v, 14000, 4, 0, 4, [](auto& r) -> auto& { return r.Wpn; });
    VisitArray(
        v, 15000, 8, 0, 8, [](auto& r) -> auto& { return r.Ammo; });
    v.byte(
        17000, 1, 0, [](auto& r) -> auto& { return r.LandSpeed; });
    VisitArray(
        v, 17250, 14, 0, kFacings, [](auto& r) -> auto& { return r.ArmorAP; });
    VisitArray(
        v, 17250, 14, kFacings, kFacings, [](auto& r) -> auto& { return r.ArmorHEAT; });
    VisitArray(
        v, 20750, 7, 0, kFacings, [](auto& r) -> auto& { return r.ArmorRA; });
    v.byte(
        22500, 1, 0, [](auto& r) -> auto& { return r.Spare1; });
    v.byte(
        22750, 1, 0, [](auto& r) -> auto& { return r.Spare2; });
    v.byte(
        23000, 1, 0, [](auto& r) -> auto& { return r.Spare3; });
    v.byte(
        23250, 1, 0, [](auto& r) -> auto& { return r.Spare4; });
    v.byte(
        23500, 1, 0, [](auto& r) -> auto& { return r.Spare5; });
    v.byte(
        23750, 1, 0, [](auto& r) -> auto& { return r.Spare6; });
    v.byte(
        24000, 1, 0, [](auto& r) -> auto& { return r.Radio; });
    v.byte(
        24250, 1, 0, [](auto& r) -> auto& { return r.Available; }, Gate::NamedOnly);
    v.byte(
        24500, 1, 0, [](auto& r) -> auto& { return r.UnAvailable; }, Gate::NamedOnly);
    v.byte(
        24750, 1, 0, [](auto& r) -> auto& { return r.Cost; });
    v.nation(
        kUnitNationColumn, [](auto& r) -> auto& { return r.Nationality; });
    v.word(
        25250, 2, 0, [](auto& r) -> auto& { return r.SideView; });
    v.byte(
        25750, 1, 0, [](auto& r) -> auto& { return r.Vision; });
    v.byte(
        26000, 1, 0, [](auto& r) -> auto& { return r.FireControl; });
    v.byte(
        26250, 1, 0, [](auto& r) -> auto& { return r.HVAPAmmo; });
    v.byte(
        26500, 1, 0, [](auto& r) -> auto& { return r.HEATAmmo; });
    v.byte(
        26750, 1, 0, [](auto& r) -> auto& { return r.ROF; });
    v.byte(
        27000, 1, 0, [](auto& r) -> auto& { return r.Stabilizer; });
    v.byte(
        27250, 1, 0, [](auto& r) -> auto& { return r.RangeFinder; });
    v.byte(
        27500, 1, 0, [](auto& r) -> auto& { return r.EW; });
    v.byte(
        27750, 1, 0, [](auto& r) -> auto& { return r.LiftCap; });
    v.byte(
        28000, 1, 0, [](auto& r) -> auto& { return r.Survivability; });
    v.byte(
        28250, 1, 0, [](auto& r) -> auto& { return r.LoadCost; });
    v.word(
        28500, 2, 0, [](auto& r) -> auto& { return r.Symbol2; });
    v.byte(
        29000, 1, 0, [](auto& r) -> auto& { return r.WaterSpeed; });
    v.byte(
        29250, 1, 0, [](auto& r) -> auto& { return r.MoveClass; });
    v.byte(
        29500, 1, 0, [](auto& r) -> auto& { return r.SmokeDscg; });
    v.byte(
        29750, 1, 0, [](auto& r) -> auto& { return r.AvailMonth; });
    v.byte(
        30000, 1, 0, [](auto& r) -> auto& { return r.Spare7; });
    v.byte(
        30250, 1, 0, [](auto& r) -> auto& { return r.Spare8; });
    v.byte(
        30500, 1, 0, [](auto& r) -> auto& { return r.Spare9; });
    v.byte(
        30750, 1, 0, [](auto& r) -> auto& { return r.Spare10; });
    v.byte(
        31000, 1, 0, [](auto& r) -> auto& { return r.Spare11; });
    v.byte(
        31250, 1, 0, [](auto& r) -> auto& { return r.Spare12; });
    v.byte(
        31500, 1, 0, [](auto& r) -> auto& { return r.Spare13; });
    v.byte(
        31750, 1, 0, [](auto& r) -> auto& { return r.Spare14; });
    v.byte(
        32000, 1, 0, [](auto& r) -> auto& { return r.Spare15; });
}

template <class V> void VisitFormationColumns(V& v, int generation) {
    v.nation(
        35500, [](auto& r) -> auto& { return r.Country; });
    if (generation == kBW1) {
        VisitArray(
            v, 35700, kFormationEntries, 0, kFormationEntries, [](auto& r) -> auto& { return r.UnitsBW1; });
    } else {
        v.byte(
            35700, 1, 0, [](auto& r) -> auto& { return r.AvailMon; });
        v.byte(
            35900, 1, 0, [](auto& r) -> auto& { return r.SpcFlg; });
    }
    v.byte(
        37700, 1, 0, [](auto& r) -> auto& { return r.Avail; }, Gate::NamedOnly);
    v.byte(
        37900, 1, 0, [](auto& r) -> auto& { return r.UnAvail; }, Gate::NamedOnly);
    v.byte(
        38100, 1, 0, [](auto& r) -> auto& { return r.Catagory; });
    v.byte(
        38300, 1, 0, [](auto& r) -> auto& { return r.Type; });
    if (generation != kBW1) {
        for (std::size_t i = 0; i < kFormationEntries; ++i)
            v.word(
                38500, 2 * kFormationEntries, 2 * i, [i](auto& r) -> auto& { return r.Units[i]; });
        VisitArray(
            v, kGenerationProbe, kFormationEntries, 0, kFormationEntries,
            [](auto& r) -> auto& { return r.UnitStr; });
    }
}

} // namespace quorvant::layout
