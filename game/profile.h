#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace quorvant {

// The per-user profile: named values in sections. Every value comes back as text, because that is
// how a settings file holds it whatever type was written; the readers below check types and ranges.
class Profile {
  public:
    virtual ~Profile() = default;
    virtual std::optional<std::string> ReadString(const std::string& section,
                                                  const std::string& name) const = 0;
    virtual void WriteString(const std::string& section, const std::string& name,
                             const std::string& value) = 0;
    virtual void WriteInt(const std::string& section, const std::string& name, int value) = 0;
    virtual void Remove(const std::string& section, const std::string& name) = 0;
};

// The integer stored under name; nothing when absent or when the text is not a whole number.
std::optional<int> ReadProfileInt(const Profile& profile, const std::string& section,
                                  const std::string& name);

// A profile held in memory, for tests and for runs that must not touch the user's settings.
class MemoryProfile : public Profile {
  public:
    std::optional<std::string> ReadString(const std::string& section, const std::string& name) const override;
    void WriteString(const std::string& section, const std::string& name, const std::string& value) override;
    void WriteInt(const std::string& section, const std::string& name, int value) override;
    void Remove(const std::string& section, const std::string& name) override;

    int writes = 0; // how many values were written or removed
    std::map<std::pair<std::string, std::string>, std::string> values;
};

} // namespace quorvant
