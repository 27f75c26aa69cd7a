#include "obdata/docsummary.h"

#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"

#include <algorithm>

namespace quorvant {
namespace {

template <class Rec> std::string Named(const std::vector<Rec>& table, const char* what) {
    auto count = std::count_if(table.begin(), table.end(), [](const Rec& r) { return !r.Name.isBlank(); });
    return std::to_string(count) + " " + what;
}

} // namespace

std::string DocumentSummary(const CQuorvantDoc& doc) {
    const std::string dot = " \u00b7 ";
    std::string text = GenerationLabel(doc.Generation);
    std::string file = doc.FileName().empty() ? doc.GetTitle() : doc.FileName();
    if (doc.Generation != kBW1) {
        const std::string& nation = EntryOrEmpty(doc.Lists.NationList, NationPosition(doc.FileNation));
        if (!nation.empty()) file += " " + nation;
    }
    if (!file.empty()) text += dot + file;
    return text + dot + Named(doc.Weapons, "weapons") + dot + Named(doc.Units, "units") + dot +
           Named(doc.Formations, "formations");
}

} // namespace quorvant
