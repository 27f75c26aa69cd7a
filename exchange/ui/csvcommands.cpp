#include "exchange/ui/csvcommands.h"

#include "exchange/csvexchange.h"
#include "exchange/ui/sectiondialog.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/promptservice.h"

#include <QDir>

namespace quorvant::ui {
namespace {

QString Native(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(QString::fromStdString(path.string()));
}

// "Cannot create PATH" and why, without the path a second time when the reason starts with it.
void ReportFileFailure(QWidget* parent, const QString& failure, const std::filesystem::path& path,
                       std::string reason) {
    const std::string prefix = path.string() + ": ";
    if (reason.compare(0, prefix.size(), prefix) == 0) reason.erase(0, prefix.size());
    Prompt(PromptKind::Exclamation,
           failure.arg(Native(path)) + QStringLiteral("\n") + QString::fromStdString(reason), parent);
}

// The section's file, or nothing after telling the user why there is none.
std::optional<std::filesystem::path> SectionFile(QWidget* parent, const CQuorvantDoc& doc,
                                                 const std::filesystem::path& installFolder,
                                                 CsvSection section, const QString& failure) {
    std::filesystem::path path = CsvExportPath(installFolder, doc.FileName(), section);
    if (!path.empty()) return path;
    QString name = QString::fromStdString(CsvFileName(doc.FileName(), section));
    QString why = doc.FileName().empty() ? QStringLiteral("The document has no file name to name it after.")
                                         : QStringLiteral("No %1 folder is set.")
                                               .arg(QString::fromLatin1(GenerationLabel(doc.Generation)));
    Prompt(PromptKind::Exclamation, failure.arg(name) + QStringLiteral("\n") + why, parent);
    return std::nullopt;
}

// "Files written:" and each file's name, then the folder they are in.
QString FilesDetail(const QString& heading, const std::vector<std::filesystem::path>& files) {
    if (files.empty()) return QStringLiteral("No file was %1.").arg(heading);
    QString detail = QStringLiteral("Files %1:\n").arg(heading);
    for (const auto& file : files)
        detail += QStringLiteral("  ") + QString::fromStdString(file.filename().string()) + '\n';
    return detail + QStringLiteral("\nFolder: ") + Native(files.front().parent_path());
}

CsvCommandOutcome Outcome(const std::vector<std::filesystem::path>& files) {
    CsvCommandOutcome outcome;
    outcome.ran = true;
    outcome.files = static_cast<int>(files.size());
    if (!files.empty()) outcome.folder = Native(files.front().parent_path());
    return outcome;
}

} // namespace

QString CsvCommandOutcome::summary(const QString& verb, const QString& preposition) const {
    return QStringLiteral("%1 %2 file%3 %4 %5")
        .arg(verb)
        .arg(files)
        .arg(files == 1 ? QString() : QStringLiteral("s"), preposition, folder);
}

CsvCommandOutcome ExportDocumentCsv(QWidget* parent, CQuorvantDoc& doc,
                                    const std::filesystem::path& installFolder) {
    SectionChoice chosen = SectionChooser::current().choose(parent, QStringLiteral("Export"));
    if (!chosen) return {};
    const QString failure = QStringLiteral("Cannot create %1");
    std::vector<std::filesystem::path> written;
    for (CsvSection section : *chosen) {
        auto path = SectionFile(parent, doc, installFolder, section, failure);
        if (!path) continue;
        std::string error;
        if (ExportCsvFile(doc, section, *path, error))
            written.push_back(*path);
        else
            ReportFileFailure(parent, failure, *path, error);
    }
    Prompt(PromptKind::Information, QStringLiteral("Export Complete"), parent, QStringLiteral("Quorvant"),
           FilesDetail(QStringLiteral("written"), written));
    return Outcome(written);
}

CsvCommandOutcome ImportDocumentCsv(QWidget* parent, CQuorvantDoc& doc,
                                    const std::filesystem::path& installFolder) {
    SectionChoice chosen = SectionChooser::current().choose(parent, QStringLiteral("Import"));
    if (!chosen) return {};
    const QString failure = QStringLiteral("Cannot open %1");
    std::vector<std::filesystem::path> read;
    CsvImported imported;
    QString notes;
    for (CsvSection section : *chosen) {
        auto path = SectionFile(parent, doc, installFolder, section, failure);
        if (!path) continue;
        std::string error;
        std::optional<CsvImportResult> result = ImportCsvFile(doc, section, *path, error);
        if (!result) {
            ReportFileFailure(parent, failure, *path, error);
            continue;
        }
        read.push_back(*path);
        imported.emplace_back(section, *result);
        if (result->isShort())
            notes += QStringLiteral("\n") + QString::fromStdString(CsvShortImportNote(section, *result));
    }
    QString message = QStringLiteral("Import Complete");
    if (!notes.isEmpty()) message += QStringLiteral("\n") + notes;
    Prompt(PromptKind::Information, message, parent, QStringLiteral("Quorvant"),
           FilesDetail(QStringLiteral("read"), read));
    RecordCsvImport(doc, imported);
    doc.UpdateAllViews(doc.ViewMode);
    return Outcome(read);
}

} // namespace quorvant::ui
