#include "editors/uniteditcontext.h"

#include "editors/fieldrules.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"

namespace quorvant {

namespace {
constexpr int kLastEditableSlot = kUnitSlots - 1;
} // namespace

CUnitRecord& UnitEditContext::record() const {
    return document->Units.at(static_cast<std::size_t>(index));
}

int UnitEditContext::unitCount() const {
    return static_cast<int>(document->Units.size());
}

std::optional<int> MoveTarget(UnitMove move, int index, int unitCount) {
    switch (move) {
    case UnitMove::First:
        return 1;
    case UnitMove::Previous:
        if (index >= 2) return index - 1;
        return std::nullopt;
    case UnitMove::Next:
        if (index < unitCount - 1) return index + 1;
        return std::nullopt;
    case UnitMove::Last:
        if (unitCount >= 2) return unitCount - 1;
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<int> TypedUnitTarget(std::string_view text, int unitCount) {
    std::optional<long long> value = ParseInteger(text);
    if (!value || *value < 1 || *value > kLastEditableSlot || *value >= unitCount) return std::nullopt;
    return static_cast<int>(*value);
}

MoveButtons MoveButtonsAt(int index) {
    bool back = index > 1;
    bool forward = index < kLastEditableSlot;
    return {back, back, forward, forward};
}

int TypedListSelection(long long value, int listSize) {
    if (value > 250) return listSize > 0 ? 0 : -1;
    if (value < 0 || value >= listSize) return -1;
    return static_cast<int>(value);
}

bool PasteAsksFirst(const CUnitRecord& record) {
    return record.Name.view().find_first_not_of(' ') != std::string_view::npos;
}

void CopyUnit(CQuorvantDoc& doc, const CUnitRecord& record) {
    doc.UnitCopyBuffer = record;
}

bool PasteUnit(CQuorvantDoc& doc, int index) {
    if (!doc.UnitCopyBuffer || index < 0 || index >= static_cast<int>(doc.Units.size())) return false;
    CUnitRecord& target = doc.Units[static_cast<std::size_t>(index)];
    target = *doc.UnitCopyBuffer;
    if (doc.Generation == kBW1) target.Name.assign("RENAME ME");
    if (index < static_cast<int>(doc.UnitNameList.size()))
        doc.UnitNameList[static_cast<std::size_t>(index)] = target.Name.str();
    doc.SetModifiedFlag(true);
    return true;
}

} // namespace quorvant
