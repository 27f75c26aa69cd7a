#include "editors/ui/unitsheetpage.h"

namespace quorvant::ui {

CUnitSheetPage::CUnitSheetPage(UnitEditContext& context, const QString& title, int dialogId)
    : context_(context), title_(title) {
    setObjectName(QString::number(dialogId));
}

} // namespace quorvant::ui
