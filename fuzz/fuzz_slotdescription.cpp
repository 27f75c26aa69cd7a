// Any description file reads into a line the slot lists can show: at most 199 bytes, no line end,
// no NUL, no control byte 1 after the first. Reading stops at the head of the file, and renaming a
// slot to the text it shows keeps that text.

#include "gamemgr/slotdescription.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace {

// One file for the whole run, never destroyed, so the clean-up at exit can still name it. It lives
// in memory where there is a memory file system: rewriting a file on disk costs milliseconds.
const std::filesystem::path& ScratchFile() {
    static const std::filesystem::path* file = [] {
        std::error_code ec;
        std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                         ? "/dev/shm"
                                         : std::filesystem::temp_directory_path();
        std::filesystem::path dir = base / ("quorvant-fuzz-description-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        auto* path = new std::filesystem::path(dir / "Save001.cmt");
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(ScratchFile().parent_path(), ec);
        });
        return path;
    }();
    return *file;
}

bool Showable(const std::string& text) {
    if (text.size() > quorvant::kDescriptionLimit) return false;
    if (text.find_first_of(std::string_view("\n\0", 2)) != std::string::npos) return false;
    return text.size() < 2 || text.find('\x01', 1) == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string shown = quorvant::DescriptionFromBytes(bytes);
    if (!Showable(shown)) __builtin_trap();
    if (quorvant::DescriptionFromBytes(shown) != shown) __builtin_trap();
    // The listing reads only the first bytes of the file; what it shows must not depend on the rest.
    if (quorvant::DescriptionFromBytes(bytes.substr(0, quorvant::kDescriptionLimit + 1)) != shown)
        __builtin_trap();

    const std::filesystem::path& file = ScratchFile();
    if (std::FILE* out = std::fopen(file.c_str(), "wb")) {
        bool written = std::fwrite(data, 1, size, out) == size;
        if (std::fclose(out) == 0 && written && quorvant::ReadDescription(file) != shown) __builtin_trap();
    }
    return 0;
}
