#include "obdata/overwriteguard.h"

#include <system_error>
#include <utility>

namespace quorvant {
namespace {

OverwriteGuard& Installed() {
    static OverwriteGuard guard;
    return guard;
}

} // namespace

void InstallOverwriteGuard(OverwriteGuard guard) {
    Installed() = std::move(guard);
}

bool GuardOverwrite(const std::filesystem::path& path, int generation, std::string& error) {
    std::error_code ec;
    if (!Installed() || !std::filesystem::is_regular_file(path, ec)) return true;
    return Installed()(path, generation, error);
}

} // namespace quorvant
