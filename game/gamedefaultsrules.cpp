#include "game/gamedefaultsrules.h"

#include "obdata/generation.h"

namespace quorvant {

int GenerationButton(int generation) {
    static const int kButtons[] = {1400, 1401, 1404};
    return kButtons[IsValidGeneration(generation) ? generation : kBW1];
}

int GameManagerButtonFor(int generation) {
    static const int kButtons[] = {1162, 1164, 1166};
    return kButtons[IsValidGeneration(generation) ? generation : kBW1];
}

bool IsGameManagerButton(int button) {
    return button >= kFirstGameManagerButton && button <= kLastGameManagerButton;
}

int GameManagerButtonGeneration(int button) {
    if (!IsGameManagerButton(button)) return -1;
    return button == 1166 ? kBW3 : (button - kFirstGameManagerButton) / 2;
}

bool GameDefaultsOffers(int button, const AppSettings& settings) {
    for (int generation : {kBW1, kBW2, kBW3})
        if (button == GenerationButton(generation)) return settings.HasInstallFolder(generation);
    int generation = GameManagerButtonGeneration(button);
    return generation >= 0 && settings.HasInstallFolder(generation);
}

std::optional<int> PreselectedGeneration(const AppSettings& settings) {
    if (IsValidGeneration(settings.DefaultGeneration) &&
        settings.HasInstallFolder(settings.DefaultGeneration))
        return settings.DefaultGeneration;
    for (int generation : {kBW1, kBW2, kBW3})
        if (settings.HasInstallFolder(generation)) return generation;
    return std::nullopt;
}

void ApplyGameDefaults(std::optional<int> generation, std::optional<int> gameManagerButton,
                       AppSettings& settings, Profile& profile) {
    if (generation && IsValidGeneration(*generation) && settings.HasInstallFolder(*generation)) {
        profile.WriteInt(kSettingsSection, kBWDefaultValue, *generation);
        settings.DefaultGeneration = *generation;
    }
    if (gameManagerButton && GameDefaultsOffers(*gameManagerButton, settings)) {
        profile.WriteInt(kSettingsSection, kSaveDefaultValue, *gameManagerButton);
        settings.SaveDefault = *gameManagerButton;
    }
}

} // namespace quorvant
