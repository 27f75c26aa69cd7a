#include "views/columnmeanings.h"

#include "obdata/generation.h"
#include "views/columnsets.h"

#include <array>
#include <cstring>
#include <map>

namespace quorvant {
namespace {

using Meanings = std::map<std::string, std::string>;

const Meanings& WeaponMeanings(int generation) {
    static const Meanings kCommon = {
        {"Weapon Name", "Slot number and weapon name"},
        {"Class", "Weapon class"},
        {"Warhead", "Warhead size"},
        {"HE Pen", "Armour penetration with high-explosive rounds"},
        {"AP Pen", "Armour penetration with armour-piercing rounds"},
        {"HE Kill", "Kill value against soft targets with high-explosive rounds"},
        {"AP Kill", "Kill value against soft targets with armour-piercing rounds"},
        {"Accuracy", "Accuracy of fire"},
        {"MaxRange", "Maximum range"},
        {"MinRange", "Minimum range"},
        {"HVAP", "Armour penetration with HVAP (sabot) rounds"},
        {"HEAT", "Armour penetration with HEAT rounds"},
    };
    static const Meanings kFirstGeneration = [] {
        Meanings m = kCommon;
        m["Warhead"] = "Projectile size";
        m["MinRange"] = "Range of HVAP rounds";
        return m;
    }();
    return generation == kBW1 ? kFirstGeneration : kCommon;
}

const Meanings& UnitMeanings() {
    static const Meanings kMeanings = {
        {"Unit Name", "Slot number and unit name"},
        {"Class", "Unit class"},
        {"Country ", "Nation the unit belongs to"},
        {"Cost", "Purchase cost"},
        {"Available", "First date the unit is available"},
        {"Unavailable", "Date the unit stops being available"},
        {"Land Speed", "Speed on land"},
        {"Water Speed", "Speed in water"},
        {"Size", "Unit size (how hard it is to see and hit)"},
        {"Men", "Number of men"},
        {"Radio", "Radio equipment"},
        {"Graphic", "Map symbol (graphic number)"},
        {"Side View", "Number of the unit's side picture"},
        {"Vision", "Vision: how far the unit sees"},
        {"Fire Control", "Fire control equipment"},
        {"HEAT", "HEAT rounds carried"},
        {"SABOT", "Sabot (HVAP) rounds carried"},
        {"ROF", "Rate of fire"},
        {"Stabilizer", "Gun stabiliser"},
        {"Rangefinder", "Range finder"},
        {"EW", "Electronic warfare"},
        {"Lift Cap", "Lift capacity: how much it can carry"},
        {"Load Cost", "Cost of being carried"},
        {"Survive", "Survivability"},
        {"Move Class", "Movement class"},
        {"Smk Dscg", "Smoke dischargers"},
    };
    return kMeanings;
}

const Meanings& FormationMeanings() {
    static const Meanings kMeanings = {
        {"Formation Name", "Slot number and formation name"},
        {"Country", "Nation the formation belongs to"},
        {"Available", "First date the formation is available"},
        {"Unavailable", "Date the formation stops being available"},
        {"Catagory", "Formation category"},
        {"Type", "Formation type"},
        {"SpcFlg", "Special flag"},
    };
    return kMeanings;
}

// "APFH", "HEATTT", "RASH": armour of a kind on a facing.
std::string ArmourMeaning(const std::string& heading) {
    static const std::array<std::pair<const char*, const char*>, 3> kKinds = {
        {{"HEAT", "HEAT armour"},
         {"AP", "Armour against armour-piercing rounds"},
         {"RA", "Reactive armour"}}};
    static const Meanings kFacings = {{"FH", "hull front"},   {"SH", "hull side"},   {"RH", "hull rear"},
                                      {"FT", "turret front"}, {"ST", "turret side"}, {"RT", "turret rear"},
                                      {"TT", "turret top"}};
    for (const auto& [prefix, kind] : kKinds) {
        std::size_t length = std::strlen(prefix);
        if (heading.size() != length + 2 || heading.compare(0, length, prefix) != 0) continue;
        auto facing = kFacings.find(heading.substr(length));
        if (facing != kFacings.end()) return std::string(kind) + ", " + facing->second;
    }
    return {};
}

// "Wep 2", "HE-2", "AP-2", "Unit 3", "Unit7", "F 3", "U3 Str": a numbered entry.
std::string EntryMeaning(int table, const std::string& heading) {
    auto number = [&](std::size_t from, std::size_t cut = 0) {
        return heading.substr(from, heading.size() - from - cut);
    };
    if (table == kUnitTable) {
        if (heading.rfind("Wep ", 0) == 0) return "Weapon " + number(4);
        if (heading.rfind("HE-", 0) == 0) return "High-explosive rounds for weapon " + number(3);
        if (heading.rfind("AP-", 0) == 0) return "Armour-piercing rounds for weapon " + number(3);
        return ArmourMeaning(heading);
    }
    if (table == kFormationTable) {
        if (heading.rfind("Unit", 0) == 0 && heading.size() > 4) {
            std::size_t from = heading[4] == ' ' ? 5 : 4;
            return "Entry " + number(from) + ": the unit (or sub-formation) it names";
        }
        if (heading.rfind("F ", 0) == 0) return "Entry " + number(2) + " names a sub-formation";
        if (heading.size() > 5 && heading[0] == 'U' && heading.compare(heading.size() - 4, 4, " Str") == 0)
            return "Strength of entry " + number(1, 4);
    }
    return {};
}

} // namespace

std::string ColumnMeaning(int table, int generation, const std::string& heading) {
    const Meanings* meanings = nullptr;
    switch (table) {
    case kWeaponTable:
        meanings = &WeaponMeanings(generation);
        break;
    case kUnitTable:
        meanings = &UnitMeanings();
        break;
    case kFormationTable:
        meanings = &FormationMeanings();
        break;
    default:
        return heading;
    }
    if (auto it = meanings->find(heading); it != meanings->end()) return it->second;
    std::string entry = EntryMeaning(table, heading);
    return entry.empty() ? heading : entry;
}

} // namespace quorvant
