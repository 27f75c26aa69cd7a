#include "game/profile.h"

#include <charconv>

namespace quorvant {

std::optional<int> ReadProfileInt(const Profile& profile, const std::string& section,
                                  const std::string& name) {
    std::optional<std::string> text = profile.ReadString(section, name);
    if (!text || text->empty()) return std::nullopt;
    int value = 0;
    const char* first = text->data();
    const char* last = first + text->size();
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

std::optional<std::string> MemoryProfile::ReadString(const std::string& section,
                                                     const std::string& name) const {
    auto it = values.find({section, name});
    if (it == values.end()) return std::nullopt;
    return it->second;
}

void MemoryProfile::WriteString(const std::string& section, const std::string& name,
                                const std::string& value) {
    values[{section, name}] = value;
    ++writes;
}

void MemoryProfile::WriteInt(const std::string& section, const std::string& name, int value) {
    WriteString(section, name, std::to_string(value));
}

void MemoryProfile::Remove(const std::string& section, const std::string& name) {
    values.erase({section, name});
    ++writes;
}

} // namespace quorvant
