#include "cli/commands.h"
#include "cli/obfileaccess.h"
#include "cli/tables.h"
#include "exchange/csvexchange.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/readbackcheck.h"
#include "platform/pathresolve.h"

#include <system_error>

namespace fs = std::filesystem;

namespace quorvant::cli {
namespace {

std::optional<std::vector<CsvSection>> ChosenSections(const CommandLine& line, std::ostream& err) {
    std::string error;
    auto sections = ParseSectionList(line.option("sections").value_or("weapons,units,formations"), error);
    if (!sections) err << "obtool: " << error << '\n';
    return sections;
}

} // namespace

int RunExport(const CommandLine& line, std::ostream& out, std::ostream& err) {
    auto sections = ChosenSections(line, err);
    if (!sections) return kExitUsage;
    fs::path folder = ResolveInputPath(line.option("out").value_or("."));
    CQuorvantDoc doc;
    if (!LoadOBFile(ResolveInputPath(line.positionals[0]), doc, err)) return kExitFailure;
    if (!IsFolder(folder, err)) return kExitFailure;
    bool allWritten = true;
    for (CsvSection section : *sections) {
        fs::path path = ResolveCaseInsensitive(folder, CsvFileName(doc.FileName(), section));
        std::string error;
        if (ExportCsvFile(doc, section, path, error)) {
            out << "wrote " << path.string() << '\n';
        } else {
            err << "obtool: " << error << '\n';
            allWritten = false;
        }
    }
    if (!allWritten) return kExitFailure;
    out << "Export Complete\n";
    return 0;
}

int RunImport(const CommandLine& line, std::ostream& out, std::ostream& err) {
    auto sections = ChosenSections(line, err);
    if (!sections) return kExitUsage;
    fs::path folder = ResolveInputPath(line.option("from").value_or("."));
    fs::path input = ResolveInputPath(line.positionals[0]);
    CQuorvantDoc doc;
    if (!LoadOBFile(input, doc, err)) return kExitFailure;
    if (!IsFolder(folder, err)) return kExitFailure;
    if (!MayRewrite(doc, input, line.has("yes"), err)) return kExitFailure;

    std::vector<std::string> notes;
    for (CsvSection section : *sections) {
        fs::path path = ResolveCaseInsensitive(folder, CsvFileName(doc.FileName(), section));
        std::error_code ec;
        if (!fs::is_regular_file(path, ec)) {
            err << "obtool: " << path.string() << ": no such CSV file; nothing written\n";
            return kExitFailure;
        }
        std::string error;
        auto result = ImportCsvFile(doc, section, path, error);
        if (!result) {
            err << "obtool: " << error << "; nothing written\n";
            return kExitFailure;
        }
        if (result->isShort()) notes.push_back(CsvShortImportNote(section, *result));
    }

    ReadBackCheck check(doc);
    if (check.changesGeneration()) {
        err << "obtool: the imported values would make the file read as "
            << GenerationLabel(check.generationAfter()) << ", not " << GenerationLabel(doc.Generation)
            << "; nothing written\n";
        return kExitFailure;
    }
    fs::path output = line.option("out") ? fs::path(*line.option("out")) : input;
    if (!SaveOBFile(doc, output, err)) return kExitFailure;
    if (int changed = check.changedRecords(); changed > 0)
        err << "obtool: note: " << changed << " records hold values a " << GenerationLabel(doc.Generation)
            << " file does not keep (a nation other than the file's, dates of a blank slot); they were saved "
               "without them\n";
    out << "Import Complete\n";
    for (const std::string& note : notes) out << note << '\n';
    return 0;
}

} // namespace quorvant::cli
