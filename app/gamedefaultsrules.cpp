#include "app/gamedefaultsrules.h"

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

void ApplyGameDefaults(int generation, std::optional<int> gameManagerButton, AppSettings& settings,
                       Profile& profile) {
    if (!IsValidGeneration(generation)) generation = kBW3;
    profile.WriteInt(kSettingsSection, kBWDefaultValue, generation);
    settings.DefaultGeneration = generation;
    if (gameManagerButton && IsGameManagerButton(*gameManagerButton)) {
        profile.WriteInt(kSettingsSection, kSaveDefaultValue, *gameManagerButton);
        settings.SaveDefault = *gameManagerButton;
    }
}

} // namespace quorvant
