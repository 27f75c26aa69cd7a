#pragma once

#include <nlohmann/json.hpp>

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::cli {

// The document as one JSON object: generation, fileNation, title and the three tables, each record
// keyed by its field names in record order. Names are the bytes held, read as Latin-1; the title
// comes from the file name as it is, so dump it with a replacing error handler.
nlohmann::ordered_json DocumentJson(const CQuorvantDoc& doc);

} // namespace quorvant::cli
