#include "platform/cdroots.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace quorvant {
namespace {

// Mount tables write blanks and other awkward characters of a path as three octal digits.
std::string Unescape(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() + 1 &&
            std::all_of(field.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                        field.begin() + static_cast<std::ptrdiff_t>(i) + 4,
                        [](char c) { return c >= '0' && c <= '7'; })) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

} // namespace

std::vector<std::filesystem::path> CdRootsFromMountTable(std::string_view table) {
    std::vector<std::filesystem::path> roots;
    std::istringstream lines{std::string(table)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint, type;
        if (!(fields >> device >> mountPoint >> type)) continue;
        if (type == "iso9660" || type == "udf") roots.emplace_back(Unescape(mountPoint));
    }
    std::sort(roots.begin(), roots.end());
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    return roots;
}

std::vector<std::filesystem::path> CdRoots() {
    std::ifstream in("/proc/self/mounts");
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return CdRootsFromMountTable(text.str());
}

} // namespace quorvant
