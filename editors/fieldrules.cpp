#include "editors/fieldrules.h"

#include <charconv>

namespace quorvant {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string RangeMessage(long long min, long long max) {
    return "Please enter an integer between " + std::to_string(min) + " and " + std::to_string(max) + ".";
}

} // namespace

std::optional<long long> ParseInteger(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}

std::optional<long long> ApplyFieldRule(std::string_view text, const FieldRule& rule) {
    std::optional<long long> value = ParseInteger(text);
    if (!value || *value < rule.min || *value > rule.max) return std::nullopt;
    return value;
}

std::string FieldRuleMessage(const FieldRule& rule, std::string_view text) {
    switch (rule.message) {
    case FieldRule::Message::Integer:
        return "Please enter an integer.";
    case FieldRule::Message::Positive: {
        std::optional<long long> value = ParseInteger(text);
        if (value && *value > rule.max) return RangeMessage(rule.min, rule.max);
        return "Please enter a positive integer.";
    }
    case FieldRule::Message::Range:
        break;
    }
    return RangeMessage(rule.min, rule.max);
}

} // namespace quorvant
