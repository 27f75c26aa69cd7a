#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

// What an edit field accepts and which standard message refuses anything else.
struct FieldRule {
    enum class Message { Range, Integer, Positive };
    long long min = 0;
    long long max = 255;
    Message message = Message::Range;
};

constexpr FieldRule kByteField{0, 255, FieldRule::Message::Range};
constexpr FieldRule RangeField(long long min, long long max) {
    return {min, max, FieldRule::Message::Range};
}
// A signed 16-bit entry.
constexpr FieldRule kSigned16Field{-32768, 32767, FieldRule::Message::Integer};
// An unsigned entry held in 16 bits.
constexpr FieldRule kUnsigned16Field{0, 65535, FieldRule::Message::Positive};

// A whole decimal number with optional blanks around it and an optional sign; nothing else.
std::optional<long long> ParseInteger(std::string_view text);

// The value of text under rule, or nothing when the rule refuses it.
std::optional<long long> ApplyFieldRule(std::string_view text, const FieldRule& rule);

// The message that refuses text: "Please enter an integer between 0 and 255.", "Please enter an
// integer.", "Please enter a positive integer.". A positive number too large for its field names the
// range, since "positive" alone would not tell the user what is wrong.
std::string FieldRuleMessage(const FieldRule& rule, std::string_view text);

} // namespace quorvant
