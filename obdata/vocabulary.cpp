#include "obdata/vocabulary.h"

#include "obdata/datecodes.h"
#include "obdata/generation.h"
#include "obdata/stringtable.h"

#include <array>

namespace quorvant {
namespace {

void AppendRange(NameList& list, int first, int last) {
    for (int id = first; id <= last; ++id) list.emplace_back(LoadString(id));
}

} // namespace

NameList BuildNationList(int generation) {
    NameList list;
    AppendRange(list, 600, 644);
    if (generation == kBW3) {
        for (int id : {645, 634, 646, 638, 605, 606, 607, 627, 628, 602, 647,
                       648, 649, 614, 631, 629, 641, 630, 618, 650, 651})
            list.emplace_back(LoadString(id));
    }
    return list;
}

NameList BuildUnitClassList(int generation) {
    if (generation == kBW1) {
        NameList list;
        AppendRange(list, 500, 550);
        return list;
    }
    NameList list;
    AppendRange(list, 500, 512);
    for (int id :
         {560, 514, 515, 561, 517, 518, 562, 520, 521, 522, 563, 524, 564, 565, 527, 528, 566, 567, 531, 568})
        list.emplace_back(LoadString(id));
    AppendRange(list, 533, 537);
    list.emplace_back(LoadString(569));
    AppendRange(list, 539, 559);
    if (generation == kBW3) {
        list[7] = std::string(LoadString(571));
        for (int id : {519, 529, 507, 516, 530, 532, 572, 573, 574}) list.emplace_back(LoadString(id));
    }
    return list;
}

NameList BuildWeaponClassList(int generation) {
    NameList list;
    switch (generation) {
    case kBW1:
        AppendRange(list, 700, 711);
        break;
    case kBW2:
        AppendRange(list, 750, 768);
        break;
    default:
        AppendRange(list, 780, 798);
        break;
    }
    return list;
}

NameList BuildMoveClassList() {
    return {"Default", "Foot", "Wheel", "AT-wheel", "Track", "Barge", "Boat", "Amphib", "Air"};
}

NameList BuildFormationTypeList(int generation) {
    if (generation == kBW1) return {};
    return {"Default", "Single", "Multiple", "Empty", "Amphib", "HQ"};
}

void Vocabulary::build(int generation) {
    NationList = BuildNationList(generation);
    UnitClassList = BuildUnitClassList(generation);
    WeaponClassList = BuildWeaponClassList(generation);
    MoveClassList = BuildMoveClassList();
    DateList = BuildDateList(generation);
    FormationTypeList = BuildFormationTypeList(generation);
}

void Vocabulary::clear() {
    *this = Vocabulary{};
}

int NationPosition(int code) {
    return code >= 70 ? code - 26 : code;
}

const std::string& EntryOrEmpty(const NameList& list, int position) {
    static const std::string kEmpty;
    if (position < 0 || position >= static_cast<int>(list.size())) return kEmpty;
    return list[static_cast<std::size_t>(position)];
}

std::string NameOrCode(const NameList& list, int position, int code) {
    if (position < 0 || position >= static_cast<int>(list.size())) return std::to_string(code);
    return list[static_cast<std::size_t>(position)];
}

std::string NationNameOrCode(const NameList& nations, int code) {
    return NameOrCode(nations, NationPosition(code), code);
}

std::string FormationCategoryName(int category) {
    static const std::array<const char*, 11> kNames = {"Default", "Armor", "Arty.", "Inf.", "Misc", "",
                                                       "",        "",      "",      "",     "HQ"};
    if (category < 0 || category >= static_cast<int>(kNames.size())) return {};
    return kNames[static_cast<std::size_t>(category)];
}

} // namespace quorvant
