#pragma once

#include "analysis/referencecheck.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

// "Weapon 7 75mm KwK", "Unit 3" for a slot without a name.
std::string RecordTitle(const CQuorvantDoc& doc, int table, int slot);

// Whether the slot holds a record to clear: inside the table, not slot 0, its name not blank.
bool CanClearRecord(const CQuorvantDoc& doc, int table, int slot);

// Empties the slot as one step of the history named verb and the record ("Clear Unit 3 Panther"): a
// blank name and every field 0, but for what the file holds for the whole document (the nation of a
// BW2 or BW3 file, a weapon's generation, the strengths that mark a BW3 file), so the slot reads back
// as it is held and the file still saves. False, changing nothing, when it cannot be cleared.
bool ClearRecord(CQuorvantDoc& doc, int table, int slot, const std::string& verb = "Clear");
// The same for every slot given that can be cleared, as one step ("Clear 5 Units"); the slots cleared.
std::vector<int> ClearRecords(CQuorvantDoc& doc, int table, const std::vector<int>& slots,
                              const std::string& verb = "Clear");

// The references one a line, at most cap of them, then "and N more".
std::string ReferenceLines(const std::vector<Reference>& references, std::size_t cap = 10);

// The question asked before clearing a slot others name.
std::string ClearQuestion(const CQuorvantDoc& doc, int table, int slot,
                          const std::vector<Reference>& references);
// The one question asked before clearing several slots, naming the records that name them.
std::string ClearManyQuestion(int table, std::size_t count, const std::vector<Reference>& references);

} // namespace quorvant
