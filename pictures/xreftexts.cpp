#include "pictures/xreftexts.h"

#include "obdata/datecodes.h"
#include "obdata/generation.h"
#include "obdata/vocabulary.h"

#include <cstdio>

namespace quorvant {

std::string CrossReferenceDate(std::uint8_t code, int generation) {
    if (generation == kBW1) return BW1DateName(code).value_or("");
    if (code == 0) return generation == kBW2 ? "1950" : "1939";
    char text[8];
    std::snprintf(text, sizeof text, "19%02u", static_cast<unsigned>(code));
    return text;
}

std::vector<std::string> CrossReferenceCells(const CPicUseRecord& record, int generation,
                                             const std::vector<std::string>& nationList) {
    return {std::to_string(record.Unit), record.Name,
            EntryOrEmpty(nationList, NationPosition(record.Nationality)),
            CrossReferenceDate(record.Available, generation),
            CrossReferenceDate(record.UnAvailable, generation)};
}

} // namespace quorvant
