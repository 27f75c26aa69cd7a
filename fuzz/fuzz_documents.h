#pragma once

// The documents the fuzz targets work on: one empty document per generation, kept for the run.

#include "obdata/quorvantdoc.h"

#include <cstdint>
#include <vector>

namespace quorvant::fuzz {

// Read from an all-zero file of the generation; prepare runs once, when the document is made.
template <class Prepare> CQuorvantDoc& EmptyDocument(int generation, Prepare prepare) {
    static CQuorvantDoc* docs[3] = {};
    if (!docs[generation]) {
        docs[generation] = new CQuorvantDoc();
        std::vector<std::uint8_t> bytes(generation == 0 ? 38500 : 44500, 0);
        if (generation == 2) bytes[42500] = 1;
        docs[generation]->ReadBytes(bytes);
        prepare(*docs[generation]);
    }
    return *docs[generation];
}

} // namespace quorvant::fuzz
