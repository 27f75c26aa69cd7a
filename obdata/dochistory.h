#pragma once

// The undo history of one document. A step holds only the records a command changed, each as it
// was before and after, in a table or in a snapshot table.

#include "obdata/records.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quorvant {

using AnyRecord = std::variant<CWeaponRecord, CUnitRecord, CFormationRecord>;

struct RecordChange {
    int table = 0;         // 0 weapons, 1 units, 2 formations
    bool snapshot = false; // the snapshot table rather than the table itself
    int slot = 0;
    AnyRecord before;
    AnyRecord after;
};

struct HistoryStep {
    std::string name; // "Edit Unit 17 Tiger I", shown after "Undo " and "Redo "
    std::vector<RecordChange> changes;
};

class DocHistory {
  public:
    // Older steps are dropped once the history holds more than this.
    static constexpr std::size_t kMemoryLimit = 64u * 1024u * 1024u;

    explicit DocHistory(std::size_t memoryLimit = kMemoryLimit) : limit_(memoryLimit) {}

    // A new step ends every step that was undone: they can no longer be redone.
    void Push(HistoryStep step);
    void Clear();

    // How many steps stand before the state now: Undo lowers it, Redo and a new step raise it.
    std::size_t Position() const { return current_; }
    // How many steps were ever pushed: tells a new step from a redo, which may stand where it stood.
    std::uint64_t PushCount() const { return pushes_; }
    bool CanUndo() const { return current_ > 0; }
    bool CanRedo() const { return current_ < steps_.size(); }
    // The step Undo would take back and the one Redo would make again; null when there is none.
    const HistoryStep* UndoStep() const { return CanUndo() ? &steps_[current_ - 1] : nullptr; }
    const HistoryStep* RedoStep() const { return CanRedo() ? &steps_[current_] : nullptr; }
    // Moves over one step and returns it, for the caller to apply its before (back) or after (forward).
    const HistoryStep* StepBack();
    const HistoryStep* StepForward();

    // The state now is the one on disk.
    void MarkSaved() { saved_ = current_; }
    // No state of the history is the one on disk any more.
    void MarkSavedUnreachable() { saved_.reset(); }
    bool AtSavedPoint() const { return saved_ == current_; }

    std::size_t StepCount() const { return steps_.size(); }
    // What the steps hold, roughly: their records, names and bookkeeping.
    std::size_t MemoryBytes() const { return bytes_; }

  private:
    static std::size_t BytesOf(const HistoryStep& step);
    void DropOldest();

    std::vector<HistoryStep> steps_;
    std::size_t current_ = 0;
    std::optional<std::size_t> saved_ = 0;
    std::size_t bytes_ = 0;
    std::uint64_t pushes_ = 0;
    std::size_t limit_;
};

} // namespace quorvant
