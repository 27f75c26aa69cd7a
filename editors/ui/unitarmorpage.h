#pragma once

#include "editors/ui/fieldexchange.h"
#include "editors/ui/unitsheetpage.h"
#include "obdata/records.h"

#include <array>
#include <cstdint>

class QGroupBox;

namespace quorvant::ui {

// "Unit Armor ": the unit's armour against armour-piercing rounds, against HEAT and its reactive
// armour, seven facings each.
class CUnitArmorPage : public CUnitSheetPage {
    Q_OBJECT
  public:
    explicit CUnitArmorPage(UnitEditContext& context);

    void OnSetActive() override;
    bool OnKillActive() override;
    void FocusInvalid() override { exchange_.FocusInvalid(); }

  private:
    FieldExchange exchange_;
    std::array<std::array<std::uint8_t, kFacings>, 3> values_{};
    QGroupBox* reactive_ = nullptr;
};

} // namespace quorvant::ui
