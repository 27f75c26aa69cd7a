#pragma once

#include "cli/tables.h"

#include <string>

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::cli {

// One field of one slot to change, as the command line names it: field "Wpn[2]", value "17".
struct FieldEdit {
    Table table = Table::Units;
    std::string slot;
    std::string field;
    std::string value;
};

// Checks the edit against the document (slot, field, element and value in range; a name of at
// most 15 Latin-1 characters given as UTF-8) and applies it. On failure nothing changes and error
// says why; on success change describes the old and new value.
bool ApplyFieldEdit(CQuorvantDoc& doc, const FieldEdit& edit, std::string& change, std::string& error);

// Why the document, written and read back, would not give the records it holds (a value its
// generation's file does not keep, or a change of generation); empty when it reads back the same.
std::string ReadBackProblem(const CQuorvantDoc& doc, const FieldEdit& edit);

} // namespace quorvant::cli
