#pragma once

#include "demo/demogame.h"

#include <filesystem>
#include <string>

namespace quorvant {

// The BW3 install folder of a demo game written once under the temporary folder as name; a benchmark
// that writes its files takes a name of its own.
inline std::filesystem::path DemoBW3Folder(const std::string& name) {
    const std::filesystem::path root = std::filesystem::temp_directory_path() / name;
    std::string error;
    if (!std::filesystem::exists(root / "bw3")) demo::WriteDemoGame(root, error);
    return root / "bw3";
}

} // namespace quorvant
