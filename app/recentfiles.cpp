#include "app/recentfiles.h"

#include <algorithm>

namespace quorvant {
namespace {

const std::string kSection = "Recent File List";

std::string EntryName(int index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

void RecentFileList::Load(const Profile& profile) {
    entries_.clear();
    for (int i = 0; i < kSize; ++i) {
        std::string path = profile.ReadString(kSection, EntryName(i)).value_or("");
        if (!path.empty() && std::find(entries_.begin(), entries_.end(), path) == entries_.end())
            entries_.push_back(path);
    }
}

void RecentFileList::Save(Profile& profile) const {
    for (int i = 0; i < kSize; ++i) {
        if (i < static_cast<int>(entries_.size()))
            profile.WriteString(kSection, EntryName(i), entries_[i]);
        else
            profile.Remove(kSection, EntryName(i));
    }
}

void RecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    Remove(path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > static_cast<std::size_t>(kSize)) entries_.resize(kSize);
}

void RecentFileList::Remove(const std::string& path) {
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
}

} // namespace quorvant
