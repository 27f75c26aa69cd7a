#include "exchange/csvcolumns.h"
#include "exchange/csvexchange.h"
#include "exchange/csvlinereader.h"
#include "obdata/quorvantdoc.h"
#include "platform/fileio.h"

#include <type_traits>

namespace quorvant {
namespace {

template <class R> class RecordFiller {
  public:
    RecordFiller(R& record, const csv::CsvLine& line)
        : record_(record), line_(line), fields_(line.rest, line.hasRest) {}

    // The line's position, not its slot-number field, says which slot it fills.
    void slot() {}
    void name() {
        record_.Name.assign(line_.name);
        if (record_.Name.empty()) record_.Name.assign(" ");
    }
    template <class A> void field(A access) {
        auto& value = access(record_);
        value = static_cast<std::remove_reference_t<decltype(value)>>(csv::ParseCsvNumber(fields_.next()));
    }
    template <class A> void unread(A) { fields_.next(); }

  private:
    R& record_;
    const csv::CsvLine& line_;
    csv::CsvFieldCursor fields_;
};

} // namespace

CsvImportResult ImportCsv(CQuorvantDoc& doc, CsvSection section, std::string_view text) {
    return csv::WithCsvTable(doc, section, [text](auto& table, auto visitColumns) {
        CsvImportResult result;
        result.slotsInTable = static_cast<int>(table.size());
        csv::CsvLineReader reader(text);
        csv::CsvLine line;
        if (!reader.next(line)) return result; // not even a heading line
        for (auto& record : table) {
            if (!reader.next(line)) break;
            RecordFiller filler(record, line);
            visitColumns(filler);
            ++result.linesRead;
        }
        return result;
    });
}

std::string CsvShortImportNote(CsvSection section, const CsvImportResult& result) {
    return std::string(CsvSectionName(section)) + ": " + std::to_string(result.linesRead) +
           " lines read for " + std::to_string(result.slotsInTable) + " slots; slots " +
           std::to_string(result.linesRead) + " to " + std::to_string(result.slotsInTable - 1) +
           " were left unchanged.";
}

std::string CsvImportStepName(const CsvImported& imported) {
    std::string text = "Import";
    for (std::size_t i = 0; i < imported.size(); ++i) {
        const char* joint = i == 0 ? " " : i + 1 == imported.size() ? " and " : ", ";
        text += joint;
        text += CsvSectionName(imported[i].first);
    }
    return text;
}

bool RecordCsvImport(CQuorvantDoc& doc, const CsvImported& imported) {
    CQuorvantDoc::SlotsByTable slots;
    for (const auto& [section, result] : imported) {
        std::vector<int>& filled = slots[static_cast<std::size_t>(section)];
        for (int slot = 0; slot < result.linesRead; ++slot) filled.push_back(slot);
    }
    return doc.RecordStep(CsvImportStepName(imported), slots);
}

std::optional<CsvImportResult> ImportCsvFile(CQuorvantDoc& doc, CsvSection section,
                                             const std::filesystem::path& path, std::string& error) {
    if (path.empty()) {
        error = "no file to read from";
        return std::nullopt;
    }
    auto bytes = ReadWholeFile(path, error);
    if (!bytes) return std::nullopt;
    std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    return ImportCsv(doc, section, text);
}

} // namespace quorvant
