#include "analysis/patchfolder.h"

#include "game/gamefolderfiles.h"

#include <system_error>

namespace quorvant {

std::vector<FilePatchPreview> PreviewPatchOverFolder(const std::filesystem::path& folder, int generation,
                                                     const Patch& patch, PatchMatch match,
                                                     const OpenDocumentOf& openDocument) {
    std::vector<FilePatchPreview> files;
    for (const GameFolderFile& menuFile : GameFolderFiles(folder, generation)) {
        FilePatchPreview& f = files.emplace_back();
        f.file = menuFile.path.filename().string();
        f.path = menuFile.path;
        f.open = openDocument ? openDocument(menuFile.path) : nullptr;
        std::error_code ec;
        if (!f.open) {
            const std::filesystem::file_status status = std::filesystem::status(f.path, ec);
            if (!std::filesystem::exists(status)) {
                f.missing = true;
                continue;
            }
            f.read = std::make_unique<CQuorvantDoc>(generation);
            if (!std::filesystem::is_regular_file(status)) {
                f.unreadable = "not a file";
            } else if (!f.read->OnOpenDocument(f.path)) {
                f.unreadable = f.read->LastErrorDetail();
            }
            if (!f.unreadable.empty()) {
                f.read.reset();
                continue;
            }
        }
        f.preview = PreviewPatch(*f.doc(), patch, match);
    }
    return files;
}

} // namespace quorvant
