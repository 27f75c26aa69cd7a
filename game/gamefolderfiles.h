#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvant {

// One OB file a generation's File menu names, as found in an install folder.
struct GameFolderFile {
    std::string menuName;       // "OBPZ", "MOB31", "KOB70": the spelling the menus use
    std::filesystem::path path; // the file on disk, found ignoring case
};

// Every OB file the generation's menus name, in menu order, each looked up ignoring case; a file
// that is not there keeps the menu's spelling in its path.
std::vector<GameFolderFile> GameFolderFiles(const std::filesystem::path& folder, int generation);

class CQuorvantDoc;

// Reads an OB file into a fresh document for a tool that only looks at it: one read, no snapshots
// for editors, no views told; NamesOnly leaves every field but the names zero. False, with the
// reason, when the file cannot be read.
enum class GameFileContent { Everything, NamesOnly };
bool ReadGameFolderFile(const std::filesystem::path& path, CQuorvantDoc& doc, std::string& why,
                        GameFileContent content = GameFileContent::Everything);

} // namespace quorvant
