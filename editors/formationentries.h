#pragma once

#include <string>

namespace quorvant {

class CQuorvantDoc;

// One of a formation's ten unit entries as the editor shows it: a slot number and whether it names a
// sub-formation (BW2, BW3) rather than a unit.
struct FormationEntry {
    int number = 0;
    bool flagged = false;
    bool operator==(const FormationEntry&) const = default;
};

// The highest formation an entry may name, and the first unit slot an entry may not.
constexpr int kLastSubFormation = 198;
constexpr int kUnitEntryLimit = 250;

FormationEntry DecodeFormationEntry(int generation, int stored);
int EncodeFormationEntry(const FormationEntry& entry);

// What a chosen or typed number of entry n (0-9) becomes: 0 when the entry cannot name it. Entry 0
// has no sub-formation box, so it is always held to the unit limit.
int LimitFormationEntry(int n, bool flagged, long long value);

// What an entry names, for the line beside it: "Unit 7: Tiger", "Formation 5: 1st Company",
// "No unit 300 in this file", "Empty" for an unnamed unit slot 0.
std::string DescribeFormationEntry(const CQuorvantDoc& doc, const FormationEntry& entry);

// Whether pasting over a record of this name asks first: any name but blanks.
bool NameAsksBeforePaste(const std::string& name);

} // namespace quorvant
