#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace quorvant {

// What runs before a document writes over a file that is there (the editor keeps a backup of it):
// false stops the write, with the reason in error. Programs without one (obtool) just write.
using OverwriteGuard =
    std::function<bool(const std::filesystem::path& path, int generation, std::string& error)>;

// The guard every document's save goes through from now on; an empty one removes it.
void InstallOverwriteGuard(OverwriteGuard guard);

// Runs the installed guard for an existing regular file at path; true when there is none.
bool GuardOverwrite(const std::filesystem::path& path, int generation, std::string& error);

} // namespace quorvant
