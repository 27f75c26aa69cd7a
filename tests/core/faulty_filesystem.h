#pragma once

// A file system that passes every call to the real one, counts the calls, and makes the one call
// numbered `at` fail with the chosen fault.

#include "platform/filesystem.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

namespace quorvant::testing {

enum class Fault { NoSpace, PermissionDenied, RenameFails, SyncFails, ShortWrite, Vanish };
inline constexpr Fault kAllFaults[] = {Fault::NoSpace,   Fault::PermissionDenied, Fault::RenameFails,
                                       Fault::SyncFails, Fault::ShortWrite,       Fault::Vanish};

inline const char* FaultName(Fault fault) {
    switch (fault) {
    case Fault::NoSpace:
        return "no space";
    case Fault::PermissionDenied:
        return "permission denied";
    case Fault::RenameFails:
        return "rename fails";
    case Fault::SyncFails:
        return "fsync fails";
    case Fault::ShortWrite:
        return "short write";
    case Fault::Vanish:
        return "file vanishes";
    }
    return "";
}

// The words the user must be shown when the fault strikes.
inline std::string FaultReason(Fault fault) {
    switch (fault) {
    case Fault::NoSpace:
        return std::strerror(ENOSPC);
    case Fault::PermissionDenied:
        return std::strerror(EACCES);
    case Fault::RenameFails:
        return std::strerror(EXDEV);
    case Fault::SyncFails:
        return std::strerror(EIO);
    case Fault::ShortWrite:
        return "";
    case Fault::Vanish:
        return std::strerror(ENOENT);
    }
    return "";
}

enum class Call {
    Read,
    Create,
    Write,
    Sync,
    Close,
    Rename,
    Remove,
    RemoveAll,
    CreateFolder,
    CreateFolders,
    Copy,
    Chmod,
    Stamp,
    Append
};

class FaultyFileSystem : public FileSystem {
  public:
    // at < 0 injects nothing and only counts.
    FaultyFileSystem(Fault fault, int at) : fault_(fault), at_(at) {}
    // Strikes the first call for which when(call, path, second path) holds instead.
    using Chooser = std::function<bool(Call, const std::filesystem::path&, const std::filesystem::path&)>;
    FaultyFileSystem(Fault fault, Chooser when) : fault_(fault), at_(-1), when_(std::move(when)) {}

    int calls() const { return calls_; }
    bool injected() const { return injected_; }
    // The file the fault made vanish, if one existed.
    const std::filesystem::path& vanished() const { return vanished_; }

    std::optional<std::vector<std::uint8_t>> Read(const std::filesystem::path& path,
                                                  std::string& why) override {
        if (Strike(Call::Read, path, why)) return std::nullopt;
        return real().Read(path, why);
    }
    std::unique_ptr<WritableFile> CreateNew(const std::filesystem::path& path, std::string& why) override {
        if (Strike(Call::Create, path, why)) return nullptr;
        auto file = real().CreateNew(path, why);
        if (!file) return nullptr;
        return std::make_unique<File>(*this, path, std::move(file));
    }
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to,
                std::string& why) override {
        return !Strike(Call::Rename, from, why, nullptr, to) && real().Rename(from, to, why);
    }
    bool Remove(const std::filesystem::path& path, std::string& why) override {
        return !Strike(Call::Remove, path, why) && real().Remove(path, why);
    }
    bool RemoveAll(const std::filesystem::path& path, std::string& why) override {
        return !Strike(Call::RemoveAll, path, why) && real().RemoveAll(path, why);
    }
    bool CreateFolder(const std::filesystem::path& path, std::string& why) override {
        return !Strike(Call::CreateFolder, path, why) && real().CreateFolder(path, why);
    }
    bool CreateFolders(const std::filesystem::path& path, std::string& why) override {
        return !Strike(Call::CreateFolders, path, why) && real().CreateFolders(path, why);
    }
    bool CopyFile(const std::filesystem::path& from, const std::filesystem::path& to,
                  std::string& why) override {
        return !Strike(Call::Copy, from, why, nullptr, to) && real().CopyFile(from, to, why);
    }
    bool Append(const std::filesystem::path& path, const void* bytes, std::size_t size, AppendMode mode,
                std::string& why) override {
        bool shortened = false;
        if (Strike(Call::Append, path, why, &shortened)) return false;
        if (!shortened || size < 2) return real().Append(path, bytes, size, mode, why);
        // The system takes it in two writes, which the real call goes on after.
        const std::size_t half = size / 2;
        return real().Append(path, bytes, half, mode, why) &&
               real().Append(path, static_cast<const char*>(bytes) + half, size - half, AppendMode::Existing,
                             why);
    }
    bool CopyPermissions(const std::filesystem::path& model, const std::filesystem::path& path,
                         std::string& why) override {
        return !Strike(Call::Chmod, path, why) && real().CopyPermissions(model, path, why);
    }
    bool CopyTimeStamp(const std::filesystem::path& model, const std::filesystem::path& path,
                       std::string& why) override {
        return !Strike(Call::Stamp, path, why) && real().CopyTimeStamp(model, path, why);
    }

  private:
    class File : public WritableFile {
      public:
        File(FaultyFileSystem& owner, std::filesystem::path path, std::unique_ptr<WritableFile> file)
            : owner_(owner), path_(std::move(path)), file_(std::move(file)) {}
        std::size_t Write(const void* bytes, std::size_t size, std::string& why) override {
            bool shortened = false;
            if (owner_.Strike(Call::Write, path_, why, &shortened)) {
                // Half of it reaches the file before the disk is full.
                std::string ignored;
                return file_->Write(bytes, size / 2, ignored);
            }
            if (shortened && size > 1) return file_->Write(bytes, size / 2, why);
            return file_->Write(bytes, size, why);
        }
        bool Sync(std::string& why) override {
            return !owner_.Strike(Call::Sync, path_, why) && file_->Sync(why);
        }
        bool Close(std::string& why) override {
            if (owner_.Strike(Call::Close, path_, why)) {
                std::string ignored;
                file_->Close(ignored);
                return false;
            }
            return file_->Close(why);
        }

      private:
        FaultyFileSystem& owner_;
        std::filesystem::path path_;
        std::unique_ptr<WritableFile> file_;
    };

    static FileSystem& real() { return RealFileSystem(); }

    static bool Applies(Fault fault, Call call) {
        switch (fault) {
        case Fault::NoSpace:
            return call == Call::Create || call == Call::Write || call == Call::Append ||
                   call == Call::Close || call == Call::CreateFolder || call == Call::CreateFolders ||
                   call == Call::Copy;
        case Fault::PermissionDenied:
            return call == Call::Read || call == Call::Create || call == Call::Rename ||
                   call == Call::Remove || call == Call::RemoveAll || call == Call::CreateFolder ||
                   call == Call::CreateFolders || call == Call::Copy || call == Call::Chmod ||
                   call == Call::Stamp || call == Call::Append;
        case Fault::RenameFails:
            return call == Call::Rename;
        case Fault::SyncFails:
            return call == Call::Sync;
        case Fault::ShortWrite:
            return call == Call::Write || call == Call::Append;
        case Fault::Vanish:
            return call == Call::Read || call == Call::Write || call == Call::Sync || call == Call::Close ||
                   call == Call::Rename || call == Call::Remove || call == Call::Copy || call == Call::Stamp ||
                   call == Call::Append;
        }
        return false;
    }

    // True when the call must fail now, with why set. A short write and a vanishing file do not fail
    // the call themselves: the write is cut short, or the file is gone when the real call runs.
    bool Strike(Call call, const std::filesystem::path& path, std::string& why, bool* shortened = nullptr,
                const std::filesystem::path& to = {}) {
        bool chosen = when_ ? !injected_ && when_(call, path, to) : calls_ == at_;
        ++calls_;
        if (!chosen || !Applies(fault_, call)) return false;
        injected_ = true;
        switch (fault_) {
        case Fault::ShortWrite:
            if (shortened) *shortened = true;
            return false;
        case Fault::Vanish: {
            std::error_code ec;
            if (std::filesystem::exists(std::filesystem::symlink_status(path, ec))) vanished_ = path;
            std::filesystem::remove_all(path, ec);
            return false;
        }
        default:
            why = FaultReason(fault_);
            return true;
        }
    }

    Fault fault_;
    int at_;
    Chooser when_;
    int calls_ = 0;
    bool injected_ = false;
    std::filesystem::path vanished_;
};

} // namespace quorvant::testing
