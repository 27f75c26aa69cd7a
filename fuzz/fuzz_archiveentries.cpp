// Any byte string read as a zip archive is either refused with a reason or passes the unpacker's
// checks of entry names, sizes and count with every file's data read within its declared size; the
// same bytes taken as an entry name are accepted only when they cannot leave the folder.

#include "gamemgr/archiveentrycheck.h"
#include "gamemgr/archiver.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    if (!quorvant::VerifyArchiveBytes(data, size, error) && error.empty()) __builtin_trap();

    std::string_view name(reinterpret_cast<const char*>(data), size);
    error.clear();
    if (quorvant::CheckEntryName(name, error)) {
        if (name.front() == '/' || name.find('\\') != std::string_view::npos ||
            name.find(':') != std::string_view::npos || name == ".." || name.rfind("../", 0) == 0 ||
            name.find("/../") != std::string_view::npos || name.find('\0') != std::string_view::npos)
            __builtin_trap();
        std::string_view bare = quorvant::BareEntryName(name);
        if (bare.find('/') != std::string_view::npos || bare == "..") __builtin_trap();
    } else if (error.empty()) {
        __builtin_trap();
    }
    return 0;
}
