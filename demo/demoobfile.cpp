#include "demo/demoobfile.h"

#include "demo/democatalog.h"
#include "demo/demorandom.h"
#include "game/obmenu.h"
#include "obdata/datecodes.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/recordfields.h"
#include "obdata/vocabulary.h"

#include <algorithm>
#include <set>

namespace quorvant::demo {
namespace {

constexpr int kCoverageUnits = 4; // units per nation that show the rest of the class list
constexpr int kFirstWarYear = 1939;
constexpr int kLastWarYear = 1945;
constexpr int kFirstModernYear = 1950;
constexpr int kLastModernYear = 1999;

struct Month {
    int year;
    int month;
    auto operator<=>(const Month&) const = default;
};

struct Service {
    Month first;
    Month last;
};

Era EraOf(int generation, int fileNation) {
    if (generation == kBW1) return Era::SecondWorldWar;
    if (generation == kBW3 && fileNation >= 70) return Era::SecondWorldWar;
    return Era::Modern;
}

std::uint64_t Seed(const DemoOBFile& file, int nation) {
    std::uint64_t hash = 1469598103934665603ull;
    for (char c : file.name + "/" + std::to_string(nation))
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

// "West Germany" -> "WG", "US Army" -> "USA", "Poland" -> "POL".
std::string NationTag(const std::string& nation) {
    std::vector<std::string> words;
    for (std::size_t at = 0; at < nation.size();) {
        std::size_t end = nation.find(' ', at);
        if (end == std::string::npos) end = nation.size();
        if (end > at) words.push_back(nation.substr(at, end - at));
        at = end + 1;
    }
    auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
    std::string tag;
    if (words.size() == 1) {
        for (char c : words[0].substr(0, 3)) tag += upper(c);
        return tag;
    }
    for (const std::string& w : words)
        tag +=
            std::all_of(w.begin(), w.end(), [&](char c) { return upper(c) == c; }) ? w : std::string(1, w[0]);
    return tag.substr(0, 3);
}

// At most 15 characters, without a blank at the cut.
std::string FitName(std::string text) {
    if (text.size() > static_cast<std::size_t>(kNameLength)) text.resize(kNameLength);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// The nation's tag and the class name when both fit, else the class name alone.
std::string CoverageName(const std::string& tag, const std::string& className) {
    std::string tagged = tag + " " + className;
    return FitName(tagged.size() <= static_cast<std::size_t>(kNameLength) ? tagged : className);
}

// A label starting with a blank gives a name starting with one.
std::string TaggedName(const std::string& tag, const char* label, bool tagged) {
    std::string text = label;
    bool blankLed = !text.empty() && text[0] == ' ';
    if (blankLed) text.erase(0, 1);
    if (tagged) text = tag + " " + text;
    return FitName(blankLed ? " " + text : text);
}

std::uint8_t DateCode(int generation, Month m) {
    int position = 0;
    if (generation == kBW1)
        position =
            m.year == kFirstWarYear ? std::max(m.month, 9) - 9 : 4 + (m.year - 1940) * 12 + m.month - 1;
    else if (generation == kBW2)
        position = m.year - kFirstModernYear;
    else
        position = m.year - kFirstWarYear;
    return DatePositionToCode(generation, position).value_or(0);
}

int ClassIndex(const NameList& classes, const char* alternatives) {
    std::string names = alternatives;
    for (std::size_t at = 0; at <= names.size();) {
        std::size_t end = names.find('|', at);
        if (end == std::string::npos) end = names.size();
        auto it = std::find(classes.begin(), classes.end(), names.substr(at, end - at));
        if (it != classes.end()) return static_cast<int>(it - classes.begin());
        at = end + 1;
    }
    return 1; // Infantry
}

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

class FileBuilder {
  public:
    FileBuilder(CQuorvantDoc& doc, const DemoOBFile& file)
        : doc_(doc), file_(file), era_(EraOf(file.generation, file.fileNation)),
          nations_(BuildNationList(file.generation)), classes_(BuildUnitClassList(file.generation)) {}

    void build() {
        int gen = file_.generation;
        doc_.Generation = gen;
        doc_.FileNation = gen == kBW1 ? 0 : file_.fileNation;
        doc_.Weapons.assign(kWeaponSlots, CWeaponRecord{});
        doc_.Units.assign(kUnitSlots, CUnitRecord{});
        doc_.Formations.assign(kFormationSlots, CFormationRecord{});
        // The reader gives every record of a BW2 or BW3 file the file's nation.
        for (CWeaponRecord& w : doc_.Weapons) w.Generation = gen;
        for (CUnitRecord& u : doc_.Units) u.Nationality = Byte(doc_.FileNation);
        for (CFormationRecord& f : doc_.Formations) f.Country = Byte(doc_.FileNation);

        int count = static_cast<int>(file_.nations.size());
        for (int i = 0; i < count; ++i) buildNation(i, file_.nations[static_cast<std::size_t>(i)], count);
    }

  private:
    struct Block {
        int nation;
        int index;
        std::string tag;
        int weaponBase;
        std::vector<int> unitSlots;       // by unit template; -1 when left out
        std::vector<Service> unitService; // by unit template
        std::vector<int> formationSlots;  // by formation template
        std::vector<std::optional<Service>> formationService;
    };

    void buildNation(int index, int nation, int nationCount) {
        DemoRandom random(Seed(file_, nation));
        Block block{nation,      index, NationTag(EntryOrEmpty(nations_, NationPosition(nation))),
                    nextWeapon_, {},    {},
                    {},          {}};
        addWeapons(block, random);
        addUnits(block, random, (kUnitSlots - 1) / nationCount);
        addFormations(block, kFormationSlots / nationCount);
    }

    void addWeapons(Block& block, DemoRandom& random) {
        int gen = file_.generation;
        for (const WeaponTemplate& t : WeaponTemplates(era_)) {
            CWeaponRecord& w = doc_.Weapons[static_cast<std::size_t>(nextWeapon_++)];
            w.Class = t.classes[static_cast<std::size_t>(gen)];
            w.WepSound = gen == kBW3 ? t.sound : 0;
            w.WepSize = t.size;
            w.Warhead = t.warhead;
            w.HEPen = Byte(random.vary(t.hePen, 5));
            w.APPen = Byte(random.vary(t.apPen, 5));
            w.HEKill = Byte(random.vary(t.heKill, 5));
            w.APKill = Byte(random.vary(t.apKill, 5));
            w.Accuracy = Byte(random.vary(t.accuracy, 10));
            w.MaxRange = Byte(random.vary(t.maxRange, 5));
            w.MinRange = gen == kBW1 ? t.hvapRange : t.minRange;
            w.HVAP = Byte(random.vary(t.hvap, 5));
            w.HEAT = Byte(random.vary(t.heat, 5));
            SetRecordName(w, TaggedName(block.tag, t.label, t.tagged));
        }
        ++nextWeapon_; // an empty slot between the nations' weapons
    }

    Service ServiceOf(const UnitTemplate& t, DemoRandom& random) const {
        bool war = era_ == Era::SecondWorldWar;
        int firstYear = war ? kFirstWarYear : kFirstModernYear;
        int lastYear = war ? kLastWarYear : kLastModernYear;
        Month first{std::min(firstYear + t.firstYear + random.between(0, war ? 0 : 3), lastYear),
                    random.between(1, 12)};
        if (first.year == kFirstWarYear) first.month = std::max(first.month, 9);
        Month last{t.lastYear ? firstYear + t.lastYear : lastYear, 12};
        if (last < first) last = first;
        return {first, last};
    }

    void addUnits(Block& block, DemoRandom& random, int budget) {
        auto templates = UnitTemplates(era_);
        int room = budget - kCoverageUnits - 1;
        block.unitSlots.assign(templates.size(), -1);
        block.unitService.assign(templates.size(), Service{});
        for (std::size_t i = 0; i < templates.size(); ++i) {
            block.unitService[i] = ServiceOf(templates[i], random);
            if (static_cast<int>(i) >= room) continue;
            if (i == 10) ++nextUnit_; // an empty slot among the units
            block.unitSlots[i] = nextUnit_;
            fillUnit(block, templates[i], ClassIndex(classes_, templates[i].classes),
                     TaggedName(block.tag, templates[i].label, templates[i].tagged), block.unitService[i],
                     random);
        }
        for (int k = 0; k < kCoverageUnits; ++k) {
            int coverage = file_.coverageStart + block.index * kCoverageUnits + k;
            int classIndex = coverage % static_cast<int>(classes_.size());
            const std::string& className = classes_[static_cast<std::size_t>(classIndex)];
            const UnitTemplate& profile = ProfileForClass(era_, className.c_str());
            fillUnit(block, profile, classIndex, CoverageName(block.tag, className),
                     ServiceOf(profile, random), random);
        }
    }

    void fillUnit(const Block& block, const UnitTemplate& t, int classIndex, const std::string& name,
                  const Service& service, DemoRandom& random) {
        int gen = file_.generation;
        bool modern = era_ == Era::Modern;
        bool vehicle = t.move != Move::Foot;
        int slot = nextUnit_++;
        CUnitRecord& u = doc_.Units[static_cast<std::size_t>(slot)];
        u.Class = Byte(classIndex);
        u.Symbol = gen == kBW1 ? Byte(1 + classIndex) : 0;
        u.Size = t.size;
        u.Men = Byte(random.vary(t.men, 10));
        bool hvap = false;
        bool heat = false;
        for (std::size_t k = 0; k < t.load.size(); ++k) {
            if (t.load[k].weapon < 0) continue;
            int weapon = NationalWeapon(era_, t.load[k].weapon, block.nation);
            const WeaponTemplate& w = WeaponTemplates(era_)[static_cast<std::size_t>(weapon)];
            u.Wpn[k] = Byte(block.weaponBase + weapon);
            u.Ammo[2 * k] = Byte(random.vary(t.load[k].he, 10));
            u.Ammo[2 * k + 1] = Byte(random.vary(t.load[k].ap, 10));
            hvap = hvap || w.hvap > 0;
            heat = heat || (w.heat > 0 && w.size >= 3);
        }
        u.LandSpeed = Byte(random.vary(t.speed, 8));
        auto [front, side, rear, top] = t.armour;
        u.ArmorAP = {front, side, rear, Byte(front * 11 / 10), side, rear, top};
        u.ArmorHEAT = u.ArmorAP;
        if (modern && front >= 60) {
            u.ArmorHEAT[0] = Byte(front * 3 / 2);
            u.ArmorHEAT[3] = Byte(front * 33 / 20);
        }
        u.Radio = (vehicle || modern || t.cost >= 20) ? 1 : 0;
        u.Cost = Byte(random.vary(t.cost, 10));
        if (gen == kBW1) u.Nationality = Byte(block.nation);
        u.SideView = static_cast<std::uint16_t>(1 + (classIndex * 7 + block.index) % 40);
        u.FireControl = Byte(modern ? 2 + t.cost / 40 : (vehicle ? 2 : 1));
        u.HVAPAmmo = hvap ? Byte(random.between(3, 8)) : 0;
        u.HEATAmmo = heat ? Byte(random.between(4, 10)) : 0;
        u.Available = DateCode(gen, service.first);
        u.UnAvailable = DateCode(gen, service.last);
        if (gen == kBW3) u.AvailMonth = Byte(service.first.month);
        if (gen != kBW1) {
            bool armoured = front >= 30 && t.move == Move::Track;
            u.ArmorRA = {t.reactive, Byte(t.reactive / 3), 0, t.reactive, Byte(t.reactive / 3), 0, 0};
            u.Vision = Byte(t.move == Move::Air ? 10 : (vehicle ? 5 : 7));
            u.ROF = Byte(t.load[0].weapon >= 0 &&
                                 WeaponTemplates(era_)[static_cast<std::size_t>(t.load[0].weapon)].size <= 2
                             ? 6
                             : 3);
            u.Stabilizer = Byte(armoured ? 1 + t.firstYear / 15 : 0);
            u.RangeFinder = Byte(armoured ? 1 + t.firstYear / 12 : 0);
            u.EW = Byte(t.move == Move::Air || t.cost >= 150 ? 1 + t.cost / 100 : 0);
            u.LiftCap = t.lift;
            u.Survivability = Byte(1 + front / 12);
            u.LoadCost = Byte(vehicle ? (t.size <= 2 ? t.size * 3 : 0) : 1 + u.Men / 3);
            u.Symbol2 = static_cast<std::uint16_t>(200 + classIndex * 3);
            u.WaterSpeed = Byte(t.move == Move::Amphib || t.move == Move::Boat ? random.between(3, 8) : 0);
            u.MoveClass = static_cast<std::uint8_t>(t.move);
            u.SmokeDscg = Byte(armoured ? 2 : 0);
        }
        if (slot % 16 == 5) {
            // Bytes the game keeps but the editor only carries.
            std::uint8_t* spares[] = {&u.Spare1,  &u.Spare2,  &u.Spare3,  &u.Spare4,  &u.Spare5,
                                      &u.Spare6,  &u.Spare7,  &u.Spare8,  &u.Spare9,  &u.Spare10,
                                      &u.Spare11, &u.Spare12, &u.Spare13, &u.Spare14, &u.Spare15};
            for (std::size_t k = 0; k < std::size(spares); ++k) *spares[k] = Byte(static_cast<int>(k) + 1);
        }
        SetRecordName(u, name);
    }

    // The span a formation can serve: from when its last part arrives to when its first leaves.
    std::optional<Service> FormationService(Block& block, int index, std::set<int>& visiting) {
        auto& known = block.formationService[static_cast<std::size_t>(index)];
        if (known) return known;
        if (!visiting.insert(index).second) return std::nullopt;
        std::optional<Service> span;
        for (const FormationEntry& e : FormationTemplates(era_)[static_cast<std::size_t>(index)].entries) {
            std::optional<Service> part =
                e.formation ? FormationService(block, e.index, visiting)
                            : std::optional(block.unitService[static_cast<std::size_t>(e.index)]);
            if (!part) continue;
            if (!span) span = part;
            span->first = std::max(span->first, part->first);
            span->last = std::min(span->last, part->last);
        }
        if (span && span->last < span->first) span->last = span->first;
        known = span;
        return span;
    }

    void addFormations(Block& block, int budget) {
        int gen = file_.generation;
        auto templates = FormationTemplates(era_);
        std::size_t count = std::min(templates.size(), static_cast<std::size_t>(budget));
        block.formationSlots.assign(templates.size(), -1);
        block.formationService.assign(templates.size(), std::nullopt);
        for (std::size_t i = 0; i < count; ++i) block.formationSlots[i] = nextFormation_++;
        for (std::size_t i = 0; i < count; ++i) {
            const FormationTemplate& t = templates[i];
            CFormationRecord& f = doc_.Formations[static_cast<std::size_t>(block.formationSlots[i])];
            if (gen == kBW1) f.Country = Byte(block.nation);
            f.Catagory = t.catagory;
            f.Type = t.type;
            f.SpcFlg = gen == kBW3 && t.type == 5 ? 1 : 0;
            int n = 0;
            for (const FormationEntry& e : t.entries) {
                if (n == kFormationEntries) break;
                int value = -1;
                if (!e.formation)
                    value = block.unitSlots[static_cast<std::size_t>(e.index)];
                else if (gen != kBW1 && n > 0 && block.formationSlots[static_cast<std::size_t>(e.index)] >= 0)
                    value = kSubFormationBase + block.formationSlots[static_cast<std::size_t>(e.index)];
                if (value < 0) continue;
                f.setUnitEntry(gen, n, value);
                if (gen == kBW3) f.UnitStr[static_cast<std::size_t>(n)] = e.strength;
                ++n;
            }
            std::set<int> visiting;
            if (auto service = FormationService(block, static_cast<int>(i), visiting)) {
                f.Avail = DateCode(gen, service->first);
                f.UnAvail = DateCode(gen, service->last);
                if (gen != kBW1) f.AvailMon = Byte(service->first.month);
            }
            SetRecordName(f, TaggedName(block.tag, t.label, t.tagged));
        }
    }

    CQuorvantDoc& doc_;
    const DemoOBFile& file_;
    Era era_;
    NameList nations_;
    NameList classes_;
    int nextWeapon_ = 1; // slot 0 of weapons and units stays empty: 0 means "none" in references
    int nextUnit_ = 1;
    int nextFormation_ = 0;
};

} // namespace

std::vector<DemoOBFile> DemoOBFiles() {
    std::vector<DemoOBFile> files;
    int coverage[3] = {0, 0, 0};
    auto add = [&](int generation, std::string name, int fileNation, std::vector<int> nations) {
        int start = coverage[generation];
        coverage[generation] += static_cast<int>(nations.size()) * kCoverageUnits;
        files.push_back({generation, std::move(name), fileNation, std::move(nations), start});
    };
    // The nations each BW1 file's menu entry names, as positions of the BW1 nation list.
    const std::vector<std::pair<std::string, std::vector<int>>> bw1 = {{"OBPZ", {44, 11, 39, 6}},
                                                                       {"OBBR", {7, 41, 27}},
                                                                       {"OBUS", {12, 34, 38, 2}},
                                                                       {"OBMA", {14, 29, 31, 2, 6, 12, 7}},
                                                                       {"OBJA", {13, 5, 28}}};
    for (const auto& [name, nations] : bw1) add(kBW1, name, 0, nations);

    char name[16];
    for (int code : BW2MenuNationCodes()) {
        std::snprintf(name, sizeof name, "MOB%02d", code);
        add(kBW2, name, code, {code});
    }
    std::vector<int> bw3 = BW3MenuNationCodes();
    for (int code = 70; code <= 91; ++code)
        if (std::find(bw3.begin(), bw3.end(), code) == bw3.end()) bw3.push_back(code);
    std::sort(bw3.begin(), bw3.end());
    for (int code : bw3) {
        std::snprintf(name, sizeof name, "KOB%02d", code);
        add(kBW3, name, code, {code});
    }
    return files;
}

void FillDemoDocument(CQuorvantDoc& doc, const DemoOBFile& file) {
    FileBuilder(doc, file).build();
}

} // namespace quorvant::demo
