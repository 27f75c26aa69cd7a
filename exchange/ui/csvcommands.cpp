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
        if (!ExportCsvFile(doc, section, *path, error))
            Prompt(PromptKind::Exclamation,
                   failure.arg(Native(*path)) + QStringLiteral("\n") + QString::fromStdString(error), parent);
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
            Prompt(PromptKind::Exclamation,
                   failure.arg(Native(*path)) + QStringLiteral("\n") + QString::fromStdString(error), parent);
            continue;
        }
        changed = changed || result->linesRead > 0;
        if (result->isShort())
            notes += QStringLiteral("\n%1: %2 lines read for %3 slots; slots %2 to %4 were left unchanged.")
                         .arg(QString::fromLatin1(CsvSectionName(section)))
                         .arg(result->linesRead)
                         .arg(result->slotsInTable)
                         .arg(result->slotsInTable - 1);
    }
    QString message = QStringLiteral("Import Complete");
    if (!notes.isEmpty()) message += QStringLiteral("\n") + notes;
    Prompt(PromptKind::Information, message, parent);
    if (changed) doc.SetModifiedFlag(true);
    doc.UpdateAllViews(doc.ViewMode);
}

} // namespace quorvant::ui
