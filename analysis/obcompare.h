#pragma once

#include <string>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

// One field that differs between two documents of one generation.
struct FieldDifference {
    int table = 0;
    int slot = 0;
    std::string name;  // the record's name in the first document, less its trailing blanks
    std::string field; // as obtool set names it: "HEPen", "Name", "Wpn[2]" (elements from 0)
    std::string a;
    std::string b;
};

// Every field of every slot that differs, in table, slot and field order. A slot that only one
// document holds (a short file) compares against an empty record.
std::vector<FieldDifference> CompareDocuments(const CQuorvantDoc& a, const CQuorvantDoc& b);

// Whether d is the nation a BW2 or BW3 file keeps once for all its records (a unit's Nationality, a
// formation's Country): two files of two nations differ there in every slot, and no patch can carry it
// to a file of its own nation.
bool IsFileNation(const CQuorvantDoc& doc, const FieldDifference& d);

} // namespace quorvant
