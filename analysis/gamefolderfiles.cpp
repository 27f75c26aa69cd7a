#include "analysis/gamefolderfiles.h"

#include "app/obmenu.h"
#include "platform/pathresolve.h"

namespace quorvant {

std::vector<GameFolderFile> GameFolderFiles(const std::filesystem::path& folder, int generation) {
    std::vector<GameFolderFile> files;
    for (const OBMenuEntry& entry : AllOBMenuEntries()) {
        if (entry.generation != generation) continue;
        files.push_back({entry.file, ResolveCaseInsensitive(folder, entry.file)});
    }
    return files;
}

} // namespace quorvant
