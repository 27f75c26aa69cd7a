#pragma once

// The invented weapons, units and formations the demo game's OB files are made of, for the two eras
// the files cover: the second world war (BW1 and the BW3 files 70 to 91) and the modern era (BW2 and
// the other BW3 files). Every name is generic: a nation's tag and a plain description.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quorvant::demo {

enum class Era { SecondWorldWar, Modern };

struct WeaponTemplate {
    const char* label;
    bool tagged;                         // prefixed with the nation's tag
    std::array<std::uint8_t, 3> classes; // weapon class in BW1, BW2, BW3
    std::uint8_t size, warhead, hePen, apPen, heKill, apKill, accuracy, maxRange, minRange, hvapRange, hvap,
        heat, sound;
};

// The movement class numbers of the vocabulary ("Default", "Foot", ...).
enum class Move : std::uint8_t { Static, Foot, Wheel, Towed, Track, Barge, Boat, Amphib, Air };

struct WeaponLoad {
    int weapon = -1; // index into the era's weapons; -1 none
    std::uint8_t he = 0;
    std::uint8_t ap = 0;
};

struct UnitTemplate {
    const char* label;
    bool tagged;
    const char* classes; // unit class names to try in turn, separated by '|'
    Move move;
    std::uint8_t men, size, speed;
    std::array<WeaponLoad, 4> load;
    std::array<std::uint8_t, 4> armour; // against AP rounds: front, side, rear, top
    std::uint8_t reactive;              // reactive armour on the front
    std::uint8_t cost;
    std::uint8_t firstYear; // years after the era's first year
    std::uint8_t lastYear;  // likewise; 0 for the era's end
    std::uint8_t lift;
};

struct FormationEntry {
    bool formation; // a sub-formation rather than a unit
    int index;      // into the era's units or formations
    std::uint8_t strength;
};

struct FormationTemplate {
    const char* label;
    bool tagged;
    std::uint8_t catagory, type;
    std::vector<FormationEntry> entries;
};

std::span<const WeaponTemplate> WeaponTemplates(Era era);
std::span<const UnitTemplate> UnitTemplates(Era era);
// The first formation is the nation's headquarters.
std::span<const FormationTemplate> FormationTemplates(Era era);

// The era's main gun for nations of the eastern armies differs; this picks a nation's variant of
// a weapon index.
int NationalWeapon(Era era, int weapon, int nationCode);

// The template whose values suit a unit of that class, for the units that show the rest of the
// class list.
const UnitTemplate& ProfileForClass(Era era, const char* className);

} // namespace quorvant::demo
