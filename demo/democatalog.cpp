#include "demo/democatalog.h"

#include <cstring>

namespace quorvant::demo {
namespace {

using M = Move;

FormationEntry U(int unit, std::uint8_t strength = 1) {
    return {false, unit, strength};
}
FormationEntry F(int formation) {
    return {true, formation, 1};
}

// The tables read best one record to a line.
// clang-format off

// ---- Second world war ------------------------------------------------------------------------

enum WarWeapon {
    wRifle, wSmg, wLmg, wHmg, wAtRifle, wLightMortar, wMediumMortar, wAtRocket, wSmallAtGun, wLargeAtGun,
    wShortGun, wLongGun, wHeavyGun, wInfantryGun, wFieldHowitzer, wHeavyHowitzer, wLightFlak, wFlamethrower,
    wFlameProjector, wCharges, wBomb, wCoastalGun
};

const WeaponTemplate kWarWeapons[] = {
    // label, tagged, classes, size warhead HEPen APPen HEKill APKill acc max min hvapRange HVAP HEAT sound
    {"Rifle",           true,  {2, 1, 1},    1, 1,  1,   2,  6,  0, 10,  20,  0,  0,   0,   0,  1},
    {"SMG",             true,  {2, 1, 1},    1, 1,  1,   1,  8,  0,  7,   8,  0,  0,   0,   0,  2},
    {"LMG",             true,  {2, 2, 2},    1, 1,  2,   3, 12,  0,  9,  30,  0,  0,   0,   0,  3},
    {"HMG",             true,  {3, 3, 3},    2, 2,  3,   5, 16,  0, 10,  40,  0,  0,   0,   0,  4},
    {"AT Rifle",        true,  {2, 2, 2},    1, 1,  0,  22,  2,  3, 10,  20,  0,  0,   0,   0,  5},
    {"50mm Mortar",     true,  {2, 2, 2},    2, 3,  6,   0, 14,  0,  6,  35,  2,  0,   0,   0,  6},
    {"81mm Mortar",     true,  {3, 3, 3},    3, 5, 10,   0, 24,  0,  6,  70,  4,  0,   0,   0,  7},
    {"AT Rocket",       true,  {2, 2, 2},    1, 4,  4,   0,  6,  0,  7,  10,  0,  0,   0, 100,  8},
    {"37mm AT Gun",     true,  {5, 5, 5},    2, 2,  3,  38,  6,  4, 12,  40,  0, 10,  55,   0,  9},
    {"57mm AT Gun",     true,  {5, 5, 5},    3, 3,  5,  75,  8,  6, 13,  50,  0, 12,  95,   0,  9},
    {"75mm Short",      true,  {5, 6, 6},    3, 5, 10,  40, 22,  7, 11,  50,  0,  0,   0,  70, 10},
    {"75mm Long",       true,  {5, 6, 6},    4, 5,  9,  95, 20,  8, 14,  60,  0, 15, 125,   0, 10},
    {"90mm Gun",        true,  {5, 7, 7},    5, 6, 12, 130, 26, 10, 14,  70,  0, 18, 165,   0, 11},
    {"Inf Gun 75",      true,  {6, 6, 6},    3, 5, 11,   0, 24,  0,  9,  55,  3,  0,   0,  60, 10},
    {"105mm How",       true,  {6, 7, 7},    5, 7, 16,  60, 36,  9,  8, 150,  8,  0,   0,   0, 12},
    {"150mm How",       true,  {7, 7, 7},    6, 9, 24,  80, 52, 12,  7, 200, 10,  0,   0,   0, 13},
    {"20mm Flak",       true,  {4, 4, 4},    2, 1,  2,  20,  9,  3, 11,  40,  0,  0,  30,   0, 14},
    {"Flamethrowr",     true,  {9, 8, 8},    1, 2,  8,   0, 30,  0,  9,   3,  0,  0,   0,   0, 15},
    {"Flame Proj",      true,  {8, 8, 9},    3, 3, 10,   0, 40,  0,  9,   6,  0,  0,   0,   0, 15},
    {"Satchel Charges", false, {2, 2, 2},    1, 4, 20,   0, 20,  0,  8,   1,  0,  0,   0,   0, 16},
    {"250kg Bomb",      true,  {11, 11, 11}, 7, 12, 40,  0, 80,  0,  5,  10,  0,  0,   0,   0, 17},
    {"Coastal Gun",     true,  {10, 10, 10}, 8, 10, 30, 160, 60, 14, 12, 250, 10, 20,  0,   0, 18},
};

enum WarUnit {
    uRifleSquad, uSmgSquad, uMgTeam, uMortarTeam, uLightMortar, uAtTeam, uPioneers, uSniper, uCavalry,
    uSmallAtGun, uLargeAtGun, uInfantryGun, uFlak, uHowitzer, uHeavyHowitzer, uArmouredCar, uLightTank,
    uMediumTank, uHeavyTank, uSupportTank, uFlameTank, uAssaultGun, uTankHunter, uHalftrack, uTruck,
    uMotorbike, uSpHowitzer, uCommand, uScout, uBomber, uCoastalGun, uCrew
};

const UnitTemplate kWarUnits[] = {
    // label, tagged, classes, move, men size speed, weapons {weapon, HE, AP}, armour front/side/rear/top,
    // reactive, cost, first and last year, lift
    {"Rifle Squad", true, "Infantry", M::Foot, 10, 1, 4, {{{wRifle, 40, 0}, {wLmg, 30, 0}}}, {}, 0, 10, 0, 0, 0},
    {"SMG Squad", true, "Infantry", M::Foot, 9, 1, 4, {{{wSmg, 40, 0}, {wLmg, 30, 0}}}, {}, 0, 12, 2, 0, 0},
    {"MG Team", true, "Machinegun", M::Foot, 4, 1, 3, {{{wHmg, 50, 0}}}, {}, 0, 9, 0, 0, 0},
    {"Mortar Team", true, "Mortar", M::Foot, 5, 1, 3, {{{wMediumMortar, 30, 0}}}, {}, 0, 12, 0, 0, 0},
    {"Lt Mortar", true, "Mortar", M::Foot, 3, 1, 4, {{{wLightMortar, 24, 0}}}, {}, 0, 7, 0, 4, 0},
    {"AT Team", true, "Inf-AT", M::Foot, 3, 1, 4, {{{wAtRifle, 0, 20}, {wAtRocket, 6, 0}}}, {}, 0, 11, 1, 0, 0},
    {"Pioneer Sqd", true, "Engineer", M::Foot, 9, 1, 4, {{{wRifle, 30, 0}, {wFlamethrower, 8, 0}, {wCharges, 6, 0}}}, {}, 0, 16, 0, 0, 0},
    {"Sniper", true, "Sniper", M::Foot, 2, 1, 4, {{{wRifle, 30, 0}}}, {}, 0, 8, 1, 0, 0},
    {"Cavalry Sqd", true, "Cavalry", M::Foot, 8, 1, 8, {{{wRifle, 30, 0}, {wLmg, 20, 0}}}, {}, 0, 9, 0, 3, 0},
    {"37mm AT Gun", true, "Anti-Tank Gun", M::Towed, 4, 2, 2, {{{wSmallAtGun, 10, 30}}}, {3, 0, 0, 0}, 0, 14, 0, 4, 0},
    {"57mm AT Gun", true, "Heavy AT Gun|Anti-Tank Gun", M::Towed, 5, 2, 2, {{{wLargeAtGun, 10, 30}}}, {4, 0, 0, 0}, 0, 22, 2, 0, 0},
    {"Inf Gun", true, "Infantry Gun|Howitzer", M::Towed, 5, 2, 2, {{{wInfantryGun, 30, 0}}}, {3, 0, 0, 0}, 0, 18, 0, 0, 0},
    {"20mm Flak", true, "Flak", M::Towed, 4, 2, 2, {{{wLightFlak, 40, 20}}}, {2, 0, 0, 0}, 0, 15, 0, 0, 0},
    {"105mm How", true, "Howitzer", M::Towed, 6, 3, 1, {{{wFieldHowitzer, 40, 4}}}, {3, 0, 0, 0}, 0, 30, 0, 0, 0},
    {"150mm How", true, "Artillery", M::Towed, 8, 4, 1, {{{wHeavyHowitzer, 30, 2}}}, {3, 0, 0, 0}, 0, 42, 0, 0, 0},
    {"Armd Car", true, "Armored Car", M::Wheel, 4, 3, 20, {{{wLightFlak, 40, 30}, {wLmg, 40, 0}}}, {15, 8, 8, 5}, 0, 30, 0, 0, 0},
    {"Light Tank", true, "Light Tank", M::Track, 3, 3, 14, {{{wSmallAtGun, 30, 50}, {wLmg, 60, 0}}}, {30, 15, 15, 8}, 0, 45, 0, 4, 0},
    {"Medium Tank", true, "Medium Tank|Main Battle Tank", M::Track, 5, 4, 12, {{{wLongGun, 40, 40}, {wLmg, 60, 0}, {wLmg, 60, 0}, {wHmg, 30, 0}}}, {80, 40, 30, 15}, 0, 90, 2, 0, 0},
    {"Heavy Tank", true, "Heavy Tank", M::Track, 5, 5, 9, {{{wHeavyGun, 40, 40}, {wLmg, 60, 0}, {wLmg, 60, 0}}}, {110, 80, 60, 25}, 0, 140, 3, 0, 0},
    {"CS Tank", true, "CS-Tank", M::Track, 5, 4, 11, {{{wShortGun, 50, 20}, {wLmg, 60, 0}}}, {60, 35, 25, 12}, 0, 70, 1, 0, 0},
    {"Flame Tank", true, "Flame-Tank", M::Track, 4, 4, 11, {{{wFlameProjector, 20, 0}, {wLmg, 60, 0}}}, {60, 35, 25, 12}, 0, 80, 3, 0, 0},
    {"Assault Gun", true, "Assault Gun", M::Track, 4, 4, 11, {{{wShortGun, 50, 30}, {wLmg, 40, 0}}}, {70, 30, 20, 10}, 0, 75, 1, 0, 0},
    {"Tank Hunter", true, "Tank Destroyer", M::Track, 4, 4, 12, {{{wLongGun, 20, 50}, {wLmg, 40, 0}}}, {60, 25, 20, 8}, 0, 85, 3, 0, 0},
    {"Halftrack", true, "Halftrack|APC", M::Track, 2, 3, 16, {{{wHmg, 60, 0}, {wLmg, 60, 0}}}, {12, 8, 6, 0}, 0, 28, 0, 0, 12},
    {"Truck", true, "Medium Truck", M::Wheel, 1, 3, 22, {}, {}, 0, 12, 0, 0, 20},
    {"Recon Motorbike", false, "Mortorcycle|Cavalry", M::Wheel, 2, 1, 26, {{{wLmg, 30, 0}}}, {}, 0, 10, 0, 0, 0},
    {"SP Howitzer", true, "SP-Artillery", M::Track, 5, 4, 11, {{{wFieldHowitzer, 30, 4}, {wHmg, 30, 0}}}, {20, 10, 8, 0}, 0, 70, 3, 0, 0},
    {"Command Section", false, "HQ|Infantry", M::Foot, 6, 1, 4, {{{wSmg, 30, 0}, {wRifle, 30, 0}}}, {}, 0, 20, 0, 0, 0},
    {"Scout Team", true, "Scout|Infantry", M::Foot, 3, 1, 5, {{{wSmg, 30, 0}}}, {}, 0, 8, 0, 0, 0},
    {"Bomber", true, "Aircraft", M::Air, 5, 5, 60, {{{wBomb, 4, 0}, {wHmg, 40, 0}}}, {10, 5, 5, 5}, 0, 120, 1, 0, 0},
    {"Coastal Gun", true, "Fort", M::Static, 20, 6, 0, {{{wCoastalGun, 30, 30}, {wLightFlak, 40, 0}}}, {150, 150, 100, 60}, 0, 90, 0, 0, 0},
    {" Spare Crew", true, "Crew|Infantry", M::Foot, 4, 1, 4, {{{wRifle, 20, 0}}}, {}, 0, 4, 0, 0, 0},
};

enum WarFormation {
    fHq, fRiflePlt, fSmgPlt, fPioneerPlt, fTankPlt, fHeavyTankPlt, fReconPlt, fAtGunSec, fMortarSec, fArtyBty,
    fHeavyArtyBty, fFlakSec, fAssaultGunPlt, fMechPlt, fRifleCoy, fTankCoy, fArtyGroup, fReserve
};

const std::vector<FormationTemplate>& WarFormations() {
    // label, tagged, catagory, type, entries (units and sub-formations, with their strengths)
    static const std::vector<FormationTemplate> formations = {
        {"HQ Group", true, 10, 5, {U(uCommand, 2), U(uArmouredCar), U(uHalftrack), U(uMotorbike, 2), F(fRifleCoy), F(fTankCoy), F(fArtyGroup)}},
        {"Rifle Plt", true, 3, 1, {U(uRifleSquad, 3), U(uRifleSquad, 3), U(uRifleSquad, 3), U(uMgTeam, 2), U(uLightMortar)}},
        {"SMG Plt", true, 3, 1, {U(uSmgSquad, 3), U(uSmgSquad, 3), U(uSmgSquad, 3), U(uAtTeam, 2)}},
        {"Pioneer Plt", true, 3, 1, {U(uPioneers, 3), U(uPioneers, 3), U(uPioneers, 3), U(uTruck, 2)}},
        {"Tank Plt", true, 1, 1, {U(uMediumTank), U(uMediumTank), U(uMediumTank), U(uMediumTank)}},
        {"Hvy Tnk Plt", true, 1, 1, {U(uHeavyTank), U(uHeavyTank), U(uHeavyTank)}},
        {"Recon Plt", true, 4, 1, {U(uArmouredCar), U(uArmouredCar), U(uMotorbike, 2), U(uLightTank), U(uScout)}},
        {"AT Gun Sec", true, 2, 1, {U(uSmallAtGun), U(uSmallAtGun), U(uLargeAtGun), U(uTruck)}},
        {"Mortar Sec", true, 2, 1, {U(uMortarTeam), U(uMortarTeam), U(uMortarTeam), U(uSniper)}},
        {"Arty Bty", true, 2, 1, {U(uHowitzer), U(uHowitzer), U(uHowitzer), U(uHowitzer), U(uTruck, 2)}},
        {"Hvy Art Bty", true, 2, 1, {U(uHeavyHowitzer), U(uHeavyHowitzer), U(uHeavyHowitzer), U(uTruck, 2)}},
        {"Flak Sec", true, 4, 1, {U(uFlak), U(uFlak), U(uFlak)}},
        {"Assault Plt", true, 1, 1, {U(uAssaultGun), U(uAssaultGun), U(uAssaultGun), U(uTankHunter)}},
        {"Mech Plt", true, 3, 1, {U(uHalftrack), U(uHalftrack), U(uHalftrack), U(uRifleSquad, 3), U(uRifleSquad, 3), U(uRifleSquad, 3)}},
        {"Rifle Coy", true, 3, 2, {U(uCommand), F(fRiflePlt), F(fRiflePlt), F(fSmgPlt), F(fMortarSec), U(uMgTeam, 2), U(uAtTeam, 2)}},
        {"Tank Coy", true, 1, 2, {U(uMediumTank), F(fTankPlt), F(fTankPlt), F(fHeavyTankPlt), U(uSupportTank), U(uFlameTank)}},
        {"Artillery Group", false, 2, 2, {U(uCommand), F(fArtyBty), F(fArtyBty), F(fHeavyArtyBty), F(fFlakSec), U(uSpHowitzer), U(uBomber)}},
        {" Reserve", true, 4, 3, {U(uCrew, 2), U(uCrew, 2), U(uCoastalGun), U(uCavalry, 2), U(uInfantryGun)}},
    };
    return formations;
}

// ---- Modern era --------------------------------------------------------------------------------

enum ModernWeapon {
    mRifle, mLmg, mHmg, mGrenade, mAtRocket, mRecoilless, mAtgmTeam, mAtgmVehicle, mLightMortar, mHeavyMortar,
    mCannon25, mCannon30, mGun105, mGun120, mGun125, mHowitzer, mRockets, mAaGun, mSamTeam, mSamVehicle,
    mClusterBomb, mScatterMine, mRadarMissile, mAirMissile, mNapalm, mRocketPod, mFlameRocket, mNavalGun, mSniper
};

const WeaponTemplate kModernWeapons[] = {
    {"Assault Rfl",  true, {0, 1, 1},   1,  1,  1,   3,  8,  0, 11,  25,  0, 0,   0,   0,  1},
    {"LMG",          true, {0, 2, 2},   1,  1,  2,   4, 13,  0, 10,  35,  0, 0,   0,   0,  3},
    {"12.7mm HMG",   true, {0, 3, 3},   2,  2,  3,  12, 16,  2, 11,  50,  0, 0,   0,   0,  4},
    {"40mm GL",      true, {0, 2, 2},   1,  2,  5,   0, 14,  0,  8,  30,  0, 0,   0,  20,  5},
    {"AT Rocket",    true, {0, 2, 2},   1,  4,  4,   0,  8,  0,  8,  15,  0, 0,   0, 150,  8},
    {"Recoilless",   true, {0, 3, 3},   2,  5,  8,   0, 14,  0, 10,  30,  0, 0,   0, 170,  9},
    {"ATGM Team",    true, {0, 13, 13}, 2,  6,  6,   0, 10,  0, 16,  90,  4, 0,   0, 210, 19},
    {"ATGM Launch",  true, {0, 13, 13}, 3,  6,  6,   0, 10,  0, 17, 110,  4, 0,   0, 230, 19},
    {"60mm Mortar",  true, {0, 2, 3},   2,  3,  6,   0, 15,  0,  7,  40,  2, 0,   0,   0,  6},
    {"Hvy Mortar",   true, {0, 9, 7},   4,  7, 16,   0, 34,  0,  6, 120,  6, 0,   0,   0,  7},
    {"25mm Cannon",  true, {0, 5, 5},   2,  2,  4,  45, 12,  6, 13,  60,  0, 0,  70,   0, 20},
    {"30mm Cannon",  true, {0, 5, 5},   2,  2,  5,  55, 14,  7, 13,  65,  0, 0,  85,   0, 20},
    {"105mm Gun",    true, {0, 7, 7},   5,  6, 14, 160, 28, 12, 15, 100,  0, 0, 210, 180, 11},
    {"120mm Gun",    true, {0, 7, 7},   6,  7, 16, 200, 32, 14, 17, 120,  0, 0, 245, 210, 11},
    {"125mm Gun",    true, {0, 7, 7},   6,  7, 17, 195, 34, 14, 15, 115,  0, 0, 240, 215, 11},
    {"155mm How",    true, {0, 9, 7},   6,  9, 26,  90, 55, 12,  8, 250, 12, 0,   0,   0, 13},
    {"Rocket Lchr",  true, {0, 9, 7},   6,  8, 20,   0, 60,  0,  5, 230, 15, 0,   0,   0, 21},
    {"23mm AA Gun",  true, {0, 4, 4},   2,  2,  3,  30, 10,  4, 12,  50,  0, 0,  40,   0, 14},
    {"SAM Team",     true, {0, 12, 12}, 1,  3,  2,   0,  4,  0, 15,  60,  3, 0,   0,   0, 22},
    {"SAM Lchr",     true, {0, 12, 12}, 4,  5,  3,   0,  6,  0, 17, 200,  5, 0,   0,   0, 22},
    {"Cluster Bmb",  true, {0, 14, 14}, 7, 10, 20,   0, 90,  0,  6,  10,  0, 0,   0,  60, 17},
    {"Mine Lchr",    true, {0, 15, 15}, 3,  4, 10,   0, 30,  0,  5,  60,  0, 0,   0,  90, 23},
    {"ARM Missile",  true, {0, 16, 16}, 5,  6, 10,   0, 30,  0, 16, 200,  0, 0,   0,   0, 24},
    {"AS Missile",   true, {0, 17, 17}, 5,  8, 12,   0, 40,  0, 18, 150,  0, 0,   0, 220, 24},
    {"Napalm Tank",  true, {0, 18, 18}, 6,  8, 12,   0, 95,  0,  6,  10,  0, 0,   0,   0, 17},
    {"Rocket Pod",   true, {0, 11, 11}, 3,  4,  8,   0, 35,  0,  9,  40,  0, 0,   0,  60, 21},
    {"Flame Rkt",    true, {0, 8, 8},   1,  3,  8,   0, 40,  0,  9,  20,  0, 0,   0,   0, 15},
    {"76mm Naval",   true, {0, 10, 10}, 5,  5, 12,  60, 28,  8, 14, 160,  0, 0,   0,   0, 18},
    {"Sniper Rfl",   true, {0, 1, 1},   1,  1,  1,   6,  6,  1, 18,  40,  0, 0,   0,   0,  2},
};

enum ModernUnit {
    nRifleSquad, nMgTeam, nAtgmTeam, nMortarTeam, nHeavyMortar, nSamTeam, nEngineers, nSniper, nRecoilless,
    nTank, nTankUpgrade, nLightTank, nIfv, nWheeledApc, nScoutCar, nJeep, nTruck, nSpHowitzer, nRocketLauncher,
    nSpAaGun, nSamVehicle, nLongSam, nAtgmVehicle, nAttackHelo, nTransportHelo, nObservationHelo, nStrikeJet,
    nCommand, nObserver, nEngineerTank, nMineClearer, nAmphibian, nAssaultBoat, nAmmoCarrier, nCrew
};

const UnitTemplate kModernUnits[] = {
    {"Rifle Squad", true, "Infantry", M::Foot, 9, 1, 5, {{{mRifle, 60, 0}, {mLmg, 40, 0}, {mAtRocket, 3, 0}, {mGrenade, 20, 0}}}, {}, 0, 14, 0, 0, 0},
    {"MG Team", true, "Machinegun", M::Foot, 3, 1, 4, {{{mHmg, 60, 10}}}, {}, 0, 10, 0, 0, 0},
    {"ATGM Team", true, "Inf-AT", M::Foot, 3, 1, 4, {{{mAtgmTeam, 0, 6}, {mRifle, 20, 0}}}, {}, 0, 30, 15, 0, 0},
    {"Mortar Team", true, "Mortar", M::Foot, 4, 1, 4, {{{mLightMortar, 30, 0}}}, {}, 0, 12, 0, 0, 0},
    {"Hvy Mortar", true, "SP-Mortar|Mortar", M::Track, 5, 3, 14, {{{mHeavyMortar, 40, 0}, {mHmg, 30, 0}}}, {10, 8, 6, 2}, 0, 45, 10, 0, 0},
    {"SAM Team", true, "Infantry-SAM", M::Foot, 2, 1, 4, {{{mSamTeam, 4, 0}}}, {}, 0, 35, 18, 0, 0},
    {"Eng Squad", true, "Engineer", M::Foot, 8, 1, 5, {{{mRifle, 50, 0}, {mFlameRocket, 4, 0}, {mScatterMine, 6, 0}}}, {}, 0, 20, 0, 0, 0},
    {"Sniper Team", true, "Sniper", M::Foot, 2, 1, 5, {{{mSniper, 40, 0}}}, {}, 0, 12, 5, 0, 0},
    {"Recoilless", true, "Anti-Tank Gun", M::Towed, 4, 2, 3, {{{mRecoilless, 10, 0}}}, {2, 0, 0, 0}, 0, 18, 0, 30, 0},
    {"MBT", true, "Main Battle Tank", M::Track, 4, 5, 16, {{{mGun120, 20, 22}, {mHmg, 60, 0}, {mLmg, 80, 0}}}, {90, 25, 12, 6}, 0, 180, 28, 0, 0},
    {"MBT Upgrade", true, "Main Battle Tank", M::Track, 3, 5, 17, {{{mGun120, 18, 24}, {mHmg, 60, 0}, {mLmg, 80, 0}}}, {110, 30, 12, 8}, 40, 220, 38, 0, 0},
    {"Light Tank", true, "Light Tank", M::Track, 3, 4, 18, {{{mGun105, 20, 20}, {mLmg, 60, 0}}}, {35, 12, 8, 4}, 0, 110, 10, 0, 0},
    {"IFV", true, "APC-Tracked|APC", M::Track, 3, 4, 17, {{{mCannon25, 60, 60}, {mAtgmVehicle, 0, 4}, {mLmg, 60, 0}}}, {30, 12, 8, 4}, 0, 120, 25, 0, 7},
    {"Wheeled APC", true, "APC-Wheeled|APC", M::Wheel, 2, 3, 22, {{{mHmg, 60, 10}}}, {12, 8, 6, 2}, 0, 60, 12, 0, 10},
    {"Scout Car", true, "Scout Vehicle|Armored Car", M::Wheel, 3, 3, 24, {{{mCannon25, 40, 40}, {mLmg, 40, 0}}}, {15, 10, 8, 3}, 0, 70, 18, 0, 0},
    {"Jeep", true, "Utility Vehicle|Light Truck", M::Wheel, 1, 2, 26, {{{mLmg, 40, 0}}}, {}, 0, 15, 5, 0, 4},
    {"Truck", true, "Medium Truck", M::Wheel, 1, 3, 22, {}, {}, 0, 18, 5, 0, 20},
    {"SP Howitzer", true, "SP-Artillery", M::Track, 5, 5, 15, {{{mHowitzer, 40, 4}, {mHmg, 40, 0}}}, {18, 10, 8, 4}, 0, 140, 15, 0, 0},
    {"MRL", true, "Rocket", M::Wheel, 3, 4, 20, {{{mRockets, 2, 0}}}, {4, 2, 2, 0}, 0, 120, 10, 0, 0},
    {"SP AA Gun", true, "SP-Flak", M::Track, 3, 4, 16, {{{mCannon30, 60, 20}, {mAaGun, 40, 0}}}, {15, 10, 8, 3}, 0, 130, 20, 0, 0},
    {"SAM Vehicle", true, "SP-SAM", M::Track, 3, 4, 16, {{{mSamVehicle, 8, 0}}}, {12, 8, 6, 2}, 0, 160, 22, 0, 0},
    {"Long SAM", true, "LR -SAM|SP-SAM", M::Wheel, 4, 5, 14, {{{mSamVehicle, 4, 0}}}, {4, 2, 2, 0}, 0, 200, 25, 0, 0},
    {"ATGM Veh", true, "SP-STGM|Wheeled ATGM", M::Track, 3, 3, 18, {{{mAtgmVehicle, 0, 10}, {mLmg, 40, 0}}}, {15, 10, 8, 2}, 0, 110, 20, 0, 0},
    {"Attack Helo", true, "Attack Helicopter", M::Air, 2, 4, 90, {{{mCannon30, 60, 40}, {mAtgmVehicle, 0, 8}, {mRocketPod, 19, 0}}}, {8, 5, 5, 5}, 0, 230, 25, 0, 0},
    {"Trans Helo", true, "Helicopter", M::Air, 3, 4, 80, {{{mLmg, 60, 0}}}, {4, 2, 2, 2}, 0, 150, 12, 0, 12},
    {"Obs Helo", true, "Observation Helo|Helicopter", M::Air, 2, 3, 90, {{{mLmg, 40, 0}}}, {2, 1, 1, 1}, 0, 90, 15, 0, 0},
    {"Strike Jet", true, "Aircraft", M::Air, 1, 5, 200, {{{mClusterBomb, 4, 0}, {mAirMissile, 0, 2}, {mRadarMissile, 2, 0}, {mNapalm, 2, 0}}}, {5, 5, 5, 5}, 0, 250, 20, 0, 0},
    {"Command Section", false, "HQ|Infantry", M::Foot, 6, 1, 5, {{{mRifle, 40, 0}}}, {}, 0, 25, 0, 0, 0},
    {"FO Vehicle", true, "FO Vehicle|Scout Vehicle", M::Track, 4, 3, 17, {{{mLmg, 40, 0}}}, {14, 8, 6, 2}, 0, 70, 18, 0, 0},
    {"Eng Vehicle", true, "Engineer Tank", M::Track, 3, 5, 14, {{{mHmg, 40, 0}}}, {70, 20, 10, 5}, 0, 100, 15, 0, 0},
    {"Mineclearer", true, "Mineclearing Tank", M::Track, 3, 5, 14, {{{mLmg, 40, 0}}}, {70, 20, 10, 5}, 0, 90, 20, 0, 0},
    {"Amphib APC", true, "Amphibian|APC-Tracked", M::Amphib, 3, 4, 16, {{{mHmg, 60, 10}, {mGrenade, 30, 0}}}, {12, 8, 6, 2}, 0, 80, 20, 0, 18},
    {"Storm Boat", true, "Assault Boat|Landing Barge", M::Boat, 2, 2, 0, {{{mHmg, 50, 0}, {mNavalGun, 20, 0}}}, {2, 2, 2, 0}, 0, 35, 10, 0, 10},
    {"Ammo Veh", true, "Ammo Carrier|Heavy Truck", M::Track, 2, 4, 15, {{{mLmg, 30, 0}}}, {10, 6, 4, 2}, 0, 40, 20, 0, 0},
    {" Spare Crew", true, "Crew|Infantry", M::Foot, 3, 1, 5, {{{mRifle, 30, 0}}}, {}, 0, 5, 0, 0, 0},
};

enum ModernFormation {
    gHq, gTankPlt, gMechPlt, gMotorRiflePlt, gReconPlt, gAtgmSec, gMortarSec, gAirDefence, gArtyBty, gMrlBty,
    gHeloFlight, gEngineerPlt, gAmphibPlt, gTankCoy, gMechCoy, gSupportCoy, gArtyGroup, gTankBattalion, gReserve
};

const std::vector<FormationTemplate>& ModernFormations() {
    static const std::vector<FormationTemplate> formations = {
        {"Bde HQ", true, 10, 5, {U(nCommand, 2), U(nJeep, 2), F(gTankBattalion), F(gArtyGroup), F(gHeloFlight), U(nWheeledApc), U(nLongSam), U(nStrikeJet)}},
        {"Tank Plt", true, 1, 1, {U(nTank), U(nTank), U(nTank), U(nTank)}},
        {"Mech Plt", true, 3, 1, {U(nIfv), U(nIfv), U(nIfv), U(nRifleSquad, 2), U(nRifleSquad, 2), U(nRifleSquad, 2), U(nAtgmTeam)}},
        {"Mot Rif Plt", true, 3, 1, {U(nWheeledApc), U(nWheeledApc), U(nWheeledApc), U(nRifleSquad, 2), U(nRifleSquad, 2), U(nRifleSquad, 2), U(nMgTeam)}},
        {"Recon Plt", true, 4, 1, {U(nScoutCar), U(nScoutCar), U(nScoutCar), U(nJeep), U(nSniper)}},
        {"ATGM Sec", true, 4, 1, {U(nAtgmVehicle), U(nAtgmVehicle), U(nAtgmTeam), U(nAtgmTeam), U(nRecoilless)}},
        {"Mortar Sec", true, 2, 1, {U(nHeavyMortar), U(nHeavyMortar), U(nHeavyMortar), U(nMortarTeam, 2), U(nTruck)}},
        {"AD Sec", true, 4, 1, {U(nSpAaGun), U(nSpAaGun), U(nSamVehicle), U(nSamTeam, 2), U(nSamTeam, 2)}},
        {"Arty Bty", true, 2, 1, {U(nSpHowitzer), U(nSpHowitzer), U(nSpHowitzer), U(nSpHowitzer), U(nAmmoCarrier, 2), U(nObserver)}},
        {"MRL Bty", true, 2, 1, {U(nRocketLauncher), U(nRocketLauncher), U(nRocketLauncher), U(nTruck, 2)}},
        {"Helo Flight", true, 4, 1, {U(nAttackHelo), U(nAttackHelo), U(nObservationHelo), U(nTransportHelo)}},
        {"Eng Plt", true, 4, 1, {U(nEngineers, 2), U(nEngineers, 2), U(nEngineers, 2), U(nEngineerTank), U(nMineClearer)}},
        {"Amphib Plt", true, 3, 4, {U(nAmphibian), U(nAmphibian), U(nAmphibian), U(nRifleSquad, 2), U(nRifleSquad, 2), U(nAssaultBoat, 2)}},
        {"Tank Coy", true, 1, 2, {U(nTankUpgrade), F(gTankPlt), F(gTankPlt), F(gTankPlt), U(nLightTank)}},
        {"Mech Coy", true, 3, 2, {U(nIfv), F(gMechPlt), F(gMechPlt), F(gMotorRiflePlt), F(gAtgmSec)}},
        {"Support Company", false, 4, 2, {U(nCommand), F(gMortarSec), F(gAirDefence), F(gEngineerPlt), F(gReconPlt)}},
        {"Artillery Group", false, 2, 2, {U(nCommand), F(gArtyBty), F(gArtyBty), F(gMrlBty), U(nObserver)}},
        {"Tank Bn", true, 1, 2, {U(nCommand), F(gTankCoy), F(gTankCoy), F(gMechCoy), F(gSupportCoy), F(gAmphibPlt), U(nTruck, 4)}},
        {" Reserve", true, 4, 3, {U(nCrew, 2), U(nCrew, 2), U(nTruck, 2), U(nJeep)}},
    };
    return formations;
}

struct Keyword {
    const char* word;
    int war;
    int modern;
};

// The first keyword a class name holds picks the template whose values suit it.
constexpr Keyword kClassKeywords[] = {
    {"Anti-Tank", uSmallAtGun, nRecoilless}, {"Helicopter", uBomber, nAttackHelo},   {"Helo", uBomber, nObservationHelo},  {"Aircraft", uBomber, nStrikeJet},
    {"Boat", uTruck, nAssaultBoat},         {"Barge", uTruck, nAssaultBoat},      {"LC", uTruck, nAssaultBoat},
    {"Ship", uCoastalGun, nAssaultBoat},    {"Amphib", uHalftrack, nAmphibian},   {"SAM", uFlak, nSamVehicle},
    {"Flak", uFlak, nSpAaGun},              {"Tank", uMediumTank, nTank},         {"Truck", uTruck, nTruck},
    {"Halftrack", uHalftrack, nWheeledApc}, {"APC", uHalftrack, nWheeledApc},     {"Vehicle", uTruck, nJeep},
    {"Carrier", uTruck, nAmmoCarrier},      {"Gun", uSmallAtGun, nRecoilless},    {"Howitzer", uHowitzer, nSpHowitzer},
    {"Artillery", uHowitzer, nSpHowitzer},  {"Rocket", uHowitzer, nRocketLauncher}, {"Mortar", uMortarTeam, nMortarTeam},
    {"Armored", uArmouredCar, nScoutCar},   {"ATGM", uAtTeam, nAtgmVehicle},      {"Fort", uCoastalGun, nCrew},
    {"Emplacement", uCoastalGun, nCrew},    {"Dump", uTruck, nAmmoCarrier},
};

// clang-format on

} // namespace

std::span<const WeaponTemplate> WeaponTemplates(Era era) {
    if (era == Era::SecondWorldWar) return kWarWeapons;
    return kModernWeapons;
}

std::span<const UnitTemplate> UnitTemplates(Era era) {
    if (era == Era::SecondWorldWar) return kWarUnits;
    return kModernUnits;
}

std::span<const FormationTemplate> FormationTemplates(Era era) {
    if (era == Era::SecondWorldWar) return WarFormations();
    return ModernFormations();
}

int NationalWeapon(Era era, int weapon, int nationCode) {
    // The eastern armies of the modern files field the larger tank gun.
    static constexpr int kEastern[] = {2, 3, 10, 11, 14, 17, 19, 23, 26, 36, 37, 38, 39, 40, 43};
    if (era != Era::Modern || weapon != mGun120) return weapon;
    for (int code : kEastern)
        if (code == nationCode) return mGun125;
    return weapon;
}

const UnitTemplate& ProfileForClass(Era era, const char* className) {
    bool modern = era == Era::Modern;
    int index = modern ? static_cast<int>(nRifleSquad) : static_cast<int>(uRifleSquad);
    for (const Keyword& k : kClassKeywords) {
        if (std::strstr(className, k.word)) {
            index = modern ? k.modern : k.war;
            break;
        }
    }
    return UnitTemplates(era)[static_cast<std::size_t>(index)];
}

} // namespace quorvant::demo
