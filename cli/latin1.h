#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvant::cli {

// OB names are single bytes read as Latin-1; the tool's input and output text is UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);

// Nothing when text is not valid UTF-8 or holds a character beyond U+00FF.
std::optional<std::string> Utf8ToLatin1(std::string_view text);

} // namespace quorvant::cli
