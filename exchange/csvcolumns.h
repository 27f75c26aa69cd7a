#pragma once

// The columns of the three CSV files per generation, described once and walked by both the export
// and the import. A visitor receives, in column order:
//   slot()          the slot number: written, and skipped when read (the line's position decides)
//   name()          the record's Name
//   field(access)   a number field; access(record) returns a reference to it (8 or 16 bits)
//   unread(access)  a number field that is written but never read back (the nation codes)

#include "exchange/csvexchange.h"
#include "obdata/generation.h"
#include "obdata/records.h"

#include <cstddef>

namespace quorvant::csv {

// 0, 1, 2 for weapons, units, formations.
int SectionIndex(CsvSection section);

// The fixed first line of a section's file, exactly as the game's tools expect it.
const char* Heading(CsvSection section, int generation);

template <class V, class A> void VisitCsvArray(V& v, std::size_t count, A arrayOf) {
    for (std::size_t i = 0; i < count; ++i)
        v.field([ arrayOf, i ](auto& r) -> auto& { return arrayOf(r)[i]; });
}

template <class V> void VisitWeaponCsvColumns(V& v, int generation) {
    v.slot();
    v.name();
    v.field([](auto& r) -> auto& { return r.Class; });
    v.field([](auto& r) -> auto& { return r.WepSize; });
    if (generation == kBW3) v.field([](auto& r) -> auto& { return r.WepSound; });
    v.field([](auto& r) -> auto& { return r.Warhead; });
    v.field([](auto& r) -> auto& { return r.HEPen; });
    v.field([](auto& r) -> auto& { return r.APPen; });
    v.field([](auto& r) -> auto& { return r.HEKill; });
    v.field([](auto& r) -> auto& { return r.APKill; });
    v.field([](auto& r) -> auto& { return r.Accuracy; });
    v.field([](auto& r) -> auto& { return r.MaxRange; });
    v.field([](auto& r) -> auto& { return r.MinRange; });
    v.field([](auto& r) -> auto& { return r.HVAP; });
    v.field([](auto& r) -> auto& { return r.HEAT; });
}

template <class V> void VisitUnitCsvColumns(V& v, int generation) {
    const bool bw1 = generation == kBW1;
    v.slot();
    v.name();
    v.field([](auto& r) -> auto& { return r.Class; });
    if (bw1) v.field([](auto& r) -> auto& { return r.Symbol; });
    v.field([](auto& r) -> auto& { return r.Size; });
    v.field([](auto& r) -> auto& { return r.Men; });
    VisitCsvArray(
        v, 4, [](auto& r) -> auto& { return r.Wpn; });
    VisitCsvArray(
        v, 8, [](auto& r) -> auto& { return r.Ammo; });
    v.field([](auto& r) -> auto& { return r.LandSpeed; });
    VisitCsvArray(
        v, kFacings, [](auto& r) -> auto& { return r.ArmorAP; });
    VisitCsvArray(
        v, kFacings, [](auto& r) -> auto& { return r.ArmorHEAT; });
    if (!bw1)
        VisitCsvArray(
            v, kFacings, [](auto& r) -> auto& { return r.ArmorRA; });
    v.field([](auto& r) -> auto& { return r.Radio; });
    if (generation == kBW3) v.field([](auto& r) -> auto& { return r.AvailMonth; });
    v.field([](auto& r) -> auto& { return r.Available; });
    v.field([](auto& r) -> auto& { return r.UnAvailable; });
    v.field([](auto& r) -> auto& { return r.Cost; });
    v.unread([](auto& r) -> auto& { return r.Nationality; });
    v.field([](auto& r) -> auto& { return r.SideView; });
    if (!bw1) {
        v.field([](auto& r) -> auto& { return r.Vision; });
        v.field([](auto& r) -> auto& { return r.FireControl; });
    }
    v.field([](auto& r) -> auto& { return r.HVAPAmmo; });
    v.field([](auto& r) -> auto& { return r.HEATAmmo; });
    v.field([](auto& r) -> auto& { return r.ROF; });
    if (bw1) return;
    v.field([](auto& r) -> auto& { return r.Stabilizer; });
    v.field([](auto& r) -> auto& { return r.RangeFinder; });
    v.field([](auto& r) -> auto& { return r.EW; });
    v.field([](auto& r) -> auto& { return r.LiftCap; });
    v.field([](auto& r) -> auto& { return r.Survivability; });
    v.field([](auto& r) -> auto& { return r.LoadCost; });
    v.field([](auto& r) -> auto& { return r.Symbol2; });
    v.field([](auto& r) -> auto& { return r.WaterSpeed; });
    v.field([](auto& r) -> auto& { return r.MoveClass; });
    v.field([](auto& r) -> auto& { return r.SmokeDscg; });
}

template <class V> void VisitFormationCsvColumns(V& v, int generation) {
    v.slot();
    v.name();
    v.unread([](auto& r) -> auto& { return r.Country; });
    if (generation == kBW1) {
        VisitCsvArray(
            v, kFormationEntries, [](auto& r) -> auto& { return r.UnitsBW1; });
        v.field([](auto& r) -> auto& { return r.Avail; });
        v.field([](auto& r) -> auto& { return r.UnAvail; });
        v.field([](auto& r) -> auto& { return r.Type; });
        return;
    }
    if (generation == kBW3) {
        v.field([](auto& r) -> auto& { return r.SpcFlg; });
        v.field([](auto& r) -> auto& { return r.AvailMon; });
    }
    v.field([](auto& r) -> auto& { return r.Avail; });
    v.field([](auto& r) -> auto& { return r.UnAvail; });
    v.field([](auto& r) -> auto& { return r.Catagory; });
    v.field([](auto& r) -> auto& { return r.Type; });
    for (std::size_t i = 0; i < kFormationEntries; ++i) {
        v.field([i](auto& r) -> auto& { return r.Units[i]; });
        if (generation == kBW3) v.field([i](auto& r) -> auto& { return r.UnitStr[i]; });
    }
}

// Calls body(table, visitColumns) with the document's table of the section and a callable that
// walks that table's columns for a visitor, so export and import share one dispatch.
template <class Doc, class Body> decltype(auto) WithCsvTable(Doc& doc, CsvSection section, Body body) {
    const int generation = doc.Generation;
    switch (section) {
    case CsvSection::Weapons:
        return body(doc.Weapons, [generation](auto& v) { VisitWeaponCsvColumns(v, generation); });
    case CsvSection::Units:
        return body(doc.Units, [generation](auto& v) { VisitUnitCsvColumns(v, generation); });
    case CsvSection::Formations:
        break;
    }
    return body(doc.Formations, [generation](auto& v) { VisitFormationCsvColumns(v, generation); });
}

} // namespace quorvant::csv
