#pragma once

#include "analysis/patch.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

// The patch file, UTF-8 JSON:
//   {"quorvant-patch": 1, "generation": "BW2", "changes": [
//     {"table": "weapons", "slot": 12, "name": "88mm KwK", "fields": {"HEKill": [40, 45]}}]}
// one change a line, its fields in record order, names as text and every other value a number.
std::string WritePatch(const Patch& patch);

// The patch text holds; nothing, with the first fault named in error, for any other shape: not JSON,
// another version, an unknown table or field, a slot past its table, a value its field cannot hold.
std::optional<Patch> ReadPatch(std::string_view text, std::string& error);

} // namespace quorvant
