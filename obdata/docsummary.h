#pragma once

#include <string>

namespace quorvant {

class CQuorvantDoc;

// One line about a document for the status bar, in UTF-8: "BW2 · MOB00 West Germany · 250 weapons ·
// 231 units · 180 formations". The counts are the named slots of each table.
std::string DocumentSummary(const CQuorvantDoc& doc);

} // namespace quorvant
