// Any byte string loads into a document and saves back without reading or writing out of bounds.
// Saving an unchanged document gives back the bytes it was read from (a short file padded with
// zeros to a whole one), and that image loads into the same records (a short file's missing slots
// as blank ones) and saves to the same bytes.

#include "obdata/obwriter.h"
#include "obdata/quorvantdoc.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

const quorvant::CQuorvantDoc& BlankBW1() {
    static const quorvant::CQuorvantDoc* blank = [] {
        auto* doc = new quorvant::CQuorvantDoc();
        doc->ReadBytes(std::vector<std::uint8_t>(38500, 0));
        return doc;
    }();
    return *blank;
}

// The slots of read, then blank slots up to the size of the reread table.
template <class Rec>
bool Extends(const std::vector<Rec>& read, const std::vector<Rec>& reread, const std::vector<Rec>& blank) {
    if (reread.size() < read.size() || reread.size() > blank.size()) return false;
    return std::equal(read.begin(), read.end(), reread.begin()) &&
           std::equal(reread.begin() + static_cast<std::ptrdiff_t>(read.size()), reread.end(),
                      blank.begin() + static_cast<std::ptrdiff_t>(read.size()));
}

bool SameRecords(const quorvant::CQuorvantDoc& read, const quorvant::CQuorvantDoc& reread) {
    const quorvant::CQuorvantDoc& blank = BlankBW1();
    return read.Generation == reread.Generation && read.FileNation == reread.FileNation &&
           Extends(read.Weapons, reread.Weapons, blank.Weapons) &&
           Extends(read.Units, reread.Units, blank.Units) &&
           Extends(read.Formations, reread.Formations, blank.Formations);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvant::CQuorvantDoc doc;
    doc.ReadBytes(std::vector<std::uint8_t>(data, data + size));
    const std::vector<std::uint8_t> image = quorvant::BuildOBImage(doc);
    if (image.size() < size || !std::equal(data, data + size, image.begin())) __builtin_trap();
    if (std::any_of(image.begin() + static_cast<std::ptrdiff_t>(size), image.end(),
                    [](std::uint8_t b) { return b != 0; }))
        __builtin_trap();

    quorvant::CQuorvantDoc reread;
    reread.ReadBytes(image);
    if (!SameRecords(doc, reread)) __builtin_trap();
    if (quorvant::BuildOBImage(reread) != image) __builtin_trap();
    return 0;
}
