#include "gamemgr/slotdescription.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace quorvant {

std::string DescriptionFromBytes(std::string_view bytes) {
    std::string_view line = bytes.substr(0, bytes.find('\n'));
    if (line.size() < bytes.size() && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = line.substr(0, kDescriptionLimit);
    line = line.substr(0, line.find('\0'));
    std::string text(line);
    for (std::size_t i = 1; i < text.size(); ++i)
        if (text[i] == '\x01') text[i] = ' ';
    return text;
}

std::string ReadDescription(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return {};
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> in(std::fopen(file.string().c_str(), "rb"));
    if (!in) return {};
    // One byte past the limit tells whether a carriage return ends the shown part.
    char head[kDescriptionLimit + 1];
    std::size_t got = std::fread(head, 1, sizeof head, in.get());
    return DescriptionFromBytes(std::string_view(head, got));
}

} // namespace quorvant
