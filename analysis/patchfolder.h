#pragma once

#include "analysis/patchapply.h"
#include "analysis/recordfind.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quorvant {

// One OB file of a generation's menus and what a patch would do to it.
struct FilePatchPreview {
    std::string file; // the name as found on disk
    std::filesystem::path path;
    bool missing = false;
    std::string unreadable;             // why a file that is there could not be read
    const CQuorvantDoc* open = nullptr; // the open document that holds the file
    std::unique_ptr<CQuorvantDoc> read; // else the file as read
    PatchPreview preview;

    const CQuorvantDoc* doc() const { return open ? open : read.get(); }
};

// PreviewPatch over every OB file of the generation's menus in the folder, in menu order; a file
// open in a document (openDocument, when given, names it) is taken as the document holds it.
std::vector<FilePatchPreview> PreviewPatchOverFolder(const std::filesystem::path& folder, int generation,
                                                     const Patch& patch, PatchMatch match,
                                                     const OpenDocumentOf& openDocument = {});

} // namespace quorvant
