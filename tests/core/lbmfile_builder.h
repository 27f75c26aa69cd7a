#pragma once

// Lays out IFF picture files byte by byte, so decoder tests never lean on a writer.

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace quorvant::testing {

using Bytes = std::vector<std::uint8_t>;

inline void AppendBe16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v >> 8));
    b.push_back(static_cast<std::uint8_t>(v));
}
inline void AppendBe32(Bytes& b, std::uint32_t v) {
    AppendBe16(b, v >> 16);
    AppendBe16(b, v & 0xFFFF);
}

// id, size, data and the pad byte of an odd size.
inline Bytes Chunk(std::string_view id, const Bytes& data) {
    Bytes b(id.begin(), id.end());
    AppendBe32(b, static_cast<std::uint32_t>(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    if (data.size() & 1) b.push_back(0);
    return b;
}

inline Bytes Form(std::string_view type, std::initializer_list<Bytes> chunks) {
    Bytes inner(type.begin(), type.end());
    for (const Bytes& c : chunks) inner.insert(inner.end(), c.begin(), c.end());
    Bytes b{'F', 'O', 'R', 'M'};
    AppendBe32(b, static_cast<std::uint32_t>(inner.size()));
    b.insert(b.end(), inner.begin(), inner.end());
    return b;
}

inline Bytes Bmhd(std::uint16_t w, std::uint16_t h, std::uint8_t planes, std::uint8_t masking = 0,
                  std::uint8_t compression = 0) {
    Bytes b;
    AppendBe16(b, w);
    AppendBe16(b, h);
    AppendBe32(b, 0); // x, y
    b.insert(b.end(), {planes, masking, compression, 0});
    AppendBe16(b, 0);            // transparent colour
    b.insert(b.end(), {10, 11}); // aspect
    AppendBe16(b, w);
    AppendBe16(b, h);
    return Chunk("BMHD", b);
}

inline Bytes Camg(std::uint32_t mode) {
    Bytes b;
    AppendBe32(b, mode);
    return Chunk("CAMG", b);
}

// A direct-colour picture's bits per component, then a pad word.
inline Bytes Dcol(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Chunk("DCOL", {red, green, blue, 0, 0});
}

inline std::uint32_t Le32(const Bytes& b, std::size_t at) {
    return b[at] | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
           std::uint32_t{b[at + 3]} << 24;
}
inline std::uint32_t Le16(const Bytes& b, std::size_t at) {
    return b[at] | std::uint32_t{b[at + 1]} << 8;
}

} // namespace quorvant::testing
