#include "game/workingfolders.h"

#include "obdata/generation.h"
#include "platform/fileio.h"
#include "platform/pathresolve.h"

#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {

std::vector<fs::path> WorkingFolderNames(int generation) {
    if (generation == kBW3) return {fs::path("Exports"), fs::path("save") / "ZipFiles"};
    return {fs::path("Email") / "Quorvant.bak", fs::path("Email") / "ZipFiles", fs::path("Exports")};
}

void CreateWorkingFolders(const AppSettings& settings) {
    for (int generation : {kBW1, kBW2, kBW3}) {
        const std::string& folder = settings.InstallFolder(generation);
        std::error_code ec;
        if (folder.empty() || !fs::is_directory(folder, ec)) continue;
        // A folder that cannot be made is missed by the command that needs it, which says so then.
        std::string ignored;
        for (const fs::path& name : WorkingFolderNames(generation))
            CreateFolders(ResolvePath(folder, name), ignored);
    }
}

} // namespace quorvant
