#pragma once

#include "editors/ui/fieldexchange.h"
#include "editors/ui/recordeditor.h"
#include "editors/uniteditcontext.h"
#include "obdata/records.h"

#include <array>
#include <cstdint>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvant::ui {

struct EditorButtons;

// "Weapons": one weapon slot at a time, with the moves between slots and Copy and Paste of whole
// weapons through the document's CopiedWeapon.
class CWeaponEditor : public CRecordEditor {
    Q_OBJECT
  public:
    CWeaponEditor(CQuorvantDoc& doc, int slot);
    ~CWeaponEditor() override;

    int CurrentSlot() const override { return slot_; }
    void RePoint(int slot) override;

    // The current slot into the controls.
    void Load();
    // The controls into the current record; false when a field was refused.
    bool Store();
    void Move(UnitMove move);

  protected:
    bool StoreForCommit() override { return Store(); }

  private:
    void BuildControls();
    void OnNameChosen(int entry);
    void OnNumberTyped(const QString& text);
    void OnCopy();
    void OnPaste();
    void RenameListEntry();
    CWeaponRecord& record() const;

    int slot_ = 1;
    FieldExchange exchange_;
    CWeaponRecord values_;
    int number_ = 0;
    int shownClass_ = -1;

    QLineEdit* numberEdit_ = nullptr;
    QComboBox* name_ = nullptr;
    QComboBox* class_ = nullptr;
    std::unique_ptr<EditorButtons> buttons_;
};

} // namespace quorvant::ui
