#include "game/opencommand.h"

#include "game/obmenu.h"
#include "obdata/generation.h"
#include "platform/currentfolder.h"
#include "platform/fileidentity.h"
#include "platform/pathresolve.h"

#include <cstdint>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {
namespace {

// Far beyond any OB file (44500 bytes and a little); the whole file is held in memory while open.
constexpr std::uintmax_t kMaxOBFileSize = 64u * 1024u * 1024u;

} // namespace

std::optional<fs::path> ResolveMenuOpen(int command, AppSettings& settings) {
    std::optional<OBOpenTarget> target = OBOpenTargetFor(command);
    if (!target) return std::nullopt;
    const std::string& folder = settings.InstallFolder(target->generation);
    if (target->generation == kBW2) ChangeCurrentFolder(folder);
    if (target->setsDefaultGeneration) settings.DefaultGeneration = target->generation;
    if (folder.empty()) return fs::path(target->file);
    return ResolveCaseInsensitive(folder, target->file);
}

std::string OpenDialogFolder(const AppSettings& settings) {
    return settings.InstallFolder(settings.DefaultGeneration);
}

std::optional<std::string> WhyNotOpenable(const fs::path& path) {
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) return "The file does not exist.";
    if (fs::is_directory(status)) return "It is a folder, not a file.";
    if (!fs::is_regular_file(status)) return "It is not a plain file.";
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return "Its size cannot be read.";
    if (size > kMaxOBFileSize) return "It is far too large to be an OB file.";
    return std::nullopt;
}

bool SameFile(const fs::path& a, const fs::path& b) {
    return SameFileIdentity(a, b);
}

} // namespace quorvant
