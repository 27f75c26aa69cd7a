#pragma once

#include "game/appsettings.h"

#include <filesystem>
#include <vector>

namespace quorvant {

// The program's own folders inside one install folder, relative to it: the e-mail backup and
// archive folders and the export folder (BW1, BW2), the export and save archive folders (BW3).
std::vector<std::filesystem::path> WorkingFolderNames(int generation);

// Creates the working folders of every generation whose install folder is set and exists. An
// existing folder is reused whatever the case of its name; failures are ignored.
void CreateWorkingFolders(const AppSettings& settings);

} // namespace quorvant
