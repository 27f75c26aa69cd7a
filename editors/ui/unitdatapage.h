#pragma once

#include "editors/ui/fieldexchange.h"
#include "editors/ui/unitsheetpage.h"
#include "editors/uniteditcontext.h"
#include "obdata/records.h"

#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvant::ui {

// "Unit Type": the unit's identity and scalar fields, the moves between units, Copy and Paste of
// whole units, and the sheet's OK and Cancel.
class CUnitDataPage : public CUnitSheetPage {
    Q_OBJECT
  public:
    explicit CUnitDataPage(UnitEditContext& context);

    void OnSetActive() override { Load(); }
    bool OnKillActive() override { return Store(); }
    void FocusInvalid() override { exchange_.FocusInvalid(); }

    // The current unit into the page.
    void Load();
    // The page into the current unit; false when a field was refused.
    bool Store();
    void Move(UnitMove move);

  signals:
    void okClicked();
    void cancelClicked();

  private:
    void BuildControls();
    void ApplyGeneration();
    void OnNameChosen(int entry);
    void OnUnitNumberTyped(const QString& text);
    void OnClassTyped(const QString& text);
    void OnClassChosen(int entry);
    void OnCopy();
    void OnPaste();
    void MarkModified();
    void RenameListEntry();
    // A list's choice reaches the record only when the user changed it, so a stored code the list
    // cannot show, or shows at a shared position, stays as it is.
    static bool Chosen(const QComboBox* list, int shown);

    CQuorvantDoc& doc() const { return *context_.document; }

    FieldExchange exchange_;
    CUnitRecord values_;
    std::uint32_t sideView_ = 0;
    std::int16_t symbol2_ = 0;
    QString nameText_;
    int shownNation_ = -1, shownMonth_ = -1, shownAvailable_ = -1, shownUnavailable_ = -1, shownMove_ = -1;

    QLineEdit* unitNumber_ = nullptr;
    QComboBox* name_ = nullptr;
    QComboBox* nation_ = nullptr;
    QLineEdit* classNumber_ = nullptr;
    QComboBox* classList_ = nullptr;
    QComboBox* month_ = nullptr;
    QLabel* monthLabel_ = nullptr;
    QComboBox* available_ = nullptr;
    QComboBox* unavailable_ = nullptr;
    QLabel* hvapLabel_ = nullptr;
    QLineEdit* sideViewEdit_ = nullptr;
    QLabel* symbolLabel_ = nullptr;
    QLineEdit* symbol_ = nullptr;
    QLineEdit* symbol2Edit_ = nullptr;
    QComboBox* moveClass_ = nullptr;
    QPushButton* first_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* last_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* paste_ = nullptr;
    std::vector<QWidget*> disabledInBW1_;
};

} // namespace quorvant::ui
