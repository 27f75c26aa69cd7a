#include "views/ui/unitview.h"

#include "obdata/quorvantdoc.h"

namespace quorvant::ui {

CUnitView::CUnitView(CQuorvantDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc) { doc_.AddObserver(this); }

CUnitView::~CUnitView() { doc_.RemoveObserver(this); }

void CUnitView::OnInitialUpdate() { ShowDisplayType(1); }

void CUnitView::ShowDisplayType(int type) {
    if (type >= 0 && type <= 2) currentKind_ = type;
    if (type == 5) currentKind_ = 2;
}

void CUnitView::setReportStyle(bool report) { reportStyle_ = report; }

void CUnitView::onDocumentUpdate(int hint) { ShowDisplayType(hint); }

} // namespace quorvant::ui
