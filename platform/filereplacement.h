#pragma once

#include "platform/filesystem.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quorvant {

// A file written under a fresh hidden name beside its target, removed again unless it is released
// to whoever moves it into place.
class NewFile {
  public:
    NewFile() = default;
    NewFile(NewFile&&) = default;
    NewFile& operator=(NewFile&&) = default;
    ~NewFile();

    bool Create(const std::filesystem::path& target, std::string& error);
    bool Write(const void* bytes, std::size_t size, std::string& error);
    // Flushes it to the disk and closes it.
    bool Finish(std::string& error);
    const std::filesystem::path& path() const { return path_; }
    // The finished file, no longer removed by this object.
    std::filesystem::path Release();

  private:
    std::filesystem::path target_;
    std::filesystem::path path_;
    std::unique_ptr<WritableFile> file_;
};

// Several files replaced, created or removed as one. Each new content is staged in full beside its
// target first; Commit then moves every existing target aside and every staged file into place, and
// if one step fails, undoes the steps done, so the targets are as they were. The old files are
// removed only when all are in place. A target that is not a regular file (a folder) is refused
// before any step.
class FileReplacement {
  public:
    FileReplacement() = default;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement();

    bool StageBytes(const std::filesystem::path& target, const void* bytes, std::size_t size,
                    std::string& error);
    bool StageCopy(const std::filesystem::path& source, const std::filesystem::path& target,
                   std::string& error);
    // A file already written elsewhere on the same disk, moved onto target; owned files are removed
    // when the replacement does not take place.
    void StageFile(const std::filesystem::path& file, const std::filesystem::path& target, bool owned);
    void StageRemoval(const std::filesystem::path& target);

    // False with the reason when nothing was changed, or when everything was changed but an old file
    // could not be removed (error then names it).
    bool Commit(std::string& error);
    // True once every target is in place, even when an old file could not be removed.
    bool committed() const { return committed_; }

  private:
    struct Step {
        std::filesystem::path target;
        std::filesystem::path staged; // empty for a removal
        bool owned = false;
        std::filesystem::path aside; // where the old target went, once it has
        bool installed = false;
    };
    void RollBack();

    std::vector<Step> steps_;
    bool committed_ = false;
};

} // namespace quorvant
