#include "obdata/readbackcheck.h"

#include "obdata/obwriter.h"

namespace quorvant {
namespace {

template <class Rec> int Changed(const std::vector<Rec>& held, const std::vector<Rec>& readBack) {
    int changed = 0;
    for (std::size_t i = 0; i < held.size(); ++i) {
        Rec expected = held[i];
        expected.Name.assignPadded(held[i].Name.view());
        if (i >= readBack.size() || !(expected == readBack[i])) ++changed;
    }
    return changed;
}

} // namespace

ReadBackCheck::ReadBackCheck(const CQuorvantDoc& doc)
    : held_(doc), readBack_(std::make_unique<CQuorvantDoc>()) {
    readBack_->ReadBytes(BuildOBImage(doc));
}

int ReadBackCheck::changedRecords() const {
    return Changed(held_.Weapons, readBack_->Weapons) + Changed(held_.Units, readBack_->Units) +
           Changed(held_.Formations, readBack_->Formations);
}

} // namespace quorvant
