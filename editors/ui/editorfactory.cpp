#include "editors/ui/editorfactory.h"

#include "editors/tablecommit.h"
#include "editors/ui/unitspropsheet.h"

namespace quorvant::ui {

CRecordEditor* MakeRecordEditor(int kind, CQuorvantDoc& doc, int slot) {
    switch (kind) {
    case kUnitTable:
        return new CUnitsPropSheet(doc, slot);
    default:
        return nullptr;
    }
}

} // namespace quorvant::ui
