#pragma once

#include <string>
#include <vector>

namespace quorvant {

// Update hints sent to a document's views.
enum UpdateHint : int {
    kHintWeapons = 0,
    kHintUnits = 1,
    kHintFormations = 2,
    kHintWeaponRow = 3,
    kHintUnitRow = 4,
    kHintFormationsEdited = 5,
};

// How a document tells its views about changes; the user interface subscribes to it.
class DocObserver {
  public:
    virtual ~DocObserver() = default;
    virtual void onDocumentUpdate(int /*hint*/) {}
    virtual void onModifiedChanged(bool /*modified*/) {}
    virtual void onTitleChanged(const std::string& /*title*/) {}
    // Undo or redo changed these slots of a table (0 weapons, 1 units, 2 formations).
    virtual void onRecordsChanged(int /*table*/, const std::vector<int>& /*slots*/) {}
    // A step was added, undone or redone: what Undo and Redo offer has changed.
    virtual void onHistoryChanged() {}
};

// Where a long load reports its progress: a line of text and a bar from 0 to 100.
class LoadProgress {
  public:
    virtual ~LoadProgress() = default;
    virtual void setText(const std::string& text) = 0;
    virtual void setStep(int step) = 0;
    virtual void stepIt() = 0;
};

} // namespace quorvant
