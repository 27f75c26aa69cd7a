#include "obdata/stringtable.h"

#include <array>

namespace quorvant {
namespace {

constexpr std::array<std::string_view, 75> kUnitClasses = {"Fort",
                                                           "Infantry",
                                                           "Inf-AT",
                                                           "Cavalry",
                                                           "Machinegun",
                                                           "Mortar",
                                                           "Anti-Tank Gun",
                                                           "Infantry Gun",
                                                           "Flak",
                                                           "Howitzer",
                                                           "Artillery",
                                                           "Armored Car",
                                                           "Light Tank",
                                                           "Medium Tank",
                                                           "Heavy Tank",
                                                           "CS-Tank",
                                                           "Infantry Tank",
                                                           "Flame-Tank",
                                                           "Assault Gun",
                                                           "Tank Destroyer",
                                                           "Engineer",
                                                           "SP-Artillery",
                                                           "SP-Flak",
                                                           "APC",
                                                           "Halftrack",
                                                           "Heavy Halftrack",
                                                           "Light Truck",
                                                           "Medium Truck",
                                                           "Heavy Truck",
                                                           "Heavy Tank Destroyer",
                                                           "Cruiser Tank",
                                                           "Rocket",
                                                           "Command Tank",
                                                           "Amphibian",
                                                           "Heavy Amphibian",
                                                           "Amphib Tank",
                                                           "Mineclearing Tank",
                                                           "Engineer Tank",
                                                           "Heavy AT Gun",
                                                           "SP-Gun",
                                                           "Heavy Infantry",
                                                           "Landing Barge",
                                                           "Assault Boat",
                                                           "LCS",
                                                           "Aircraft",
                                                           "Sniper",
                                                           "LCG",
                                                           "Helicopter",
                                                           "Barge-Carrier",
                                                           "Mortorcycle",
                                                           "Attack Helicopter",
                                                           "Light Infantry",
                                                           "Wheeled ATGM",
                                                           "Observation Helo",
                                                           "Crew",
                                                           "HQ",
                                                           "Ammo Carrier",
                                                           "FO Vehicle",
                                                           "Scout",
                                                           "Airborne IFV",
                                                           "Main Battle Tank",
                                                           "LR -SAM",
                                                           "SP-STGM",
                                                           "APC-Wheeled",
                                                           "APC-Tracked",
                                                           "Utility Vehicle",
                                                           "Infantry-SAM",
                                                           "SP-SAM",
                                                           "Scout Vehicle",
                                                           "SP-Mortar",
                                                           "SP-Gun",
                                                           "Grenade Launcher",
                                                           "Ammo Dump",
                                                           "Ship",
                                                           "Emplacement"};

constexpr std::array<std::string_view, 52> kNations = {
    "West Germany",  "Egypt",          "Poland",      "Syria",
    "Israel",        "Japan",          "France",      "United Kingdom",
    "PLO",           "Jordan",         "Iran",        "Russia",
    "USA",           "USMC",           "China",       "Australia",
    "Gulf States",   "Iraq",           "India",       "North Korea",
    "South Korea",   "Taiwan",         "Mujadeen",    "North Vietnam",
    "South Vietnam", "Pakistan",       "Afghanistan", "Belgium",
    "Netherlands",   "Norway",         "Canada",      "Greece",
    "Turkey",        "Spain",          "Italy",       "Denmark",
    "East Germany",  "Czechoslovakia", "Hungary",     "Romania",
    "Libya",         "Yugoslavia",     "Green",       "Red",
    "Germany",       "Finnland",       "Rumanian",    "Soviet Union",
    "US Army",       "US Marines",     "ANZAC",       "Free France"};

// 701 is missing from the table on purpose: the list shows it as an empty name.
constexpr std::array<std::string_view, 12> kWeaponClassesBW1 = {" ",
                                                                "",
                                                                "Light Inf. Support",
                                                                "Heavy Inf. Support",
                                                                "FLAK, AA MG/AC",
                                                                "Tank Guns",
                                                                "Guns, Artillery",
                                                                "Heavy Guns, Artillery",
                                                                "Flame weapons",
                                                                "Flamethrower",
                                                                "Naval Artillery",
                                                                "Aircraft Weapon"};

constexpr std::array<std::string_view, 19> kWeaponClassesBW2 = {"",
                                                                "Small Arms (Rifles, SMGs)",
                                                                "Light Inf. Support",
                                                                "Heavy Inf. Support",
                                                                "FLAK, AA MG/AC",
                                                                "Tank MG, Autocannon",
                                                                "Guns,Howitzers < 100mm",
                                                                "Guns, Howitzers > 100mm",
                                                                "Flame",
                                                                "Howitzer (indirect fire)",
                                                                "Naval Artillery",
                                                                "Aircraft Weapon",
                                                                "Surface to Air Missile",
                                                                "Anti Tank Guided Missile",
                                                                "Aircraft Cluster Bomb",
                                                                "Non Aircraft Cluster Munition",
                                                                "Anti Radiation Missile",
                                                                "Air to Surface Missile",
                                                                "NAPALM"};

constexpr std::array<std::string_view, 20> kWeaponClassesBW3 = {
    " ",          "Primary-Inf", "Secondary-Inf", "Team-Weapon",   "FLAK",      "Light Gun",
    "Medium Gun", "Heavy Gun",   "Inf-Flame",     "Vehicle Flame", "Naval Gun", "Aircraft Weapon",
    "SAM",        "ATGM",        "Cluster Bomb",  "Cluster Mine",  "ARM",       "PGM",
    "NAPALM",     "???"};

template <std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& table, int id, int first) {
    int index = id - first;
    if (index < 0 || index >= static_cast<int>(N)) return {};
    return table[static_cast<std::size_t>(index)];
}

} // namespace

std::string_view LoadString(int id) {
    if (id >= 500 && id < 600) return Pick(kUnitClasses, id, 500);
    if (id >= 600 && id < 700) return Pick(kNations, id, 600);
    if (id >= 700 && id < 750) return Pick(kWeaponClassesBW1, id, 700);
    if (id >= 750 && id < 780) return Pick(kWeaponClassesBW2, id, 750);
    if (id >= 780 && id < 800) return Pick(kWeaponClassesBW3, id, 780);
    return {};
}

} // namespace quorvant
