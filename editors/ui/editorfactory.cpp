#include "editors/ui/editorfactory.h"

#include "editors/tablecommit.h"
#include "editors/ui/formationeditor.h"
#include "editors/ui/unitspropsheet.h"
#include "editors/ui/weaponeditor.h"

namespace quorvant::ui {

CRecordEditor* MakeRecordEditor(int kind, CQuorvantDoc& doc, int slot, const AppSettings* settings) {
    switch (kind) {
    case kWeaponTable:
        return new CWeaponEditor(doc, slot);
    case kFormationTable:
        return new CFormationEditor(doc, slot);
    case kUnitTable:
        return new CUnitsPropSheet(doc, slot, settings);
    default:
        return nullptr;
    }
}

} // namespace quorvant::ui
