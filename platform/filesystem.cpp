#include "platform/filesystem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace quorvant {
namespace {

std::string ErrnoText() {
    return std::strerror(errno);
}

class RealWritableFile : public WritableFile {
  public:
    explicit RealWritableFile(std::FILE* file) : file_(file) {}
    ~RealWritableFile() override {
        if (file_) std::fclose(file_);
    }

    std::size_t Write(const void* bytes, std::size_t size, std::string& why) override {
        errno = 0;
        std::size_t written = std::fwrite(bytes, 1, size, file_);
        if (written < size) why = errno ? ErrnoText() : "write failed";
        return written;
    }
    bool Sync(std::string& why) override {
        if (std::fflush(file_) != 0) {
            why = ErrnoText();
            return false;
        }
#ifndef _WIN32
        if (::fsync(fileno(file_)) != 0) {
            why = ErrnoText();
            return false;
        }
#endif
        return true;
    }
    bool Close(std::string& why) override {
        std::FILE* file = file_;
        file_ = nullptr;
        if (std::fclose(file) == 0) return true;
        why = ErrnoText();
        return false;
    }

  private:
    std::FILE* file_;
};

class OperatingSystemFiles : public FileSystem {
  public:
    std::optional<std::vector<std::uint8_t>> Read(const fs::path& path, std::string& why) override {
        std::error_code ec;
        if (fs::is_directory(path, ec)) {
            why = "is a folder, not a file";
            return std::nullopt;
        }
        // A device or pipe could feed bytes without end.
        if (fs::exists(path, ec) && !fs::is_regular_file(path, ec)) {
            why = "is not a regular file";
            return std::nullopt;
        }
        std::FILE* file = std::fopen(path.string().c_str(), "rb");
        if (!file) {
            why = ErrnoText();
            return std::nullopt;
        }
        // One read of the size the file says it has, then whatever a growing file adds.
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(fs::file_size(path, ec)));
        if (ec) bytes.clear();
        std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
        bytes.resize(got);
        std::uint8_t chunk[4096];
        while (std::size_t n = std::fread(chunk, 1, sizeof chunk, file))
            bytes.insert(bytes.end(), chunk, chunk + n);
        bool failed = std::ferror(file) != 0;
        std::fclose(file);
        if (failed) {
            why = "read failed";
            return std::nullopt;
        }
        return bytes;
    }

    std::unique_ptr<WritableFile> CreateNew(const fs::path& path, std::string& why) override {
        std::FILE* file = std::fopen(path.string().c_str(), "wbx");
        if (!file) {
            why = ErrnoText();
            return nullptr;
        }
        return std::make_unique<RealWritableFile>(file);
    }

    bool Rename(const fs::path& from, const fs::path& to, std::string& why) override {
        std::error_code ec;
        fs::rename(from, to, ec);
        return Succeeded(ec, why);
    }

    bool Remove(const fs::path& path, std::string& why) override {
        std::error_code ec;
        fs::remove(path, ec);
        return Succeeded(ec, why);
    }

    bool RemoveAll(const fs::path& path, std::string& why) override {
        std::error_code ec;
        fs::remove_all(path, ec);
        return Succeeded(ec, why);
    }

    bool CreateFolder(const fs::path& path, std::string& why) override {
        std::error_code ec;
        if (fs::create_directory(path, ec)) return true;
        why = ec ? ec.message() : std::string("already exists");
        return false;
    }

    bool CreateFolders(const fs::path& path, std::string& why) override {
        std::error_code ec;
        fs::create_directories(path, ec);
        return Succeeded(ec, why);
    }

    bool CopyFile(const fs::path& from, const fs::path& to, std::string& why) override {
        std::error_code ec;
        fs::copy_file(from, to, ec);
        return Succeeded(ec, why);
    }

    bool Append(const fs::path& path, const void* bytes, std::size_t size, AppendMode mode,
                std::string& why) override {
#ifndef _WIN32
        const bool create = mode == AppendMode::CreateNew;
        const int fd = ::open(path.string().c_str(),
                              O_WRONLY | O_APPEND | O_CLOEXEC | (create ? O_CREAT | O_EXCL : 0), 0666);
        if (fd < 0) {
            why = ErrnoText();
            return false;
        }
        struct stat before {};
        if (::fstat(fd, &before) != 0) {
            why = ErrnoText();
            ::close(fd);
            return false;
        }
        const auto* at = static_cast<const char*>(bytes);
        std::size_t left = size;
        bool failed = false;
        while (left > 0 && !failed) {
            const ssize_t n = ::write(fd, at, left);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                why = n < 0 ? ErrnoText() : "nothing could be written";
                failed = true;
                break;
            }
            at += n;
            left -= static_cast<std::size_t>(n);
        }
        if (::close(fd) != 0 && !failed) {
            why = ErrnoText();
            failed = true;
        }
        if (!failed) return true;
        // A torn tail would hide whatever is appended after it from a reader.
        if (create)
            ::unlink(path.string().c_str());
        else
            (void)::truncate(path.string().c_str(), before.st_size);
        return false;
#else
        std::error_code ec;
        const bool exists = fs::exists(path, ec);
        if (exists == (mode == AppendMode::CreateNew)) {
            why = exists ? "already exists" : std::strerror(ENOENT);
            return false;
        }
        const std::uintmax_t oldSize = exists ? fs::file_size(path, ec) : 0;
        std::FILE* file = std::fopen(path.string().c_str(), "ab");
        if (!file) {
            why = ErrnoText();
            return false;
        }
        const bool written = std::fwrite(bytes, 1, size, file) == size;
        if (!written) why = ErrnoText();
        const bool closed = std::fclose(file) == 0;
        if (!closed && written) why = ErrnoText();
        if (written && closed) return true;
        if (exists)
            fs::resize_file(path, oldSize, ec);
        else
            fs::remove(path, ec);
        return false;
#endif
    }

    bool CopyPermissions(const fs::path& model, const fs::path& path, std::string& why) override {
#ifndef _WIN32
        struct stat old {};
        if (::stat(model.string().c_str(), &old) != 0) return true; // nothing to keep
        if (::chmod(path.string().c_str(), old.st_mode & 07777) == 0) return true;
        why = ErrnoText();
        return false;
#else
        (void)model;
        (void)path;
        (void)why;
        return true;
#endif
    }

    bool CopyTimeStamp(const fs::path& model, const fs::path& path, std::string& why) override {
        std::error_code ec;
        const fs::file_time_type time = fs::last_write_time(model, ec);
        if (!ec) fs::last_write_time(path, time, ec);
        return Succeeded(ec, why);
    }

  private:
    static bool Succeeded(const std::error_code& ec, std::string& why) {
        if (!ec) return true;
        why = ec.message();
        return false;
    }
};

FileSystem*& Current() {
    static FileSystem* current = &RealFileSystem();
    return current;
}

} // namespace

bool WriteAll(WritableFile& file, const void* bytes, std::size_t size, std::string& why) {
    const auto* at = static_cast<const char*>(bytes);
    while (size > 0) {
        why.clear();
        std::size_t written = file.Write(at, size, why);
        if (!why.empty()) return false;
        if (written == 0) {
            why = "nothing could be written";
            return false;
        }
        at += written;
        size -= written;
    }
    return true;
}

FileSystem& RealFileSystem() {
    static OperatingSystemFiles files;
    return files;
}

FileSystem& Files() {
    return *Current();
}

ScopedFileSystemForTesting::ScopedFileSystemForTesting(FileSystem& replacement) : previous_(Current()) {
    Current() = &replacement;
}

ScopedFileSystemForTesting::~ScopedFileSystemForTesting() {
    Current() = previous_;
}

} // namespace quorvant
