#pragma once

#include "editors/ui/fieldexchange.h"
#include "editors/ui/unitsheetpage.h"

#include <array>
#include <cstdint>

class QComboBox;
class QLineEdit;
class QStringListModel;

namespace quorvant::ui {

// "Unit Weapons": the unit's four weapons, as slots of the same file's weapon table, and their
// high-explosive and armour-piercing rounds.
class CUnitWeponsPage : public CUnitSheetPage {
    Q_OBJECT
  public:
    explicit CUnitWeponsPage(UnitEditContext& context);

    void OnSetActive() override;
    bool OnKillActive() override;
    void FocusInvalid() override { exchange_.FocusInvalid(); }

    static constexpr int kWeapons = 4;

  private:
    void OnTypeChosen(int weapon, int entry);
    void OnNumberTyped(int weapon, const QString& text);

    FieldExchange exchange_;
    QStringListModel* weaponNames_ = nullptr;
    std::array<std::uint8_t, kWeapons> numbers_{};
    std::array<std::uint8_t, 2 * kWeapons> ammo_{};
    std::array<QComboBox*, kWeapons> types_{};
    std::array<QLineEdit*, kWeapons> numberEdits_{};
    std::array<QLineEdit*, 2 * kWeapons> ammoEdits_{};
};

} // namespace quorvant::ui
