#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace quorvant {

// The mount points of iso9660 and udf volumes in a mount table (the form of /proc/self/mounts),
// sorted: they stand for the CD-ROM drive letters in order.
std::vector<std::filesystem::path> CdRootsFromMountTable(std::string_view table);

// The CD roots of this machine; empty when there is none or the mount table cannot be read.
std::vector<std::filesystem::path> CdRoots();

} // namespace quorvant
