#pragma once

#include "analysis/patch.h"
#include "obdata/quorvantdoc.h"

#include <string>
#include <vector>

namespace quorvant {

// Where a change goes: the record at its slot, or every record of its table whose name equals the
// change's, ignoring ASCII case and trailing blanks (a change of an unnamed record goes nowhere).
enum class PatchMatch { BySlot, ByName };

// Whether a record's name (less its trailing blanks) is the one a change names, ignoring ASCII case; an
// unnamed change names no record.
bool SameRecordName(const std::string& trimmed, const std::string& wanted);

// A field that already holds the patch's to is Applied; one that holds its from (or any value, when
// from equals to) is a Change; any other value is a Conflict.
enum class PatchFieldState { Applied, Change, Conflict };

// What a patch does to one field of one record of a file.
struct PatchRow {
    int table = 0;
    int slot = 0;
    std::string name; // the record's in the file, less its trailing blanks
    std::string field;
    std::string expected; // the patch's from
    std::string found;    // the file's value
    std::string to;
    PatchFieldState state = PatchFieldState::Applied;
};

struct PatchPreview {
    // Every field the patch reaches, change by change, each record in slot order.
    std::vector<PatchRow> rows;
    // Why the patch cannot go to this file at all (another generation, a slot past its table).
    std::string refusal;

    bool HasConflicts() const;
    // The rows that write: the changes, and the conflicts too when forced.
    std::vector<PatchRow> Writes(bool force) const;
};

// What the patch would do to doc; doc is not changed.
PatchPreview PreviewPatch(const CQuorvantDoc& doc, const Patch& patch, PatchMatch match);

// Writes each row's to into doc and adds its slot to changed. A value the file would not keep (it
// reads back otherwise, or the file would read as another generation) changes nothing: false, with
// the row named in problem.
bool ApplyPatchRows(CQuorvantDoc& doc, const std::vector<PatchRow>& rows, CQuorvantDoc::SlotsByTable& changed,
                    std::string& problem);

} // namespace quorvant
