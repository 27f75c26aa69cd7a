#include "backups/backupsetting.h"

#include "game/appsettings.h"

#include <algorithm>

namespace quorvant {

int ReadBackupsKept(const Profile& profile) {
    std::optional<int> value = ReadProfileInt(profile, kSettingsSection, kBackupsValue);
    // A hand-edited negative number is no wish to lose backups: it counts as never set.
    if (!value || *value < 0) return kDefaultBackupsKept;
    return std::min(*value, kMostBackupsKept);
}

void WriteBackupsKept(Profile& profile, int count) {
    profile.WriteInt(kSettingsSection, kBackupsValue, std::clamp(count, 0, kMostBackupsKept));
}

} // namespace quorvant
