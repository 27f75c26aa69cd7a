#pragma once

// How a unit class is pictured in the lists, map-symbol style: a shape for the family (foot, towed
// gun, tank, ...), a colour for the role (anti-tank, artillery, transport, ...) and a small mark
// that tells the remaining classes of a family and role apart (weight bars, a dot, a cross, ...).

#include <string_view>
#include <vector>

namespace quorvant {

enum class SymbolShape {
    Foot,
    TowedGun,
    Tank,
    SelfPropelled,
    Halftrack,
    TrackedCarrier,
    Wheeled,
    Aircraft,
    Helicopter,
    Boat,
    Fixed,
    Flag,
    Unknown,
};

enum class SymbolRole {
    Line,
    AntiTank,
    Artillery,
    AntiAir,
    Transport,
    Command,
    Engineer,
    Recon,
    Support,
    Amphibious
};

enum class SymbolMark { None, OneBar, TwoBars, ThreeBars, Dot, Cross, Chevron, Star, Flame };

struct ClassSymbol {
    SymbolShape shape = SymbolShape::Unknown;
    SymbolRole role = SymbolRole::Support;
    SymbolMark mark = SymbolMark::None;

    bool operator==(const ClassSymbol&) const = default;
};

// The symbol of a unit class name; a name the program does not know gets the Unknown shape.
ClassSymbol SymbolForClass(std::string_view className);

// The symbols of a generation's unit class list, in list order.
std::vector<ClassSymbol> ClassSymbols(int generation);

} // namespace quorvant
