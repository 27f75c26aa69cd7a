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

int ReadBackupsChosen(const Profile& profile) {
    if (const int kept = ReadBackupsKept(profile); kept > 0) return kept;
    const std::optional<int> chosen = ReadProfileInt(profile, kSettingsSection, kBackupsChosenValue);
    return chosen && *chosen > 0 ? std::min(*chosen, kMostBackupsKept) : kDefaultBackupsKept;
}

void WriteBackupsChoice(Profile& profile, bool keep, int count) {
    count = std::clamp(count, 1, kMostBackupsKept);
    profile.WriteInt(kSettingsSection, kBackupsChosenValue, count);
    WriteBackupsKept(profile, keep ? count : 0);
}

} // namespace quorvant
