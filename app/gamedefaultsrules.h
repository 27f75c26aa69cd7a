#pragma once

#include "app/appsettings.h"

#include <optional>

namespace quorvant {

// The control numbers of the Game Defaults dialog's generation buttons: 1400, 1401, 1404.
int GenerationButton(int generation);

// The game manager button a generation button checks: BW1 1162, BW2 1164, BW3 1166.
int GameManagerButtonFor(int generation);

bool IsGameManagerButton(int button);

// Game Defaults confirmed: the generation is written as "BW Default"; the checked game manager
// button, if any, as "Save Default". Both take effect in settings at once.
void ApplyGameDefaults(int generation, std::optional<int> gameManagerButton, AppSettings& settings,
                       Profile& profile);

} // namespace quorvant
