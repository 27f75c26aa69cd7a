#pragma once

#include "game/settingsroutine.h"

#include <QPointer>
#include <QWidget>

namespace quorvant::ui {

// Runs the real Set Paths and Game Defaults dialogs modally over parent.
class QtSettingsDialogs : public SettingsDialogs {
  public:
    QtSettingsDialogs(Profile& profile, QWidget* parent) : profile_(profile), parent_(parent) {}
    bool RunSetPaths(AppSettings& settings) override;
    bool RunGameDefaults(AppSettings& settings) override;

  private:
    Profile& profile_;
    QPointer<QWidget> parent_;
};

} // namespace quorvant::ui
