#pragma once

// How typed text meets the texts of the lists: blanks around a text do not count, nor the case of
// ASCII letters (the game's names are Latin-1, whose other letters the game never folds).

#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

std::string_view TrimmedBlanks(std::string_view text);
std::string AsciiLowered(std::string_view text);
bool SameIgnoringCase(std::string_view a, std::string_view b);

// A finite decimal number ("12", "-3", "1.1"), the whole text; nothing otherwise.
std::optional<double> ReadNumber(std::string_view text);

} // namespace quorvant
