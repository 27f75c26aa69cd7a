#include "platform/pathresolve.h"

#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

fs::path ResolveCaseInsensitive(const fs::path& folder, std::string_view name) {
    fs::path exact = folder / fs::path(std::string(name));
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (EqualsIgnoringAsciiCase(it->path().filename().string(), name)) return it->path();
    }
    return exact;
}

fs::path ResolvePath(const fs::path& folder, const fs::path& relative) {
    fs::path current = folder;
    for (const fs::path& part : relative) current = ResolveCaseInsensitive(current, part.string());
    return current;
}

} // namespace quorvant
