#include "obdata/dochistory.h"

namespace quorvant {

std::size_t DocHistory::BytesOf(const HistoryStep& step) {
    return sizeof(HistoryStep) + step.name.capacity() + step.changes.capacity() * sizeof(RecordChange);
}

void DocHistory::Push(HistoryStep step) {
    ++pushes_;
    if (saved_ && *saved_ > current_) saved_.reset();
    while (steps_.size() > current_) {
        bytes_ -= BytesOf(steps_.back());
        steps_.pop_back();
    }
    step.changes.shrink_to_fit();
    bytes_ += BytesOf(step);
    steps_.push_back(std::move(step));
    ++current_;
    while (bytes_ > limit_ && steps_.size() > 1) DropOldest();
}

void DocHistory::DropOldest() {
    bytes_ -= BytesOf(steps_.front());
    steps_.erase(steps_.begin());
    --current_;
    if (saved_) {
        if (*saved_ == 0)
            saved_.reset();
        else
            --*saved_;
    }
}

void DocHistory::Clear() {
    steps_.clear();
    current_ = 0;
    saved_ = 0;
    bytes_ = 0;
}

const HistoryStep* DocHistory::StepBack() {
    if (!CanUndo()) return nullptr;
    return &steps_[--current_];
}

const HistoryStep* DocHistory::StepForward() {
    if (!CanRedo()) return nullptr;
    return &steps_[current_++];
}

} // namespace quorvant
