#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorvant {

// A file being written, created by FileSystem::CreateNew. Write may write fewer bytes than asked
// (a short write) and return that count with why empty; on a failure it returns what it wrote
// and says why.
class WritableFile {
  public:
    virtual ~WritableFile() = default;
    virtual std::size_t Write(const void* bytes, std::size_t size, std::string& why) = 0;
    // Flushes what was written to the disk itself.
    virtual bool Sync(std::string& why) = 0;
    virtual bool Close(std::string& why) = 0;
};

enum class AppendMode { CreateNew, Existing };

// Every read, write, rename, copy and delete of a file the program does goes through here, so that
// tests can make any one of them fail. Each call is one step; a false or empty return says why.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual std::optional<std::vector<std::uint8_t>> Read(const std::filesystem::path& path,
                                                          std::string& why) = 0;
    // Creates a file that must not exist yet.
    virtual std::unique_ptr<WritableFile> CreateNew(const std::filesystem::path& path, std::string& why) = 0;
    virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to,
                        std::string& why) = 0;
    // Removes a file or an empty folder; one that is already gone is no failure.
    virtual bool Remove(const std::filesystem::path& path, std::string& why) = 0;
    // Removes a folder with everything in it.
    virtual bool RemoveAll(const std::filesystem::path& path, std::string& why) = 0;
    // Creates one folder that must not exist yet.
    virtual bool CreateFolder(const std::filesystem::path& path, std::string& why) = 0;
    // Creates a folder and its missing parents; one that exists is no failure.
    virtual bool CreateFolders(const std::filesystem::path& path, std::string& why) = 0;
    // Copies a file to a name that must not exist yet.
    virtual bool CopyFile(const std::filesystem::path& from, const std::filesystem::path& to,
                          std::string& why) = 0;
    // Adds bytes at the end of a file in one step. CreateNew makes a file that must not exist yet;
    // Existing needs one that does. The bytes are handed to the operating system, not flushed to the
    // disk itself: they outlive the program being killed, not a power cut, and cost no wait for the
    // disk. After a failure the file is as it was: cut back to its old length, or gone again when this
    // call created it.
    virtual bool Append(const std::filesystem::path& path, const void* bytes, std::size_t size,
                        AppendMode mode, std::string& why) = 0;
    // Gives path the permission bits of model (a file being replaced by a new one).
    virtual bool CopyPermissions(const std::filesystem::path& model, const std::filesystem::path& path,
                                 std::string& why) = 0;
    // Gives path the modification time of model (a copy that must look like its original).
    virtual bool CopyTimeStamp(const std::filesystem::path& model, const std::filesystem::path& path,
                               std::string& why) = 0;
};

// Writes all of bytes, going on after short writes; false with the reason when a write fails.
bool WriteAll(WritableFile& file, const void* bytes, std::size_t size, std::string& why);

// The operating system's files.
FileSystem& RealFileSystem();
// The file system the program uses: the real one, unless a test has put another in its place.
FileSystem& Files();

// Only tests construct this; while it lives, Files() is the given file system.
class ScopedFileSystemForTesting {
  public:
    explicit ScopedFileSystemForTesting(FileSystem& replacement);
    ~ScopedFileSystemForTesting();
    ScopedFileSystemForTesting(const ScopedFileSystemForTesting&) = delete;
    ScopedFileSystemForTesting& operator=(const ScopedFileSystemForTesting&) = delete;

  private:
    FileSystem* previous_;
};

} // namespace quorvant
