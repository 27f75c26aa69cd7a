#include "editors/unitdatafields.h"

namespace quorvant {
namespace {

constexpr UnitByteField kByteFields[] = {
    {1036, "Cost ", &CUnitRecord::Cost, false, "The points a player pays to buy this unit."},
    {1037, "Men ", &CUnitRecord::Men, false,
     "The number of men in the unit: its crew or its soldiers. Losses are counted against it."},
    {1038, "Size ", &CUnitRecord::Size, false,
     "How large the unit is on the battlefield: bigger units are easier to spot and to hit."},
    {1039, "Radio ", &CUnitRecord::Radio, false,
     "The unit's radio: how well it keeps in touch with its commander and calls for support."},
    {1040, "Land Speed ", &CUnitRecord::LandSpeed, false, "How fast the unit moves over open ground."},
    {1041, "Water Speed ", &CUnitRecord::WaterSpeed, true,
     "How fast the unit moves in water; 0 for units that cannot swim. Not used by BW1."},
    {1044, "Fire Control ", &CUnitRecord::FireControl, false,
     "The quality of the unit's gun sights and fire control: better fire control hits more often."},
    {1045, "HEAT Ammo ", &CUnitRecord::HEATAmmo, false,
     "How many HEAT (shaped-charge) rounds the unit carries for its main gun."},
    {1046, "HVAP Ammo ", &CUnitRecord::HVAPAmmo, false,
     "How many high-velocity armour-piercing rounds (sabot rounds in BW2 and BW3) the unit carries "
     "for its main gun."},
    {1048, "BW1 Graphic ", &CUnitRecord::Symbol, false,
     "The symbol the BW1 map shows for this unit. BW2 and BW3 use the BW2 graphic instead."},
    {1050, "Stabilizer ", &CUnitRecord::Stabilizer, true,
     "The gun stabiliser: how well the unit fires while moving. Not used by BW1."},
    {1051, "ROF ", &CUnitRecord::ROF, true,
     "Rate of fire: how many shots the unit fires in a turn. Not used by BW1."},
    {1052, "EW ", &CUnitRecord::EW, true,
     "Electronic warfare: the unit's protection against guided weapons. Not used by BW1."},
    {1053, "Lift Cap ", &CUnitRecord::LiftCap, true,
     "How much this unit can carry: the load cost of the units it can transport. Not used by BW1."},
    {1054, "Load Cost ", &CUnitRecord::LoadCost, true,
     "How much of a carrier's lift capacity this unit takes up. Not used by BW1."},
    {1055, "Suvivability ", &CUnitRecord::Survivability, true,
     "How well the crew survives when the unit is knocked out. Not used by BW1."},
    {1056, "Smoke Dsc ", &CUnitRecord::SmokeDscg, true,
     "Smoke dischargers: how many times the unit can hide itself in smoke. Not used by BW1."},
    {1057, "Vision ", &CUnitRecord::Vision, true,
     "How far and how well the unit sees, including night sights. Not used by BW1."},
    {1058, "Range Finder ", &CUnitRecord::RangeFinder, true,
     "The range finder: how quickly the unit's gunner finds the range. Not used by BW1."},
};

constexpr const char* kMonths[] = {"",    "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kMoveClasses[] = {"Default", "Foot", "Wheel ",  "AT-Wheel ", "Track",
                                        "Barge ",  "Boat", "Amphib ", "Air"};

} // namespace

std::span<const UnitByteField> UnitByteFields() {
    return kByteFields;
}

std::span<const char* const> AvailMonthEntries() {
    return kMonths;
}

std::span<const char* const> MoveClassEntries() {
    return kMoveClasses;
}

} // namespace quorvant
