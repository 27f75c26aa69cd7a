#include "platform/fileidentity.h"

#include "platform/fileio.h"

#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {

FileFingerprint FingerprintOf(std::span<const std::uint8_t> bytes) {
    // FNV-1a: a change of any byte shows; nothing here needs to resist a forger.
    std::uint64_t hash = 14695981039346656037ull;
    for (std::uint8_t b : bytes) hash = (hash ^ b) * 1099511628211ull;
    FileFingerprint print;
    print.state = FileFingerprint::State::Present;
    print.size = bytes.size();
    print.hash = hash;
    return print;
}

FileFingerprint TakeFingerprint(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return {};
    std::string why;
    auto bytes = ReadWholeFile(path, why);
    if (!bytes) {
        // Gone between the look and the read.
        if (!fs::exists(path, ec)) return {};
        FileFingerprint print;
        print.state = FileFingerprint::State::Unreadable;
        print.why = why;
        return print;
    }
    return FingerprintOf(*bytes);
}

bool SameFileIdentity(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) {
        bool same = fs::equivalent(a, b, ec);
        if (!ec) return same;
    }
    fs::path ca = fs::weakly_canonical(a, ec);
    if (ec) ca = a.lexically_normal();
    fs::path cb = fs::weakly_canonical(b, ec);
    if (ec) cb = b.lexically_normal();
    return ca == cb;
}

} // namespace quorvant
