#pragma once

#include <cstdint>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

// The bytes of an OB file that reads back into the document's records. It starts from the bytes the
// document was read from (zeros for a new document) and writes only the entries that would read
// back differently, so untouched fields, skipped regions and trailing bytes keep their values.
std::vector<std::uint8_t> BuildOBImage(const CQuorvantDoc& doc);

} // namespace quorvant
