#include "views/classsymbols.h"

#include "obdata/vocabulary.h"

#include <array>

namespace quorvant {
namespace {

using S = SymbolShape;
using R = SymbolRole;
using M = SymbolMark;

struct Entry {
    std::string_view name;
    ClassSymbol symbol;
};

// Light, medium and heavy variants of one kind share shape and colour and differ in bars.
constexpr std::array kSymbols = {
    Entry{"Fort", {S::Fixed, R::Line, M::None}},
    Entry{"Infantry", {S::Foot, R::Line, M::None}},
    Entry{"Inf-AT", {S::Foot, R::AntiTank, M::None}},
    Entry{"Cavalry", {S::Foot, R::Recon, M::Chevron}},
    Entry{"Machinegun", {S::Foot, R::Line, M::Dot}},
    Entry{"Mortar", {S::TowedGun, R::Artillery, M::OneBar}},
    Entry{"Anti-Tank Gun", {S::TowedGun, R::AntiTank, M::None}},
    Entry{"Infantry Gun", {S::TowedGun, R::Line, M::None}},
    Entry{"Flak", {S::TowedGun, R::AntiAir, M::None}},
    Entry{"Howitzer", {S::TowedGun, R::Artillery, M::TwoBars}},
    Entry{"Artillery", {S::TowedGun, R::Artillery, M::None}},
    Entry{"Armored Car", {S::Wheeled, R::Recon, M::None}},
    Entry{"Light Tank", {S::Tank, R::Line, M::OneBar}},
    Entry{"Medium Tank", {S::Tank, R::Line, M::TwoBars}},
    Entry{"Heavy Tank", {S::Tank, R::Line, M::ThreeBars}},
    Entry{"CS-Tank", {S::Tank, R::Artillery, M::None}},
    Entry{"Infantry Tank", {S::Tank, R::Line, M::Cross}},
    Entry{"Flame-Tank", {S::Tank, R::Line, M::Flame}},
    Entry{"Assault Gun", {S::SelfPropelled, R::Line, M::None}},
    Entry{"Tank Destroyer", {S::SelfPropelled, R::AntiTank, M::None}},
    Entry{"Engineer", {S::Foot, R::Engineer, M::None}},
    Entry{"SP-Artillery", {S::SelfPropelled, R::Artillery, M::None}},
    Entry{"SP-Flak", {S::SelfPropelled, R::AntiAir, M::None}},
    Entry{"APC", {S::TrackedCarrier, R::Transport, M::None}},
    Entry{"Halftrack", {S::Halftrack, R::Transport, M::None}},
    Entry{"Heavy Halftrack", {S::Halftrack, R::Transport, M::ThreeBars}},
    Entry{"Light Truck", {S::Wheeled, R::Transport, M::OneBar}},
    Entry{"Medium Truck", {S::Wheeled, R::Transport, M::TwoBars}},
    Entry{"Heavy Truck", {S::Wheeled, R::Transport, M::ThreeBars}},
    Entry{"Heavy Tank Destroyer", {S::SelfPropelled, R::AntiTank, M::ThreeBars}},
    Entry{"Cruiser Tank", {S::Tank, R::Recon, M::None}},
    Entry{"Rocket", {S::TowedGun, R::Artillery, M::Chevron}},
    Entry{"Command Tank", {S::Tank, R::Command, M::None}},
    Entry{"Amphibian", {S::TrackedCarrier, R::Amphibious, M::None}},
    Entry{"Heavy Amphibian", {S::TrackedCarrier, R::Amphibious, M::ThreeBars}},
    Entry{"Amphib Tank", {S::Tank, R::Amphibious, M::None}},
    Entry{"Mineclearing Tank", {S::Tank, R::Engineer, M::Cross}},
    Entry{"Engineer Tank", {S::Tank, R::Engineer, M::None}},
    Entry{"Heavy AT Gun", {S::TowedGun, R::AntiTank, M::ThreeBars}},
    Entry{"SP-Gun", {S::SelfPropelled, R::Line, M::Dot}},
    Entry{"Heavy Infantry", {S::Foot, R::Line, M::ThreeBars}},
    Entry{"Landing Barge", {S::Boat, R::Transport, M::None}},
    Entry{"Assault Boat", {S::Boat, R::Line, M::None}},
    Entry{"LCS", {S::Boat, R::AntiAir, M::None}},
    Entry{"Aircraft", {S::Aircraft, R::Line, M::None}},
    Entry{"Sniper", {S::Foot, R::Recon, M::Dot}},
    Entry{"LCG", {S::Boat, R::Artillery, M::None}},
    Entry{"Helicopter", {S::Helicopter, R::Transport, M::None}},
    Entry{"Barge-Carrier", {S::Boat, R::Transport, M::ThreeBars}},
    Entry{"Mortorcycle", {S::Wheeled, R::Recon, M::OneBar}},
    Entry{"Attack Helicopter", {S::Helicopter, R::AntiTank, M::None}},
    Entry{"Light Infantry", {S::Foot, R::Line, M::OneBar}},
    Entry{"Wheeled ATGM", {S::Wheeled, R::AntiTank, M::Chevron}},
    Entry{"Observation Helo", {S::Helicopter, R::Recon, M::None}},
    Entry{"Crew", {S::Foot, R::Support, M::None}},
    Entry{"HQ", {S::Flag, R::Command, M::None}},
    Entry{"Ammo Carrier", {S::TrackedCarrier, R::Support, M::None}},
    Entry{"FO Vehicle", {S::Wheeled, R::Artillery, M::Dot}},
    Entry{"Scout", {S::Foot, R::Recon, M::None}},
    Entry{"Airborne IFV", {S::TrackedCarrier, R::Line, M::None}},
    Entry{"Main Battle Tank", {S::Tank, R::Line, M::Star}},
    Entry{"LR -SAM", {S::Wheeled, R::AntiAir, M::Chevron}},
    Entry{"SP-STGM", {S::SelfPropelled, R::AntiTank, M::Chevron}},
    Entry{"APC-Wheeled", {S::Wheeled, R::Transport, M::None}},
    Entry{"APC-Tracked", {S::TrackedCarrier, R::Transport, M::Dot}},
    Entry{"Utility Vehicle", {S::Wheeled, R::Support, M::None}},
    Entry{"Infantry-SAM", {S::Foot, R::AntiAir, M::None}},
    Entry{"SP-SAM", {S::SelfPropelled, R::AntiAir, M::Chevron}},
    Entry{"Scout Vehicle", {S::Wheeled, R::Recon, M::Dot}},
    Entry{"SP-Mortar", {S::SelfPropelled, R::Artillery, M::OneBar}},
    Entry{"Grenade Launcher", {S::Foot, R::Artillery, M::None}},
    Entry{"Ammo Dump", {S::Fixed, R::Support, M::None}},
    Entry{"Ship", {S::Boat, R::Line, M::ThreeBars}},
    Entry{"Emplacement", {S::Fixed, R::Artillery, M::None}},
};

} // namespace

ClassSymbol SymbolForClass(std::string_view className) {
    for (const Entry& e : kSymbols)
        if (e.name == className) return e.symbol;
    return {};
}

std::vector<ClassSymbol> ClassSymbols(int generation) {
    std::vector<ClassSymbol> symbols;
    for (const std::string& name : BuildUnitClassList(generation)) symbols.push_back(SymbolForClass(name));
    return symbols;
}

} // namespace quorvant
