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

constexpr ColumnField Stored(std::string_view name, int element = -1, ColumnValue value = ColumnValue::Number,
                             std::string_view monthField = {}) {
    return {name, element, value, monthField};
}

constexpr ColumnField Named(std::string_view name) {
    return Stored(name, -1, ColumnValue::Named);
}

ColumnSpec Label(const char* heading) {
    return {heading,
            150,
            ColumnAlign::Left,
            nullptr,
            0,
            ColumnSort::Name,
            {},
            Stored("Name", -1, ColumnValue::Name)};
}

ColumnSpec Cell(std::string heading, int width, CellRule rule, ColumnField field, int index = 0) {
    return {std::move(heading), width, ColumnAlign::Center, rule, index, ColumnSort::Natural, {}, field};
}

ColumnSpec DateCell(std::string heading, int width, CellRule rule, ColumnField field) {
    field.value = ColumnValue::Date;
    return {std::move(heading), width, ColumnAlign::Center, rule, 0, ColumnSort::Date, {}, field};
}

std::vector<ColumnSpec> WeaponColumns() {
    return {Label("Weapon Name"),
            Cell("Class", 110, WeaponClass, Named("Class")),
            Cell("Warhead", 60, WeaponNumber<&CWeaponRecord::Warhead>, Stored("Warhead")),
            Cell("HE Pen", 65, WeaponNumber<&CWeaponRecord::HEPen>, Stored("HEPen")),
            Cell("AP Pen", 76, WeaponNumber<&CWeaponRecord::APPen>, Stored("APPen")),
            Cell("HE Kill", 76, WeaponNumber<&CWeaponRecord::HEKill>, Stored("HEKill")),
            Cell("AP Kill", 80, WeaponNumber<&CWeaponRecord::APKill>, Stored("APKill")),
            Cell("Accuracy", 80, WeaponNumber<&CWeaponRecord::Accuracy>, Stored("Accuracy")),
            Cell("MaxRange", 80, WeaponNumber<&CWeaponRecord::MaxRange>, Stored("MaxRange")),
            Cell("MinRange", 80, WeaponNumber<&CWeaponRecord::MinRange>, Stored("MinRange")),
            Cell("HVAP", 50, WeaponNumber<&CWeaponRecord::HVAP>, Stored("HVAP")),
            Cell("HEAT", 50, WeaponNumber<&CWeaponRecord::HEAT>, Stored("HEAT"))};
}

void AddArmor(std::vector<ColumnSpec>& columns, const char* prefix, std::string_view field, CellRule rule) {
    static constexpr std::array<const char*, kFacings> kFacingNames = {"FH", "SH", "RH", "FT",
                                                                       "ST", "RT", "TT"};
    for (int f = 0; f < kFacings; ++f)
        columns.push_back(Cell(std::string(prefix) + kFacingNames[static_cast<std::size_t>(f)], 80, rule,
                               Stored(field, f), f));
}

std::vector<ColumnSpec> UnitColumns(int generation) {
    std::vector<ColumnSpec> c = {Label("Unit Name"), Cell("Class", 110, UnitClass, Named("Class"))};
    if (generation == kBW1) c.push_back(Cell("Country ", 110, UnitCountry, Named("Nationality")));
    c.insert(c.end(), {Cell("Cost", 60, UnitNumber<&CUnitRecord::Cost>, Stored("Cost")),
                       DateCell("Available", 65, UnitAvailable,
                                Stored("Available", -1, ColumnValue::Date, "AvailMonth")),
                       DateCell("Unavailable", 76, UnitUnavailable, Stored("UnAvailable")),
                       Cell("Land Speed", 76, UnitNumber<&CUnitRecord::LandSpeed>, Stored("LandSpeed")),
                       Cell("Water Speed", 85, UnitNumber<&CUnitRecord::WaterSpeed>, Stored("WaterSpeed")),
                       Cell("Size", 40, UnitNumber<&CUnitRecord::Size>, Stored("Size")),
                       Cell("Men", 40, UnitNumber<&CUnitRecord::Men>, Stored("Men")),
                       Cell("Radio", 50, UnitNumber<&CUnitRecord::Radio>, Stored("Radio")),
                       Cell("Graphic", 60, UnitNumber<&CUnitRecord::Symbol>, Stored("Symbol")),
                       Cell("Side View", 80, UnitNumber<&CUnitRecord::SideView>, Stored("SideView")),
                       Cell("Vision", 50, UnitNumber<&CUnitRecord::Vision>, Stored("Vision")),
                       Cell("Fire Control", 80, UnitNumber<&CUnitRecord::FireControl>, Stored("FireControl")),
                       Cell("HEAT", 50, UnitNumber<&CUnitRecord::HEATAmmo>, Stored("HEATAmmo")),
                       Cell("SABOT", 60, UnitNumber<&CUnitRecord::HVAPAmmo>, Stored("HVAPAmmo")),
                       Cell("ROF", 50, UnitNumber<&CUnitRecord::ROF>, Stored("ROF")),
                       Cell("Stabilizer", 70, UnitNumber<&CUnitRecord::Stabilizer>, Stored("Stabilizer")),
                       Cell("Rangefinder", 80, UnitNumber<&CUnitRecord::RangeFinder>, Stored("RangeFinder")),
                       Cell("EW", 40, UnitNumber<&CUnitRecord::EW>, Stored("EW")),
                       Cell("Lift Cap", 70, UnitNumber<&CUnitRecord::LiftCap>, Stored("LiftCap")),
                       Cell("Load Cost", 70, UnitNumber<&CUnitRecord::LoadCost>, Stored("LoadCost")),
                       Cell("Survive", 70, UnitNumber<&CUnitRecord::Survivability>, Stored("Survivability")),
                       Cell("Move Class", 80, UnitMoveClass, Named("MoveClass")),
                       Cell("Smk Dscg", 80, UnitNumber<&CUnitRecord::SmokeDscg>, Stored("SmokeDscg"))});
    for (int k = 0; k < 4; ++k) {
        std::string n = std::to_string(k + 1);
        c.push_back(Cell("Wep " + n, 130, UnitWeaponName, Stored("Wpn", k, ColumnValue::Slot), k));
        c.push_back(Cell("HE-" + n, 50, UnitHERounds, Stored("Ammo", 2 * k), k));
        c.push_back(Cell("AP-" + n, 50, UnitAPRounds, Stored("Ammo", 2 * k + 1), k));
    }
    AddArmor(c, "AP", "ArmorAP", UnitArmor<&CUnitRecord::ArmorAP>);
    AddArmor(c, "HEAT", "ArmorHEAT", UnitArmor<&CUnitRecord::ArmorHEAT>);
    AddArmor(c, "RA", "ArmorRA", UnitArmor<&CUnitRecord::ArmorRA>);
    return c;
}

// The seventh entry's heading has always been written without its blank.
std::string EntryHeading(int entry) {
    return entry == 6 ? "Unit7" : "Unit " + std::to_string(entry + 1);
}

std::vector<ColumnSpec> FormationColumns(int generation) {
    std::vector<ColumnSpec> c = {Label("Formation Name")};
    if (generation == kBW1) {
        c.insert(c.end(), {Cell("Country", 110, FormationCountry, Named("Country")),
                           DateCell("Available", 76, FormationAvailable, Stored("Avail")),
                           DateCell("Unavailable", 76, FormationUnavailable, Stored("UnAvail")),
                           Cell("Type", 50, FormationType, Stored("Type"))});
        for (int e = 0; e < kFormationEntries; ++e)
            c.push_back(Cell(EntryHeading(e), 140, FormationEntry, Stored("Units", e, ColumnValue::Slot), e));
        return c;
    }
    const bool bw3 = generation == kBW3;
    c.insert(c.end(), {DateCell("Available", 76, FormationAvailable,
                                Stored("Avail", -1, ColumnValue::Date, "AvailMon")),
                       DateCell("Unavailable", bw3 ? 85 : 76, FormationUnavailable, Stored("UnAvail")),
                       Cell("Catagory", bw3 ? 70 : 90, FormationCategory, Named("Catagory")),
                       Cell("Type", 50, FormationType, Named("Type"))});
    if (bw3) c.push_back(Cell("SpcFlg", 50, FormationSpecialFlag, Stored("SpcFlg")));
    for (int e = 0; e < kFormationEntries; ++e) {
        std::string n = std::to_string(e + 1);
        c.push_back(Cell(EntryHeading(e), 140, FormationEntry, Stored("Units", e, ColumnValue::Slot), e));
        if (e > 0)
            c.push_back(
                Cell("F " + n, 40, FormationSubFormationMark, Stored("Units", e, ColumnValue::Mark), e));
        if (bw3)
            c.push_back(
                Cell("U" + n + " Str", e == 0 ? 50 : 60, FormationEntryStrength, Stored("UnitStr", e), e));
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
