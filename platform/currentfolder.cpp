#include "platform/currentfolder.h"

#include <system_error>

namespace quorvant {

void ChangeCurrentFolder(const std::filesystem::path& folder) {
    if (folder.empty()) return;
    std::error_code ec;
    std::filesystem::current_path(folder, ec);
}

std::filesystem::path CurrentFolder() {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path() : folder;
}

} // namespace quorvant
