#include "game/gamefolderfiles.h"

#include "game/obmenu.h"
#include "obdata/obreader.h"
#include "obdata/quorvantdoc.h"
#include "platform/fileio.h"
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

bool ReadGameFolderFile(const std::filesystem::path& path, CQuorvantDoc& doc, std::string& why,
                        GameFileContent content) {
    std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path, why);
    if (!bytes) return false;
    if (content == GameFileContent::NamesOnly)
        ReadOBNames(doc, *bytes);
    else
        ReadOBImage(doc, *bytes, nullptr);
    return true;
}

} // namespace quorvant
