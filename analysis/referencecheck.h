#pragma once

#include <string>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

// One record that names something the game would misread.
struct Finding {
    int table = 0;
    int slot = 0;
    std::string name; // less its trailing blanks
    std::string what; // a plain sentence
};

// The named records whose references lead nowhere, in table then slot order:
// - a unit weapon that names an empty weapon slot, or one past the table, yet carries rounds;
// - a formation entry that names an empty unit slot or one past the table (0 names none);
// - a sub-formation entry (BW2, BW3) that names an empty formation, one past the table, or leads
//   back to its own formation.
// - with a picture listing (the .lbm files of the picture folder), a unit whose side picture has no
//   file in it.
std::vector<Finding> CheckReferences(const CQuorvantDoc& doc,
                                     const std::vector<std::string>* pictureListing = nullptr);

// A record that names a slot: a unit carrying a weapon (entry: its weapon slot, 0-3), a formation
// holding a unit or a sub-formation (entry: 0-9).
struct Reference {
    int table = 0;
    int slot = 0;
    int entry = 0;
    std::string name; // less its trailing blanks
    // "unit 12 Tiger I (weapon 2)"
    std::string text() const;
    // "weapon 2", "entry 3"
    std::string where() const;
};

// The named records that name the slot of the table (0 weapons, 1 units, 2 formations), in table then
// slot order; none for slot 0 (it names nothing) or a slot outside the table.
std::vector<Reference> ReferencesTo(const CQuorvantDoc& doc, int table, int slot);

} // namespace quorvant
