// Any byte string imports into every table of every generation without reading out of bounds, and
// never touches a field that no CSV column names.

#include "exchange/csvexchange.h"
#include "fuzz_documents.h"
#include "obdata/quorvantdoc.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

constexpr std::size_t kSlots = 8;

quorvant::CQuorvantDoc& Doc(int generation) {
    return quorvant::fuzz::EmptyDocument(generation, [](quorvant::CQuorvantDoc& doc) {
        // A few slots are as telling as 250 and keep each run fast.
        doc.Weapons.resize(kSlots);
        doc.Units.resize(kSlots);
        doc.Formations.resize(kSlots);
        for (auto& u : doc.Units) {
            u.Spare9 = 9;
            u.Name.assign("U");
        }
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int generation = 0; generation < 3; ++generation) {
        quorvant::CQuorvantDoc& doc = Doc(generation);
        for (quorvant::CsvSection s : quorvant::kCsvSections) {
            quorvant::CsvImportResult r = quorvant::ImportCsv(doc, s, text);
            if (r.linesRead < 0 || r.linesRead > r.slotsInTable) __builtin_trap();
        }
        for (const auto& u : doc.Units)
            if (u.Spare9 != 9 || u.Name.empty()) __builtin_trap();
        // What the import stored must export and import back to the same records.
        auto units = doc.Units;
        quorvant::ImportCsv(doc, quorvant::CsvSection::Units,
                            quorvant::ExportCsv(doc, quorvant::CsvSection::Units));
        if (doc.Units != units) __builtin_trap();
    }
    return 0;
}
