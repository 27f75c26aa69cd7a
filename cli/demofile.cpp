#include "cli/demofile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace quorvant::cli::demo {

bool WriteDemoFile(const std::filesystem::path& path, std::string_view bytes, std::string& error) {
    // A new file rather than a truncated one: some file systems flush a truncated file on close.
    std::error_code ec;
    std::filesystem::remove(path, ec);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file) file.close();
    if (!file) {
        error = path.string() + ": cannot write: " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace quorvant::cli::demo
