#pragma once

#include "game/appsettings.h"

#include <optional>

namespace quorvant {

// The control numbers of the Game Defaults dialog's generation buttons: 1400, 1401, 1404.
int GenerationButton(int generation);

// The game manager button a generation button checks: BW1 1162, BW2 1164, BW3 1166.
int GameManagerButtonFor(int generation);

bool IsGameManagerButton(int button);

// The generation a game manager button lists: 1162 and 1163 BW1, 1164 and 1165 BW2, 1166 BW3; -1 else.
int GameManagerButtonGeneration(int button);

// A generation without an install folder can neither be started in nor managed, so the dialog
// offers, checks and stores only the others.
bool GameDefaultsOffers(int button, const AppSettings& settings);

// The generation the dialog starts checked: the default one when it is installed, else the first
// installed one; none without any install folder.
std::optional<int> PreselectedGeneration(const AppSettings& settings);

// Game Defaults confirmed: the generation is written as "BW Default", the checked game manager
// button as "Save Default", each only when given and installed. Both take effect in settings at once.
void ApplyGameDefaults(std::optional<int> generation, std::optional<int> gameManagerButton,
                       AppSettings& settings, Profile& profile);

} // namespace quorvant
