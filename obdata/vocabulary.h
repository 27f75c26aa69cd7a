#pragma once

#include <string>
#include <vector>

namespace quorvant {

using NameList = std::vector<std::string>;

// The display names that turn a record's code bytes into text, for one generation.
struct Vocabulary {
    NameList NationList;
    NameList UnitClassList;
    NameList WeaponClassList;
    NameList MoveClassList;
    NameList DateList;
    NameList FormationTypeList; // BW2 and BW3 only

    void build(int generation);
    void clear();
};

NameList BuildNationList(int generation);
NameList BuildUnitClassList(int generation);
NameList BuildWeaponClassList(int generation);
NameList BuildMoveClassList();
NameList BuildFormationTypeList(int generation);

// Position in the nation list of a nation code: codes of 70 and more sit at code - 26.
int NationPosition(int code);

// The list entry at position, or the empty string outside the list.
const std::string& EntryOrEmpty(const NameList& list, int position);

// The list entry at position, or the code's number where the list has none.
std::string NameOrCode(const NameList& list, int position, int code);

// A nation code as the lists show it: its name, or its number outside the list.
std::string NationNameOrCode(const NameList& nations, int code);

// The formation category names of the record list: 0-4, 5-9 empty, 10 "HQ"; empty outside.
std::string FormationCategoryName(int category);

} // namespace quorvant
