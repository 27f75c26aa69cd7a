#pragma once

// How many backups of each file the profile keeps (Options > Backups), 0 meaning none are made.

#include "game/profile.h"

#include <string>

namespace quorvant {

inline const std::string kBackupsValue = "Backups"; // in kSettingsSection
// The number last chosen, offered again when backups are turned back on.
inline const std::string kBackupsChosenValue = "BackupsChosen";
constexpr int kDefaultBackupsKept = 10;
constexpr int kMostBackupsKept = 100;

// 0 (off) to kMostBackupsKept; absent or not a number gives the default, a larger number the most.
int ReadBackupsKept(const Profile& profile);
// Stores count held to the same range.
void WriteBackupsKept(Profile& profile, int count);

// The number of backups the options offer: the one kept, else the one last chosen, else the default.
int ReadBackupsChosen(const Profile& profile);
// Keeps count backups of each file, or none with keep false, remembering count for the next time.
void WriteBackupsChoice(Profile& profile, bool keep, int count);

} // namespace quorvant
