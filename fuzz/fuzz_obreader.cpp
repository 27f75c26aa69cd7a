// Any byte string loads into a document and saves back without reading or writing out of bounds.

#include "obdata/obwriter.h"
#include "obdata/quorvantdoc.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvant::CQuorvantDoc doc;
    doc.ReadBytes(std::vector<std::uint8_t>(data, data + size));
    auto image = quorvant::BuildOBImage(doc);
    if (size >= 44500 && image.size() != size) __builtin_trap();
    return 0;
}
