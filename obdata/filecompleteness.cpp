#include "obdata/filecompleteness.h"

#include "obdata/generation.h"
#include "obdata/oblayout.h"

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

std::string IncompleteFileNotice(const std::string& name, std::size_t size, int generation) {
    const std::string label = GenerationLabel(generation);
    return name + " is " + GroupedNumber(size) + (size == 1 ? " byte" : " bytes") +
           ", not a complete OB file (a " + label + " file has " +
           GroupedNumber(CompleteFileSize(generation)) + "). It was opened as a " + label +
           " file; saving will rewrite it as a complete one.";
}

std::string RewriteIncompleteQuestion(const std::string& name, int generation) {
    return "Rewrite " + name + " as a complete " + GenerationLabel(generation) + " OB file?";
}

std::string IncompleteFileRemark(int generation) {
    return std::string("(incomplete: a ") + GenerationLabel(generation) + " file has " +
           std::to_string(CompleteFileSize(generation)) + ")";
}

} // namespace quorvant
