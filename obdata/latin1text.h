#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

// The game's files hold 8-bit Latin-1 text; obtool and the clipboard of other programs speak UTF-8.
// Both directions are lossless, and a character Latin-1 cannot hold is refused, never replaced.
std::string Latin1ToUtf8(std::string_view latin1);

// Nothing when text is not valid UTF-8 or holds a character beyond U+00FF; then refused, when given,
// receives the message that names the first such character.
std::optional<std::string> Utf8ToLatin1(std::string_view text, std::string* refused = nullptr);

// The message for a character the game's files cannot hold, given as UTF-8 (one code point).
std::string NotLatin1Message(std::string_view character);

} // namespace quorvant
