#pragma once

#include "editors/ui/unitsheetpage.h"

namespace quorvant::ui {

class CUnitSidePicPage;

// The Side Graphic page as the unit sheet's fourth page: it follows the sheet's unit and only shows
// pictures, so leaving it never stores anything.
class CSidePicSheetPage : public CUnitSheetPage {
    Q_OBJECT
  public:
    explicit CSidePicSheetPage(UnitEditContext& context);

    // Nothing when the program's settings are not known (a sheet made on its own).
    static CUnitSheetPage* Make(UnitEditContext& context);

    void OnSetActive() override;
    bool OnKillActive() override;
    CUnitSidePicPage* picturePage() const { return page_; }

  private:
    CUnitSidePicPage* page_ = nullptr;
};

} // namespace quorvant::ui
