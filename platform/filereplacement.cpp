#include "platform/filereplacement.h"

#include "platform/fileio.h"

#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {

NewFile::~NewFile() {
    std::string ignored;
    if (file_) file_->Close(ignored);
    if (!path_.empty()) Files().Remove(path_, ignored);
}

bool NewFile::Create(const fs::path& target, std::string& error) {
    target_ = target;
    fs::path temp = TemporaryPathBeside(target);
    std::string why;
    file_ = Files().CreateNew(temp, why);
    if (!file_) {
        error = target.string() + " cannot be written: " + why;
        return false;
    }
    path_ = temp;
    return true;
}

bool NewFile::Write(const void* bytes, std::size_t size, std::string& error) {
    std::string why;
    if (file_ && WriteAll(*file_, bytes, size, why)) return true;
    error = target_.string() + " cannot be written: " + (file_ ? why : std::string("it is not open"));
    return false;
}

bool NewFile::Finish(std::string& error) {
    if (!file_) {
        error = target_.string() + " cannot be written: it is not open";
        return false;
    }
    std::string why;
    bool synced = file_->Sync(why);
    std::string closeWhy;
    bool closed = file_->Close(closeWhy);
    file_.reset();
    if (synced && closed) return true;
    error = target_.string() + " cannot be written to disk: " + (synced ? closeWhy : why);
    return false;
}

fs::path NewFile::Release() {
    fs::path path = path_;
    path_.clear();
    return path;
}

FileReplacement::~FileReplacement() {
    std::string ignored;
    for (const Step& step : steps_)
        if (step.owned && !step.installed) Files().Remove(step.staged, ignored);
}

bool FileReplacement::StageBytes(const fs::path& target, const void* bytes, std::size_t size,
                                 std::string& error) {
    NewFile file;
    if (!file.Create(target, error) || !file.Write(bytes, size, error) || !file.Finish(error)) return false;
    StageFile(file.Release(), target, true);
    return true;
}

bool FileReplacement::StageCopy(const fs::path& source, const fs::path& target, std::string& error) {
    std::string why;
    auto bytes = Files().Read(source, why);
    if (!bytes) {
        error = source.string() + " could not be copied: " + why;
        return false;
    }
    if (StageBytes(target, bytes->data(), bytes->size(), why)) return true;
    error = source.string() + " could not be copied: " + why;
    return false;
}

void FileReplacement::StageFile(const fs::path& file, const fs::path& target, bool owned) {
    steps_.push_back({target, file, owned, {}, false});
}

void FileReplacement::StageRemoval(const fs::path& target) {
    steps_.push_back({target, {}, false, {}, false});
}

bool FileReplacement::Commit(std::string& error) {
    // A folder at a target would be moved aside with all it holds: nothing is done then.
    for (const Step& step : steps_)
        if (!CheckFileDestination(step.target, error)) return false;
    FileSystem& files = Files();
    for (Step& step : steps_) {
        const char* failed = step.staged.empty() ? " could not be deleted: " : " cannot be replaced: ";
        std::string why;
        std::error_code ec;
        if (fs::exists(fs::symlink_status(step.target, ec))) {
            fs::path aside = TemporaryPathBeside(step.target);
            if (!files.Rename(step.target, aside, why)) {
                RollBack();
                error = step.target.string() + failed + why;
                return false;
            }
            step.aside = aside;
        }
        if (!step.staged.empty() && !files.Rename(step.staged, step.target, why)) {
            RollBack();
            error = step.target.string() + failed + why;
            return false;
        }
        step.installed = true;
    }
    // Everything is in place: what is left to do only tidies up.
    committed_ = true;
    error.clear();
    for (const Step& step : steps_) {
        std::string why;
        if (step.aside.empty() || files.Remove(step.aside, why)) continue;
        if (!error.empty()) error += "; ";
        error += step.target.string() + (step.staged.empty() ? " was deleted" : " was replaced") +
                 ", but its old file " + step.aside.string() + " could not be removed: " + why;
    }
    return error.empty();
}

void FileReplacement::RollBack() {
    FileSystem& files = Files();
    std::string ignored;
    for (auto it = steps_.rbegin(); it != steps_.rend(); ++it) {
        if (it->installed && !it->staged.empty()) files.Rename(it->target, it->staged, ignored);
        it->installed = false;
        if (!it->aside.empty()) files.Rename(it->aside, it->target, ignored);
        it->aside.clear();
    }
}

} // namespace quorvant
