#include "obdata/latin1text.h"

#include <cstdio>

namespace quorvant {

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

namespace {

// The length of the well-formed UTF-8 sequence at text[i], 0 when it is not one.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80                    ? 1
                         : lead >= 0xC2 && lead <= 0xDF ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
    return length;
}

} // namespace

std::optional<std::string> Utf8ToLatin1(std::string_view text, std::string* refused) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = SequenceLength(text, i);
        auto lead = static_cast<unsigned char>(text[i]);
        // Only two-byte sequences led by C2 or C3 encode U+0080..U+00FF.
        if (length == 1 || (length == 2 && lead <= 0xC3)) {
            out += length == 1 ? static_cast<char>(lead)
                               : static_cast<char>(((lead & 0x1F) << 6) | (text[i + 1] & 0x3F));
            i += length;
            continue;
        }
        if (refused)
            *refused = length == 0 ? std::string("the text is not valid UTF-8")
                                   : NotLatin1Message(text.substr(i, length));
        return std::nullopt;
    }
    return out;
}

std::string NotLatin1Message(std::string_view character) {
    char code[16] = "";
    std::size_t length = character.size();
    if (length >= 2 && length <= 4) {
        auto lead = static_cast<unsigned char>(character[0]);
        unsigned value = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) value = (value << 6) | (character[k] & 0x3F);
        std::snprintf(code, sizeof code, " (U+%04X)", value);
    }
    return "\"" + std::string(character) + "\"" + code +
           " cannot be stored: the game's files hold Latin-1 text only";
}

} // namespace quorvant
