#include "platform/fileio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace quorvant {
namespace {

std::string Describe(const fs::path& path, const std::string& what) {
    return path.string() + ": " + what;
}

std::string ErrnoText() {
    return std::strerror(errno);
}

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

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

namespace {

bool SyncToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
#ifndef _WIN32
    if (::fsync(fileno(file)) != 0) return false;
#endif
    return true;
}

} // namespace

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const fs::path& path, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = Describe(path, "is a folder, not a file");
        return std::nullopt;
    }
    // A device or pipe could feed bytes without end.
    if (fs::exists(path, ec) && !fs::is_regular_file(path, ec)) {
        error = Describe(path, "is not a regular file");
        return std::nullopt;
    }
    FilePtr file(std::fopen(path.string().c_str(), "rb"));
    if (!file) {
        error = Describe(path, ErrnoText());
        return std::nullopt;
    }
    // One read of the size the file says it has, then whatever a growing file adds.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(fs::file_size(path, ec)));
    if (ec) bytes.clear();
    std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    bytes.resize(got);
    std::uint8_t chunk[4096];
    while (std::size_t n = std::fread(chunk, 1, sizeof chunk, file.get()))
        bytes.insert(bytes.end(), chunk, chunk + n);
    if (std::ferror(file.get())) {
        error = Describe(path, "read failed");
        return std::nullopt;
    }
    return bytes;
}

bool WriteFileAtomically(const fs::path& path, const std::vector<std::uint8_t>& bytes, std::string& error) {
    return WriteFileAtomically(path, std::string(bytes.begin(), bytes.end()), error);
}

bool WriteFileAtomically(const fs::path& path, const std::string& bytes, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = Describe(path, "is a folder, not a file");
        return false;
    }
    fs::path parent = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    fs::path temp = TemporaryPathBeside(parent / path.filename());
    FilePtr file(std::fopen(temp.string().c_str(), "wbx"));
    if (!file) {
        error = Describe(path, "cannot create a file in its folder: " + ErrnoText());
        return false;
    }
    bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() && SyncToDisk(file.get());
    std::string writeError = written ? "" : ErrnoText();
    if (std::fclose(file.release()) != 0 && written) {
        written = false;
        writeError = ErrnoText();
    }
    if (!written) {
        fs::remove(temp, ec);
        error = Describe(path, "write failed: " + writeError);
        return false;
    }
#ifndef _WIN32
    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(path.string().c_str(), &old) == 0) ::chmod(temp.string().c_str(), old.st_mode & 07777);
#endif
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        error = Describe(path, "cannot replace the file: " + ec.message());
        return false;
    }
    return true;
}

} // namespace quorvant
