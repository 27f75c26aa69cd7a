#include "game/obmenu.h"

#include "obdata/generation.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace quorvant {
namespace {

using Labelled = std::vector<std::pair<const char*, int>>;

OBSubmenu Region(const char* label, const Labelled& nations, int generation, int commandBase) {
    OBSubmenu menu{label, {}, {}};
    for (const auto& [name, code] : nations)
        menu.entries.push_back(
            {commandBase + code, name, generation, NumberedFile(generation == kBW2 ? "MOB" : "KOB", code)});
    return menu;
}

std::vector<OBSubmenu> ModernRegions(int generation, int commandBase) {
    static const Labelled kNato = {{"&Belgium", 27},     {"&Canada", 30},        {"&Denmark", 35},
                                   {"&France", 6},       {"&Greece", 31},        {"&Italy", 34},
                                   {"&Netherlands", 28}, {"N&orway", 29},        {"&Spain", 33},
                                   {"&Turkey", 32},      {"&United Kingdom", 7}, {"US &Army", 12},
                                   {"US &Marines", 13},  {"&West Germany", 0}};
    static const Labelled kPact = {{"&Czechoslovakia", 37}, {"&East Germany", 36}, {"&Hungary", 38},
                                   {"&Poland", 2},          {"&Romania", 39},      {"R&ussia", 11}};
    static const Labelled kMiddleEast = {
        {"&Afghanistan", 26}, {"&Egypt", 1},  {"&Gulf States", 16}, {"&India", 18}, {"Ira&n", 10},
        {"Ira&q", 17},        {"Israe&l", 4}, {"&Jordan", 9},       {"Lib&ya", 40}, {"&Mujadeen", 22},
        {"&Pakistan", 25},    {"PL&O", 8},    {"&Syria", 3}};
    static const Labelled kFarEast = {{"&Australia", 15},   {"&China", 14},         {"&Japan", 5},
                                      {"North &Korea", 19}, {"North &Vietnam", 23}, {"&Taiwan", 21},
                                      {"South Ko&rea", 20}, {"South Vietna&m", 24}};
    static const Labelled kGeneric = {{"&Green", 42}, {"&Red", 43}};
    return {Region("&NATO", kNato, generation, commandBase),
            Region("&Warsaw PACT", kPact, generation, commandBase),
            Region("&Middle East", kMiddleEast, generation, commandBase),
            Region("&Far East", kFarEast, generation, commandBase),
            Region("&Generic", kGeneric, generation, commandBase)};
}

std::vector<OBSubmenu> BuildMenus() {
    OBSubmenu bw1{"BW&1 Files", {}, {}};
    bw1.entries = {
        {32842, "OB&PZ  (German, Soviet, Rumanian, French '40)", kBW1, "OBPZ"},
        {32843, "OB&BR  (UK, Yugoslavian, Belgian)", kBW1, "OBBR"},
        {32844, "OB&US  (US Army, Italian, Finnish, Hungarian, Polish '39)", kBW1, "OBUS"},
        {32845, "OB&MA  (China, Norway, Greece, Polish '44, France '44, msc US, UK)", kBW1, "OBMA"},
        {32846, "OB&JA  (US Marine, Japanese, Dutch)", kBW1, "OBJA"}};

    OBSubmenu bw2{"BW&2 Files", ModernRegions(kBW2, kFirstBW2Command), {}};

    static const Labelled kWar = {{"AN&ZAC", 90},       {"&Belgium", 78},      {"C&anada", 88},
                                  {"&China", 84},       {"Finn&land", 71},     {"&France", 76},
                                  {"Fr&ee France", 91}, {"&Germany", 70},      {"&Greece", 85},
                                  {"&India", 89},       {"&Italy", 72},        {"&Japan", 75},
                                  {"&Netherlands", 79}, {"N&orway", 86},       {"&Poland", 80},
                                  {"R&umania", 74},     {"&Soviet Union", 81}, {"United &Kingdom", 77},
                                  {"&US Army", 82},     {"US&MC", 83},         {"&Yugoslavia", 87}};
    OBSubmenu modern{"&Modern", ModernRegions(kBW3, kFirstBW3ModernCommand), {}};
    OBSubmenu bw3{"BW&3 Files", {modern, Region("&WWII", kWar, kBW3, kBW3WarCommandBase)}, {}};
    return {bw1, bw2, bw3};
}

void Collect(const OBSubmenu& menu, std::vector<OBMenuEntry>& out) {
    out.insert(out.end(), menu.entries.begin(), menu.entries.end());
    for (const OBSubmenu& sub : menu.submenus) Collect(sub, out);
}

std::vector<int> CodesOf(int generation, bool war) {
    std::vector<int> codes;
    for (const OBMenuEntry& e : AllOBMenuEntries()) {
        if (e.generation != generation) continue;
        int code = std::stoi(e.file.substr(3));
        if ((code >= kFirstWarNation) == war) codes.push_back(code);
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

} // namespace

std::string NumberedFile(const char* prefix, int code) {
    char name[16];
    std::snprintf(name, sizeof name, "%s%02d", prefix, code);
    return name;
}

const std::vector<OBSubmenu>& OBFileMenus() {
    static const std::vector<OBSubmenu> menus = BuildMenus();
    return menus;
}

std::vector<OBMenuEntry> AllOBMenuEntries() {
    std::vector<OBMenuEntry> entries;
    for (const OBSubmenu& menu : OBFileMenus()) Collect(menu, entries);
    return entries;
}

std::optional<OBOpenTarget> OBOpenTargetFor(int command) {
    if (command >= 32791 && command <= 32834)
        return OBOpenTarget{kBW2, NumberedFile("MOB", command - kFirstBW2Command), true};
    if (command >= 32847 && command <= 32890)
        return OBOpenTarget{kBW3, NumberedFile("KOB", command - kFirstBW3ModernCommand), true};
    if (command >= 32892 && command <= 32913)
        return OBOpenTarget{kBW3, NumberedFile("KOB", command - kBW3WarCommandBase), true};
    for (const OBMenuEntry& e : OBFileMenus()[0].entries)
        if (e.command == command) return OBOpenTarget{kBW1, e.file, false};
    return std::nullopt;
}

std::vector<int> BW2MenuNationCodes() {
    return CodesOf(kBW2, false);
}

std::vector<int> BW3MenuNationCodes() {
    std::vector<int> codes = CodesOf(kBW3, false);
    std::vector<int> war = CodesOf(kBW3, true);
    codes.insert(codes.end(), war.begin(), war.end());
    return codes;
}

} // namespace quorvant
