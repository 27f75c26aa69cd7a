#pragma once

// A CSV import of all three tables of a full BW3 file that changes every record, for the undo
// benchmarks.

#include "bench/fullbw3doc.h"
#include "exchange/csvexchange.h"

#include <array>
#include <memory>
#include <string>

namespace quorvant {

// The three tables exported from the full file with every byte one higher: importing them changes
// every record of every table.
inline const std::array<std::string, 3>& OtherTables() {
    static const std::array<std::string, 3> texts = [] {
        std::vector<std::uint8_t> bytes = FullBW3Image();
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] > ' ' && bytes[i] < 250) ++bytes[i];
        CQuorvantDoc other;
        other.ReadBytes(bytes);
        std::array<std::string, 3> out;
        for (CsvSection s : kCsvSections) out[static_cast<std::size_t>(s)] = ExportCsv(other, s);
        return out;
    }();
    return texts;
}

inline CsvImported ImportAll(CQuorvantDoc& doc) {
    CsvImported imported;
    for (CsvSection s : kCsvSections)
        imported.emplace_back(s, ImportCsv(doc, s, OtherTables()[static_cast<std::size_t>(s)]));
    return imported;
}

// A full document whose last step is that import.
inline std::unique_ptr<CQuorvantDoc> ImportedDoc() {
    auto doc = std::make_unique<CQuorvantDoc>();
    doc->ReadBytes(FullBW3Image());
    RecordCsvImport(*doc, ImportAll(*doc));
    return doc;
}

} // namespace quorvant
