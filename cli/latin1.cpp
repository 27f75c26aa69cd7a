#include "cli/latin1.h"

namespace quorvant::cli {

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size() * 2);
    for (char c : latin1) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

std::optional<std::string> Utf8ToLatin1(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            continue;
        }
        // Only two-byte sequences can encode U+0080..U+00FF; C2 and C3 are their lead bytes.
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 >= text.size()) return std::nullopt;
        auto next = static_cast<unsigned char>(text[i + 1]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        out += static_cast<char>(((lead & 0x1F) << 6) | (next & 0x3F));
        ++i;
    }
    return out;
}

} // namespace quorvant::cli
