#pragma once

#include <string>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

// One field of a patch: its value before and after, as obtool diff prints them (numbers in decimal,
// a name as its Latin-1 text less trailing blanks). A field whose from equals its to sets that value
// whatever a file holds.
struct PatchField {
    std::string field; // as obtool set names it: "HEKill", "Name", "Wpn[2]"
    std::string from;
    std::string to;
};

// The changed fields of one record, found by its slot or by its name.
struct PatchChange {
    int table = 0;
    int slot = 0;
    std::string name; // in the file the patch was made from, less its trailing blanks
    std::vector<PatchField> fields;
};

// Changes to carry from one OB file to others of its generation.
struct Patch {
    int generation = 0;
    std::vector<PatchChange> changes;
};

// The patch that turns a into b (documents of one generation): the fields CompareDocuments lists,
// record by record.
Patch MakePatch(const CQuorvantDoc& a, const CQuorvantDoc& b);

// Every field the file keeps of one record but its name (and in BW2 and BW3 its nation, which each
// file holds for itself), as values to set: the record copied onto the records of its name elsewhere.
Patch MakeRecordPatch(const CQuorvantDoc& doc, int table, int slot);

// "Name" holds text; every other field a number.
bool IsTextField(const std::string& field);

} // namespace quorvant
