#include "demo/demofile.h"

#include "platform/filesystem.h"

namespace quorvant::demo {

bool WriteDemoFile(const std::filesystem::path& path, std::string_view bytes, std::string& error) {
    // A new file rather than a truncated one, and not flushed to disk one by one: the demo writes
    // hundreds of files and can simply be written again.
    FileSystem& files = Files();
    std::string why;
    std::unique_ptr<WritableFile> file;
    bool ok = files.Remove(path, why) && (file = files.CreateNew(path, why)) &&
              WriteAll(*file, bytes.data(), bytes.size(), why);
    std::string closeWhy;
    if (file && !file->Close(closeWhy) && ok) {
        ok = false;
        why = closeWhy;
    }
    if (!ok) error = path.string() + ": cannot write: " + why;
    return ok;
}

} // namespace quorvant::demo
