#pragma once

// CSV export and import of the three record tables. One file per table, named after the OB file
// with "WEP.csv", "UNT.csv" or "FRM.csv" appended.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

enum class CsvSection { Weapons = 0, Units = 1, Formations = 2 };

constexpr CsvSection kCsvSections[] = {CsvSection::Weapons, CsvSection::Units, CsvSection::Formations};

// "WEP.csv", "UNT.csv", "FRM.csv".
const char* CsvSuffix(CsvSection section);
// The export file name of a section for an OB file name: "OBPZ" -> "OBPZWEP.csv".
std::string CsvFileName(const std::string& obFileName, CsvSection section);
// "Weapons", "Units", "Formations".
const char* CsvSectionName(CsvSection section);

// The whole text of one section's CSV file (heading line and one line per slot loaded, CR LF ends).
std::string ExportCsv(const CQuorvantDoc& doc, CsvSection section);

struct CsvImportResult {
    int linesRead = 0;    // data lines stored into records
    int slotsInTable = 0; // slots the table holds

    // Fewer lines than slots: the slots from linesRead on kept their values.
    bool isShort() const { return linesRead < slotsInTable; }
};

// The line that tells the user a short file left slots unchanged:
// "Units: 120 lines read for 250 slots; slots 120 to 249 were left unchanged."
std::string CsvShortImportNote(CsvSection section, const CsvImportResult& result);

// Reads a section's CSV text into the document's records in place, by line position from slot 0.
// Slots past the last data line stay unchanged. Leaves the snapshot tables alone; does not touch
// the modified flag (the caller decides).
CsvImportResult ImportCsv(CQuorvantDoc& doc, CsvSection section, std::string_view text);

// The sections an import read, each with what it read.
using CsvImported = std::vector<std::pair<CsvSection, CsvImportResult>>;
// "Import Units", "Import Weapons and Units", "Import Weapons, Units and Formations".
std::string CsvImportStepName(const CsvImported& imported);
// Makes what the sections read one step of the document's history (the slots each filled), so one
// Undo takes the whole import back. False when no record changed.
bool RecordCsvImport(CQuorvantDoc& doc, const CsvImported& imported);

// The section's file in the "Exports" folder of installFolder, each element found ignoring case.
// Empty when there is no install folder or the document has no file name to build it from.
std::filesystem::path CsvExportPath(const std::filesystem::path& installFolder, const std::string& obFileName,
                                    CsvSection section);

// Writes ExportCsv's text to path atomically. On failure the file is untouched and error says why.
bool ExportCsvFile(const CQuorvantDoc& doc, CsvSection section, const std::filesystem::path& path,
                   std::string& error);
// Reads path whole and imports it. When it cannot be read, nothing changes and error says why.
std::optional<CsvImportResult> ImportCsvFile(CQuorvantDoc& doc, CsvSection section,
                                             const std::filesystem::path& path, std::string& error);

} // namespace quorvant
