#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvant {

// The size a complete OB file of the generation has: exactly this for BW1, at least this for BW2
// and BW3 (their files may carry bytes past the layout).
std::size_t CompleteFileSize(int generation);

// Whether a file of size bytes, read as the generation, held the whole layout. A short file still
// opens (a truncated file must stay recoverable), but saving it rewrites it as a complete one.
bool IsCompleteFileSize(std::size_t size, int generation);

// "1,221": the size as people read it.
std::string GroupedNumber(std::size_t value);

// "640 of its 700 record names are not text" when more than a tenth of the names in bytes hold a
// control byte: a file or two may carry a stray byte in a name, an OB file never has them in many.
std::optional<std::string> WhyNamesAreNotText(const std::vector<std::uint8_t>& bytes);

// The question before opening bytes read as the generation, when they hold no whole layout or their
// names are not text; nothing when they look like an OB file.
std::optional<std::string> NotAnOBFileQuestion(const std::string& name,
                                               const std::vector<std::uint8_t>& bytes, int generation);

// The question before saving over an incomplete file.
std::string RewriteIncompleteQuestion(const std::string& name, int generation);

// "(incomplete: a BW1 file has 38500)", for the command line, whose numbers scripts read.
std::string IncompleteFileRemark(int generation);

} // namespace quorvant
