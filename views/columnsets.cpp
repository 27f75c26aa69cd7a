#include "views/columnsets.h"

#include "obdata/generation.h"
#include "views/cellrules.h"
#include "views/columnmeanings.h"

#include <array>
#include <string>

namespace quorvant {

const char* TableWord(int table) {
    switch (table) {
    case kWeaponTable:
        return "weapons";
    case kUnitTable:
        return "units";
    case kFormationTable:
        return "formations";
    default:
        return "?";
    }
}

int TableOfWord(std::string_view word) {
    for (int table : {kWeaponTable, kUnitTable, kFormationTable})
        if (word == TableWord(table)) return table;
    return -1;
}

namespace {

using namespace cells;

ColumnSpec Label(const char* heading) {
    return {heading, 150, ColumnAlign::Left, nullptr, 0, ColumnSort::Name, {}};
}

ColumnSpec Cell(std::string heading, int width, CellRule rule, int index = 0) {
    return {std::move(heading), width, ColumnAlign::Center, rule, index, ColumnSort::Natural, {}};
}

ColumnSpec DateCell(std::string heading, int width, CellRule rule) {
    return {std::move(heading), width, ColumnAlign::Center, rule, 0, ColumnSort::Date, {}};
}

std::vector<ColumnSpec> WeaponColumns() {
    return {Label("Weapon Name"),
            Cell("Class", 110, WeaponClass),
            Cell("Warhead", 60, WeaponNumber<&CWeaponRecord::Warhead>),
            Cell("HE Pen", 65, WeaponNumber<&CWeaponRecord::HEPen>),
            Cell("AP Pen", 76, WeaponNumber<&CWeaponRecord::APPen>),
            Cell("HE Kill", 76, WeaponNumber<&CWeaponRecord::HEKill>),
            Cell("AP Kill", 80, WeaponNumber<&CWeaponRecord::APKill>),
            Cell("Accuracy", 80, WeaponNumber<&CWeaponRecord::Accuracy>),
            Cell("MaxRange", 80, WeaponNumber<&CWeaponRecord::MaxRange>),
            Cell("MinRange", 80, WeaponNumber<&CWeaponRecord::MinRange>),
            Cell("HVAP", 50, WeaponNumber<&CWeaponRecord::HVAP>),
            Cell("HEAT", 50, WeaponNumber<&CWeaponRecord::HEAT>)};
}

void AddArmor(std::vector<ColumnSpec>& columns, const char* prefix, CellRule rule) {
    static constexpr std::array<const char*, kFacings> kFacingNames = {"FH", "SH", "RH", "FT",
                                                                       "ST", "RT", "TT"};
    for (int f = 0; f < kFacings; ++f)
        columns.push_back(Cell(std::string(prefix) + kFacingNames[static_cast<std::size_t>(f)], 80, rule, f));
}

std::vector<ColumnSpec> UnitColumns(int generation) {
    std::vector<ColumnSpec> c = {Label("Unit Name"), Cell("Class", 110, UnitClass)};
    if (generation == kBW1) c.push_back(Cell("Country ", 110, UnitCountry));
    c.insert(c.end(), {Cell("Cost", 60, UnitNumber<&CUnitRecord::Cost>),
                       DateCell("Available", 65, UnitAvailable),
                       DateCell("Unavailable", 76, UnitUnavailable),
                       Cell("Land Speed", 76, UnitNumber<&CUnitRecord::LandSpeed>),
                       Cell("Water Speed", 85, UnitNumber<&CUnitRecord::WaterSpeed>),
                       Cell("Size", 40, UnitNumber<&CUnitRecord::Size>),
                       Cell("Men", 40, UnitNumber<&CUnitRecord::Men>),
                       Cell("Radio", 50, UnitNumber<&CUnitRecord::Radio>),
                       Cell("Graphic", 60, UnitNumber<&CUnitRecord::Symbol>),
                       Cell("Side View", 80, UnitNumber<&CUnitRecord::SideView>),
                       Cell("Vision", 50, UnitNumber<&CUnitRecord::Vision>),
                       Cell("Fire Control", 80, UnitNumber<&CUnitRecord::FireControl>),
                       Cell("HEAT", 50, UnitNumber<&CUnitRecord::HEATAmmo>),
                       Cell("SABOT", 60, UnitNumber<&CUnitRecord::HVAPAmmo>),
                       Cell("ROF", 50, UnitNumber<&CUnitRecord::ROF>),
                       Cell("Stabilizer", 70, UnitNumber<&CUnitRecord::Stabilizer>),
                       Cell("Rangefinder", 80, UnitNumber<&CUnitRecord::RangeFinder>),
                       Cell("EW", 40, UnitNumber<&CUnitRecord::EW>),
                       Cell("Lift Cap", 70, UnitNumber<&CUnitRecord::LiftCap>),
                       Cell("Load Cost", 70, UnitNumber<&CUnitRecord::LoadCost>),
                       Cell("Survive", 70, UnitNumber<&CUnitRecord::Survivability>),
                       Cell("Move Class", 80, UnitMoveClass),
                       Cell("Smk Dscg", 80, UnitNumber<&CUnitRecord::SmokeDscg>)});
    for (int k = 0; k < 4; ++k) {
        std::string n = std::to_string(k + 1);
        c.push_back(Cell("Wep " + n, 130, UnitWeaponName, k));
        c.push_back(Cell("HE-" + n, 50, UnitHERounds, k));
        c.push_back(Cell("AP-" + n, 50, UnitAPRounds, k));
    }
    AddArmor(c, "AP", UnitArmor<&CUnitRecord::ArmorAP>);
    AddArmor(c, "HEAT", UnitArmor<&CUnitRecord::ArmorHEAT>);
    AddArmor(c, "RA", UnitArmor<&CUnitRecord::ArmorRA>);
    return c;
}

// The seventh entry's heading has always been written without its blank.
std::string EntryHeading(int entry) {
    return entry == 6 ? "Unit7" : "Unit " + std::to_string(entry + 1);
}

std::vector<ColumnSpec> FormationColumns(int generation) {
    std::vector<ColumnSpec> c = {Label("Formation Name")};
    if (generation == kBW1) {
        c.insert(c.end(),
                 {Cell("Country", 110, FormationCountry), DateCell("Available", 76, FormationAvailable),
                  DateCell("Unavailable", 76, FormationUnavailable), Cell("Type", 50, FormationType)});
        for (int e = 0; e < kFormationEntries; ++e)
            c.push_back(Cell(EntryHeading(e), 140, FormationEntry, e));
        return c;
    }
    const bool bw3 = generation == kBW3;
    c.insert(c.end(), {DateCell("Available", 76, FormationAvailable),
                       DateCell("Unavailable", bw3 ? 85 : 76, FormationUnavailable),
                       Cell("Catagory", bw3 ? 70 : 90, FormationCategory), Cell("Type", 50, FormationType)});
    if (bw3) c.push_back(Cell("SpcFlg", 50, FormationSpecialFlag));
    for (int e = 0; e < kFormationEntries; ++e) {
        std::string n = std::to_string(e + 1);
        c.push_back(Cell(EntryHeading(e), 140, FormationEntry, e));
        if (e > 0) c.push_back(Cell("F " + n, 40, FormationSubFormationMark, e));
        if (bw3) c.push_back(Cell("U" + n + " Str", e == 0 ? 50 : 60, FormationEntryStrength, e));
    }
    return c;
}

std::vector<ColumnSpec> Columns(int table, int generation) {
    switch (table) {
    case kWeaponTable:
        return WeaponColumns();
    case kUnitTable:
        return UnitColumns(generation);
    case kFormationTable:
        return FormationColumns(generation);
    default:
        return {};
    }
}

std::vector<ColumnSpec> Build(int table, int generation) {
    std::vector<ColumnSpec> columns = Columns(table, generation);
    for (ColumnSpec& column : columns) column.meaning = ColumnMeaning(table, generation, column.heading);
    return columns;
}

} // namespace

const std::vector<ColumnSpec>& ColumnSet(int table, int generation) {
    static const std::array<std::array<std::vector<ColumnSpec>, 3>, 3> kSets = [] {
        std::array<std::array<std::vector<ColumnSpec>, 3>, 3> sets;
        for (int t = 0; t < 3; ++t)
            for (int g = 0; g < 3; ++g)
                sets[static_cast<std::size_t>(t)][static_cast<std::size_t>(g)] = Build(t, g);
        return sets;
    }();
    static const std::vector<ColumnSpec> kNone;
    if (!IsRecordTable(table)) return kNone;
    int g = IsValidGeneration(generation) ? generation : kBW1;
    return kSets[static_cast<std::size_t>(table)][static_cast<std::size_t>(g)];
}

} // namespace quorvant
