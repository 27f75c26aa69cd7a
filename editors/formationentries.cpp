#include "editors/formationentries.h"

#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"

namespace quorvant {

FormationEntry DecodeFormationEntry(int generation, int stored) {
    if (generation != kBW1 && stored >= kSubFormationBase) return {stored - kSubFormationBase, true};
    return {stored, false};
}

int EncodeFormationEntry(const FormationEntry& entry) {
    return entry.flagged ? entry.number + kSubFormationBase : entry.number;
}

int LimitFormationEntry(int n, bool flagged, long long value) {
    if (flagged && n > 0) return value > kLastSubFormation || value < 0 ? 0 : static_cast<int>(value);
    return value >= kUnitEntryLimit || value < 0 ? 0 : static_cast<int>(value);
}

std::string DescribeFormationEntry(const CQuorvantDoc& doc, const FormationEntry& entry) {
    const char* kind = entry.flagged ? "Formation" : "Unit";
    const std::size_t count = entry.flagged ? doc.Formations.size() : doc.Units.size();
    const std::string number = std::to_string(entry.number);
    if (entry.number < 0 || static_cast<std::size_t>(entry.number) >= count)
        return std::string("No ") + (entry.flagged ? "formation " : "unit ") + number + " in this file";
    const std::size_t slot = static_cast<std::size_t>(entry.number);
    std::string name = entry.flagged ? doc.Formations[slot].Name.trimmed() : doc.Units[slot].Name.trimmed();
    if (name.find_first_not_of(' ') == std::string::npos) {
        // Unit slot 0 is the game's empty entry.
        if (!entry.flagged && entry.number == 0) return "Empty";
        name = "(no name)";
    }
    return std::string(kind) + " " + number + ": " + name;
}

bool NameAsksBeforePaste(const std::string& name) {
    return name.find_first_not_of(' ') != std::string::npos;
}

} // namespace quorvant
