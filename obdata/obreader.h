#pragma once

#include "obdata/docobserver.h"

#include <cstdint>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

// The generation an OB image belongs to: BW1 below 44500 bytes, else BW2 when the 15 bytes at 42500
// are all zero, else BW3.
int DetectGeneration(const std::vector<std::uint8_t>& bytes);

// Fills the document's tables and lists from an OB image. Bytes at or past offset 44500 are never
// looked at; a column entry past the end of a short image reads as 0. The generation is told from
// the image unless one is given (an image being built may not tell its generation yet).
void ReadOBImage(CQuorvantDoc& doc, const std::vector<std::uint8_t>& bytes, LoadProgress* progress,
                 int generation = -1);

// Only the generation and the three tables' names, as ReadOBImage reads them, for a search that
// looks at nothing else; every other field stays zero and the lists are not built.
void ReadOBNames(CQuorvantDoc& doc, const std::vector<std::uint8_t>& bytes);

} // namespace quorvant
