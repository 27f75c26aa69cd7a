#include "platform/fileio.h"

#include "platform/filereplacement.h"
#include "platform/filesystem.h"

#include <cstdio>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {
namespace {

std::string Describe(const fs::path& path, const std::string& what) {
    return path.string() + ": " + what;
}

} // namespace

fs::path TemporaryPathBeside(const fs::path& target) {
    static std::mt19937_64 random{std::random_device{}()};
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on a chain of string additions.
    std::string name(1, '.');
    name += target.filename().string();
    name += suffix;
    return target.parent_path() / name;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const fs::path& path, std::string& error) {
    std::string why;
    auto bytes = Files().Read(path, why);
    if (!bytes) error = Describe(path, why);
    return bytes;
}

bool CheckFileDestination(const fs::path& path, std::string& error) {
    std::error_code ec;
    fs::file_type link = fs::symlink_status(path, ec).type();
    // A file that cannot even be looked at is left to the step that uses it to report.
    if (link == fs::file_type::not_found || link == fs::file_type::none) return true;
    fs::file_type type = fs::status(path, ec).type();
    if (type == fs::file_type::regular) return true;
    error = Describe(path,
                     type == fs::file_type::directory ? "is a folder, not a file" : "is not a regular file");
    return false;
}

bool CreateFolders(const fs::path& folder, std::string& error) {
    std::string why;
    if (Files().CreateFolders(folder, why)) return true;
    // "Not a directory" of the folder asked for does not tell the user which file is in the way.
    std::error_code ec;
    for (fs::path at = folder; !at.empty(); at = at.parent_path()) {
        const fs::file_type type = fs::status(at, ec).type();
        if (type != fs::file_type::not_found) {
            if (type != fs::file_type::directory && type != fs::file_type::none) {
                error = Describe(at, "is a file, where a folder is needed");
                return false;
            }
            break;
        }
        if (at == at.parent_path()) break;
    }
    error = Describe(folder, why);
    return false;
}

bool WriteFileAtomically(const fs::path& path, const std::vector<std::uint8_t>& bytes, std::string& error) {
    return WriteFileAtomically(path, bytes.data(), bytes.size(), error);
}

bool WriteFileAtomically(const fs::path& path, const std::string& bytes, std::string& error) {
    return WriteFileAtomically(path, bytes.data(), bytes.size(), error);
}

bool WriteFileAtomically(const fs::path& path, const void* bytes, std::size_t size, std::string& error) {
    if (!CheckFileDestination(path, error)) return false;
    fs::path parent = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    NewFile file;
    if (!file.Create(parent / path.filename(), error) || !file.Write(bytes, size, error) ||
        !file.Finish(error))
        return false;
    FileSystem& files = Files();
    std::string why;
    // Keeps the permissions of the file being replaced; a file that keeps other ones is no loss.
    files.CopyPermissions(path, file.path(), why);
    if (!files.Rename(file.path(), path, why)) {
        error = path.string() + " cannot be replaced: " + why;
        return false; // the new file is removed with its writer
    }
    file.Release();
    return true;
}

} // namespace quorvant
