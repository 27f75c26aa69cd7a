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

} // namespace

void ExportDocumentCsv(QWidget* parent, CQuorvantDoc& doc, const std::filesystem::path& installFolder) {
    SectionChoice chosen = SectionChooser::current().choose(parent, QStringLiteral("Export"));
    if (!chosen) return;
    const QString failure = QStringLiteral("Cannot create %1");
    for (CsvSection section : *chosen) {
        auto path = SectionFile(parent, doc, installFolder, section, failure);
        if (!path) continue;
        std::string error;
        if (!ExportCsvFile(doc, section, *path, error)) ReportFileFailure(parent, failure, *path, error);
    }
    Prompt(PromptKind::Information, QStringLiteral("Export Complete"), parent);
}

void ImportDocumentCsv(QWidget* parent, CQuorvantDoc& doc, const std::filesystem::path& installFolder) {
    SectionChoice chosen = SectionChooser::current().choose(parent, QStringLiteral("Import"));
    if (!chosen) return;
    const QString failure = QStringLiteral("Cannot open %1");
    bool changed = false;
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
        changed = changed || result->linesRead > 0;
        if (result->isShort())
            notes += QStringLiteral("\n") + QString::fromStdString(CsvShortImportNote(section, *result));
    }
    QString message = QStringLiteral("Import Complete");
    if (!notes.isEmpty()) message += QStringLiteral("\n") + notes;
    Prompt(PromptKind::Information, message, parent);
    if (changed) doc.SetModifiedFlag(true);
    doc.UpdateAllViews(doc.ViewMode);
}

} // namespace quorvant::ui
