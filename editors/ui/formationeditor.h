#pragma once

#include "editors/formationentries.h"
#include "editors/ui/fieldexchange.h"
#include "editors/ui/recordeditor.h"
#include "editors/uniteditcontext.h"
#include "obdata/records.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;

namespace quorvant::ui {

struct EditorButtons;

// "Formations": one formation at a time, its ten entries naming units or (BW2, BW3) sub-formations,
// with the moves between formations and Copy and Paste of a formation's present state.
class CFormationEditor : public CRecordEditor {
    Q_OBJECT
  public:
    CFormationEditor(CQuorvantDoc& doc, int slot);
    ~CFormationEditor() override;

    int CurrentSlot() const override { return slot_; }
    void RePoint(int slot) override;

    // The current slot into the controls.
    void Load();
    // The controls into the current record. A refused field keeps its previous value and the store
    // goes on; the result says whether every field was taken.
    bool Store();
    void Move(UnitMove move);

    // The line beside entry n that says what it names.
    QLabel* entryNames(int n) const { return entries_[static_cast<std::size_t>(n)].names; }

  protected:
    bool StoreForCommit() override { return Store(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct EntryControls {
        QLineEdit* number = nullptr;
        QComboBox* list = nullptr;
        QCheckBox* box = nullptr;
        QLineEdit* strength = nullptr;
        QLabel* names = nullptr;
        bool listsFormations = false;
    };

    void BuildControls();
    void ApplyGeneration();
    void OnNumberTyped(const QString& text);
    void OnNameChosen(int entry);
    void OnEntryChosen(int n, int position);
    void OnEntryTyped(int n, const QString& text);
    void OnBoxToggled(int n, bool ticked);
    void OnNameLeft();
    void OnCopy();
    void OnPaste();
    void ShowEntry(int n);
    void ListKind(int n, bool formations);
    void RenameListEntry(int slot);
    void MarkModified();
    CFormationRecord& record() const;

    // The slot shown, and the one whose record the controls edit: typing a number changes the first
    // before the second follows.
    int slot_ = 1;
    int recordSlot_ = 1;
    std::optional<int> copied_;
    FieldExchange exchange_;
    int number_ = 1;
    std::uint8_t specialFlag_ = 0;
    std::array<bool, kFormationEntries> flags_{};
    std::array<int, kFormationEntries> numbers_{};
    std::array<std::uint8_t, kFormationEntries> strengths_{};
    int shownNation_ = -1, shownMonth_ = -1, shownAvail_ = -1, shownUnAvail_ = -1, shownCatagory_ = -1,
        shownType_ = -1;

    QStringListModel* unitNames_ = nullptr;
    QStringListModel* formationNames_ = nullptr;
    QLineEdit* numberEdit_ = nullptr;
    QComboBox* name_ = nullptr;
    QComboBox* nation_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* avail_ = nullptr;
    QComboBox* unAvail_ = nullptr;
    QComboBox* catagory_ = nullptr;
    QComboBox* type_ = nullptr;
    QLineEdit* specialFlagEdit_ = nullptr;
    std::array<EntryControls, kFormationEntries> entries_{};
    std::unique_ptr<EditorButtons> buttons_;
    std::vector<QWidget*> bw3Only_;
    std::vector<QWidget*> subFormationOnly_;
    QLabel* catagoryLabel_ = nullptr;
};

} // namespace quorvant::ui
