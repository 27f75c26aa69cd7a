#include "obdata/filecompleteness.h"

#include "obdata/generation.h"
#include "obdata/oblayout.h"

#include <utility>

namespace quorvant {

std::size_t CompleteFileSize(int generation) {
    return generation == kBW1 ? layout::kNewFileSizeBW1 : layout::kLayoutEnd;
}

bool IsCompleteFileSize(std::size_t size, int generation) {
    if (generation == kBW1) return size == layout::kNewFileSizeBW1;
    return size >= layout::kLayoutEnd;
}

std::string GroupedNumber(std::size_t value) {
    std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

namespace {

// A name is text up to its first NUL. Random bytes hold a control byte in nearly every name.
bool NameIsText(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    for (std::size_t i = at; i < at + layout::kNameBytes && i < bytes.size(); ++i) {
        if (bytes[i] == 0) return true;
        if (bytes[i] < 0x20 || bytes[i] == 0x7f) return false;
    }
    return true;
}

} // namespace

std::optional<std::string> WhyNamesAreNotText(const std::vector<std::uint8_t>& bytes) {
    std::size_t names = 0;
    std::size_t garbled = 0;
    for (auto [begin, end] : {std::pair{layout::kWeaponNames, layout::kWeaponNamesEnd},
                              std::pair{layout::kUnitNames, layout::kUnitNamesEnd},
                              std::pair{layout::kFormationNames, layout::kFormationNamesEnd}})
        for (std::size_t at = begin; at < end && at < bytes.size(); at += layout::kNameBytes, ++names)
            if (!NameIsText(bytes, at)) ++garbled;
    if (garbled * 10 <= names) return std::nullopt;
    return std::to_string(garbled) + " of its " + std::to_string(names) + " record names are not text";
}

std::optional<std::string> NotAnOBFileQuestion(const std::string& name,
                                               const std::vector<std::uint8_t>& bytes, int generation) {
    const std::string label = GenerationLabel(generation);
    std::string why;
    if (!IsCompleteFileSize(bytes.size(), generation)) {
        why = "it is " + GroupedNumber(bytes.size()) + (bytes.size() == 1 ? " byte" : " bytes") + ", and a " +
              label + " file has " + GroupedNumber(CompleteFileSize(generation)) +
              ". Opened, it reads as a " + label + " file, and saving rewrites it as a complete one.";
    } else if (std::optional<std::string> names = WhyNamesAreNotText(bytes)) {
        why = *names + ".";
    } else {
        return std::nullopt;
    }
    return name + " does not look like an OB file: " + why + "\n\nOpen it anyway?";
}

std::string RewriteIncompleteQuestion(const std::string& name, int generation) {
    return "Rewrite " + name + " as a complete " + GenerationLabel(generation) + " OB file?";
}

std::string IncompleteFileRemark(int generation) {
    return std::string("(incomplete: a ") + GenerationLabel(generation) + " file has " +
           std::to_string(CompleteFileSize(generation)) + ")";
}

} // namespace quorvant
