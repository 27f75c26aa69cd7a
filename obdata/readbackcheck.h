#pragma once

#include "obdata/quorvantdoc.h"

#include <memory>

namespace quorvant {

// The document as it would read back from the image its save writes: a value the generation's
// file does not keep (a nation in BW2 and BW3, dates of a blank slot, the strengths that decide
// between BW2 and BW3) reads back differently.
class ReadBackCheck {
  public:
    explicit ReadBackCheck(const CQuorvantDoc& doc);

    bool changesGeneration() const { return readBack_->Generation != held_.Generation; }
    int generationAfter() const { return readBack_->Generation; }
    // Records that read back differently, names compared as the reader pads them.
    int changedRecords() const;
    const CQuorvantDoc& readBack() const { return *readBack_; }

  private:
    const CQuorvantDoc& held_;
    std::unique_ptr<CQuorvantDoc> readBack_;
};

} // namespace quorvant
