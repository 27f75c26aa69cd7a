#include "editors/ui/sidepicsheetpage.h"

#include "editors/ui/unitsidepicpage.h"
#include "editors/uniteditcontext.h"

#include <QVBoxLayout>

namespace quorvant::ui {

CSidePicSheetPage::CSidePicSheetPage(UnitEditContext& context)
    : CUnitSheetPage(context, QStringLiteral("Side Graphic"), 260) {
    page_ = new CUnitSidePicPage(*context.settings, *context.document, context.index, this);
    connect(page_, &CUnitSidePicPage::statusMessage, this, &CUnitSheetPage::statusMessage);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page_);
}

CUnitSheetPage* CSidePicSheetPage::Make(UnitEditContext& context) {
    if (!context.settings) return nullptr;
    return new CSidePicSheetPage(context);
}

void CSidePicSheetPage::OnSetActive() {
    page_->setSlot(context_.index);
    page_->OnSetActive();
}

bool CSidePicSheetPage::OnKillActive() {
    page_->OnKillActive();
    return true;
}

} // namespace quorvant::ui
