#pragma once

// How many backups of each file the profile keeps (Options > Backups), 0 meaning none are made.

#include "game/profile.h"

#include <string>

namespace quorvant {

inline const std::string kBackupsValue = "Backups"; // in kSettingsSection
constexpr int kDefaultBackupsKept = 10;
constexpr int kMostBackupsKept = 100;

// 0 (off) to kMostBackupsKept; absent or not a number gives the default, a larger number the most.
int ReadBackupsKept(const Profile& profile);
// Stores count held to the same range.
void WriteBackupsKept(Profile& profile, int count);

} // namespace quorvant
