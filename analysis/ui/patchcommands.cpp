#include "analysis/ui/patchcommands.h"

#include "analysis/patch.h"
#include "analysis/patchfile.h"
#include "analysis/recordclear.h"
#include "analysis/ui/patchpreview.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/readbackcheck.h"
#include "obdata/ui/gametext.h"
#include "platform/fileio.h"
#include "platform/ui/filechooser.h"
#include "platform/ui/promptservice.h"
#include "views/ui/unitview.h"
#include "workspace/ui/workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorvant::ui {
namespace {

const QString kPatchFilter = QStringLiteral("Patches (*.json);;All files (*)");

QString Native(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(QString::fromStdString(path.string()));
}

// Patches are kept and shared apart from the game, so the chooser starts where the last one was
// saved or read, else in the user's documents; in the game's folder only where there are none.
QString& LastPatchFolder() {
    static QString folder;
    return folder;
}

QString PatchFolderOr(const std::filesystem::path& fallback) {
    const QString& last = LastPatchFolder();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents
                                                                : QString::fromStdString(fallback.string());
}

void ShowPreview(Workspace& workspace, PatchPreviewSetup setup) {
    auto* window = new PatchPreviewWindow(workspace, std::move(setup));
    window->show();
    window->raise();
}

} // namespace

QString SavePatch(Workspace& workspace, QWidget* parent, const Patch& patch, const QString& suggested) {
    const QFileInfo proposed(suggested);
    const QString start =
        QDir(PatchFolderOr(proposed.absolutePath().toStdString())).filePath(proposed.fileName());
    const QString path =
        FileChooser::current().saveFile(parent, QStringLiteral("Save Patch"), start, kPatchFilter);
    if (path.isEmpty()) return {};
    std::string error;
    if (WriteFileAtomically(path.toStdString(), WritePatch(patch), error)) {
        LastPatchFolder() = QFileInfo(path).absolutePath();
        workspace.ShowStatusMessage(QStringLiteral("Exported a patch of %1 to %2")
                                        .arg(patch.changes.size() == 1
                                                 ? QStringLiteral("1 record")
                                                 : QStringLiteral("%1 records").arg(patch.changes.size()),
                                             QDir::toNativeSeparators(path)));
        return path;
    }
    Prompt(PromptKind::Exclamation,
           QStringLiteral("Cannot write the patch %1.\n\n%2")
               .arg(QDir::toNativeSeparators(path), QString::fromStdString(error)),
           parent);
    return {};
}

void ExportChanges(Workspace& workspace) {
    CUnitView* view = workspace.ActiveView();
    if (!view) return;
    const CQuorvantDoc& doc = view->document();
    CQuorvantDoc disk;
    if (!doc.LoadedFromFile() || !disk.OnOpenDocument(doc.PathName())) {
        Prompt(PromptKind::Exclamation,
               doc.LoadedFromFile()
                   ? QStringLiteral("Cannot read the file %1.\n\n%2")
                         .arg(Native(doc.PathName()), QString::fromStdString(disk.LastErrorDetail()))
                   : QStringLiteral("The document has no file on disk to compare with."),
               workspace.Window());
        return;
    }
    // The changes are those Save would write: values the file cannot keep read back as it keeps them.
    const ReadBackCheck saved(doc);
    if (saved.changesGeneration() || disk.Generation != doc.Generation) {
        Prompt(PromptKind::Exclamation,
               QStringLiteral("%1 would not read back as a %2 file; save it first.")
                   .arg(Native(doc.PathName()), QString::fromLatin1(GenerationLabel(doc.Generation))),
               workspace.Window());
        return;
    }
    const Patch patch = MakePatch(disk, saved.readBack());
    if (patch.changes.empty()) {
        Prompt(PromptKind::Information,
               QStringLiteral("The document holds what its file does: there are no changes to export."),
               workspace.Window());
        return;
    }
    SavePatch(workspace, workspace.Window(), patch,
              QString::fromStdString((doc.Folder() / (doc.FileName() + ".json")).string()));
}

void ApplyPatchFile(Workspace& workspace) {
    CUnitView* view = workspace.ActiveView();
    if (!view) return;
    const CQuorvantDoc& doc = view->document();
    const QString path =
        FileChooser::current().openFile(workspace.Window(), QStringLiteral("Apply Patch"),
                                        PatchFolderOr(doc.Folder()), kPatchFilter, QString());
    if (path.isEmpty()) return;
    LastPatchFolder() = QFileInfo(path).absolutePath();
    std::string error;
    std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path.toStdString(), error);
    std::optional<Patch> patch;
    if (bytes)
        patch =
            ReadPatch(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), error);
    if (!patch || patch->generation != doc.Generation) {
        Prompt(PromptKind::Exclamation,
               patch ? QStringLiteral("%1 is a patch of %2 files; this is a %3 file.")
                           .arg(QDir::toNativeSeparators(path),
                                QString::fromLatin1(GenerationLabel(patch->generation)),
                                QString::fromLatin1(GenerationLabel(doc.Generation)))
                     : QStringLiteral("Cannot read the patch %1.\n\n%2")
                           .arg(QDir::toNativeSeparators(path), QString::fromStdString(error)),
               workspace.Window());
        return;
    }
    ShowPreview(workspace, {QStringLiteral("Apply Patch - %1").arg(QFileInfo(path).fileName()), *patch,
                            QStringLiteral("Apply Patch"), false});
}

void CopyRecordToOtherFiles(Workspace& workspace, int table, int slot) {
    CUnitView* view = workspace.ActiveView();
    if (!view) return;
    const CQuorvantDoc& doc = view->document();
    ShowPreview(workspace,
                {QStringLiteral("Copy to Other Files - %1").arg(GameText(RecordTitle(doc, table, slot))),
                 MakeRecordPatch(doc, table, slot), QStringLiteral("Copy to Other Files"), true});
}

} // namespace quorvant::ui
