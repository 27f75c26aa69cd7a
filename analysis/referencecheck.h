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

} // namespace quorvant
