#pragma once

#include "editors/ui/recordeditor.h"
#include "editors/uniteditcontext.h"

#include <vector>

class QTabWidget;

namespace quorvant {
struct AppSettings;
}

namespace quorvant::ui {

class CUnitSheetPage;
class CUnitDataPage;

// "Unit Information": the unit's pages in one floating window. The data page carries the moves
// between units and the OK and Cancel buttons.
class CUnitsPropSheet : public CRecordEditor {
    Q_OBJECT
  public:
    // Without settings the sheet has no Side Graphic page, for it cannot find the pictures.
    CUnitsPropSheet(CQuorvantDoc& doc, int slot, const AppSettings* settings = nullptr);

    int CurrentSlot() const override { return context_.index; }
    void RePoint(int slot) override;

    UnitEditContext& context() { return context_; }
    QTabWidget* tabs() const { return tabs_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    CUnitSheetPage* page(int index) const;
    CUnitSheetPage* ActivePage() const { return page(active_); }
    // Shows the page at index, as a click on its tab does; false when the page shown refused.
    bool SetActivePage(int index);

  protected:
    bool StoreForCommit() override;

  private:
    void OnTabChanged(int index);
    void ShowHelpForFocus();

    UnitEditContext context_;
    QTabWidget* tabs_ = nullptr;
    std::vector<CUnitSheetPage*> pages_;
    CUnitDataPage* dataPage_ = nullptr;
    int active_ = 0;
    bool switching_ = false;
};

} // namespace quorvant::ui
