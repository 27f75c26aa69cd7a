#pragma once

// One field changed over many records at once, by a rule: set to a value, add a number, multiply by
// a number, or set from another field of the same record. Results are rounded to whole numbers and
// held to what the field can hold (a code to the codes its list names, a date to the dates of the
// generation); the rows held so are counted. Only named records change.

#include "views/columnsets.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

enum class ChangeKind { SetTo, Add, MultiplyBy, CopyFrom };

struct FieldChangeRequest {
    int column = -1; // in the table's column set
    ChangeKind kind = ChangeKind::SetTo;
    // SetTo: a number, a name as the list shows it (a class, a nation) or a date as the list shows
    // it ("4/53", "1960"); Add and MultiplyBy: a number (Add counts years for a date).
    std::string value;
    int source = -1; // CopyFrom: the column whose value is taken
};

struct ChangedRow {
    int slot = 0;
    std::string before; // the cell as the list shows it, now and after the change
    std::string after;
    bool clamped = false; // the result was held to the field's range
    bool changed = false; // the stored value differs (two codes may show the same text)
};

class FieldChangePlan {
  public:
    // The change worked out over the slots given (those without a name are left out) without
    // touching the document.
    FieldChangePlan(const CQuorvantDoc& doc, int table, const std::vector<int>& slots,
                    const FieldChangeRequest& request);
    ~FieldChangePlan();
    FieldChangePlan(FieldChangePlan&&) noexcept;
    FieldChangePlan& operator=(FieldChangePlan&&) noexcept;

    // Why the change cannot be made (an unknown name, a value that is no number, a field that does
    // not change this way); empty when it can.
    const std::string& error() const { return error_; }
    const std::vector<ChangedRow>& rows() const { return rows_; }
    // The named records among the slots given, whether or not the change can be made.
    int recordCount() const { return records_; }
    int changedCount() const;
    int clampedCount() const;
    // "Change Cost of 23 Units", counting the records that change.
    std::string stepName() const;

    // Writes the new values into the document as one step of its history. False, changing nothing,
    // when the plan has an error or changes nothing.
    bool Apply(CQuorvantDoc& doc) const;

  private:
    int table_ = 0;
    int column_ = -1;
    int records_ = 0;
    std::string heading_;
    std::string error_;
    std::vector<ChangedRow> rows_;
    // The document's records with the change made, from which the new cell texts were read.
    std::unique_ptr<CQuorvantDoc> changed_;
};

} // namespace quorvant
