#pragma once

// A record in the journal: its kind, then every field by name with its values, so a reader can tell
// a value the field cannot hold from a good one.

#include "obdata/dochistory.h"
#include "recovery/journalbytes.h"

namespace quorvant::journal {

void WriteRecord(const AnyRecord& record, ByteWriter& out);
// False (the reader failed) for a record that is not whole, names an unknown field, repeats or lacks
// one, or holds a value its field cannot.
bool ReadRecord(ByteReader& in, AnyRecord& record);

} // namespace quorvant::journal
