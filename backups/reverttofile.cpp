#include "backups/reverttofile.h"

#include <algorithm>

namespace quorvant {
namespace {

template <class Records> std::vector<int> Take(Records& mine, const Records& theirs) {
    std::vector<int> changed;
    const std::size_t count = std::min(mine.size(), theirs.size());
    for (std::size_t slot = 0; slot < count; ++slot) {
        if (mine[slot] == theirs[slot]) continue;
        mine[slot] = theirs[slot];
        changed.push_back(static_cast<int>(slot));
    }
    return changed;
}

} // namespace

CQuorvantDoc::SlotsByTable TakeRecordsOf(CQuorvantDoc& doc, const CQuorvantDoc& source) {
    return {Take(doc.Weapons, source.Weapons), Take(doc.Units, source.Units),
            Take(doc.Formations, source.Formations)};
}

} // namespace quorvant
