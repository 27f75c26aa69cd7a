#pragma once

#include <cstddef>
#include <string>

namespace quorvant {

// The size a complete OB file of the generation has: exactly this for BW1, at least this for BW2
// and BW3 (their files may carry bytes past the layout).
std::size_t CompleteFileSize(int generation);

// Whether a file of size bytes, read as the generation, held the whole layout. A short file still
// opens (a truncated file must stay recoverable), but saving it rewrites it as a complete one.
bool IsCompleteFileSize(std::size_t size, int generation);

// "1,221": the size as people read it.
std::string GroupedNumber(std::size_t value);

// What the user is told once on opening an incomplete file.
std::string IncompleteFileNotice(const std::string& name, std::size_t size, int generation);

// The question before saving over an incomplete file.
std::string RewriteIncompleteQuestion(const std::string& name, int generation);

// "(incomplete: a BW1 file has 38500)", for the command line, whose numbers scripts read.
std::string IncompleteFileRemark(int generation);

} // namespace quorvant
