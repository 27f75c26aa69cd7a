#pragma once

#include "obdata/quorvantdoc.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace quorvant {

// A BW3 file with every slot named and every column holding varied values.
inline std::vector<std::uint8_t> FullBW3Image() {
    std::vector<std::uint8_t> bytes(44500);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(1 + i * 7 % 200);
    auto name = [&](std::size_t at, int slot) {
        char text[16];
        std::snprintf(text, sizeof text, "Slot %03d", slot);
        for (int i = 0; i < 15; ++i)
            bytes[at + slot * 15 + i] = i < 8 ? static_cast<std::uint8_t>(text[i]) : ' ';
    };
    for (int s = 0; s < 250; ++s) name(0, s), name(9250, s);
    for (int s = 0; s < 200; ++s) name(32500, s);
    return bytes;
}

// One document of that file, read once and shared by the benchmarks.
inline CQuorvantDoc& FullDoc() {
    static CQuorvantDoc* doc = [] {
        auto* d = new CQuorvantDoc;
        d->ReadBytes(FullBW3Image());
        return d;
    }();
    return *doc;
}

} // namespace quorvant
