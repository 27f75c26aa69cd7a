#pragma once

#include "game/profile.h"

#include <QSettings>

namespace quorvant::ui {

// The profile kept by QSettings: the registry on Windows, a settings file elsewhere.
class QSettingsProfile : public Profile {
  public:
    // The program's own profile of the user ("Vexmoor Software", "Quorvant").
    QSettingsProfile();

    std::optional<std::string> ReadString(const std::string& section, const std::string& name) const override;
    void WriteString(const std::string& section, const std::string& name, const std::string& value) override;
    void WriteInt(const std::string& section, const std::string& name, int value) override;
    void Remove(const std::string& section, const std::string& name) override;

    // Points every native user-scope profile at folder, away from the user's own settings.
    static void UseFolder(const QString& folder);

  private:
    QString Key(const std::string& section, const std::string& name) const;
    mutable QSettings settings_;
};

} // namespace quorvant::ui
