#pragma once

#include "game/profile.h"

#include <string>
#include <vector>

namespace quorvant {

// The File menu's list of the last files opened, newest first, kept in the profile's
// "Recent File List" section as "File1".."File4".
class RecentFileList {
  public:
    static constexpr int kSize = 4;

    void Load(const Profile& profile);
    void Save(Profile& profile) const;

    // Puts path first, dropping an older entry for the same path and the oldest past the size.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Entries() const { return entries_; }

  private:
    std::vector<std::string> entries_;
};

} // namespace quorvant
