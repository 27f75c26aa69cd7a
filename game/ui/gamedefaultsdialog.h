#pragma once

#include "game/appsettings.h"

#include <QDialog>

class QButtonGroup;
class QRadioButton;

namespace quorvant::ui {

// "Game Defaults": the generation the program starts with and the kind of game files the game
// manager starts with. OK writes both; Cancel stores nothing.
class CGameDefaultsDlg : public QDialog {
    Q_OBJECT
  public:
    CGameDefaultsDlg(AppSettings& settings, Profile& profile, QWidget* parent = nullptr);

    // The button whose control number is id (1400, 1401, 1404, 1162-1166).
    QRadioButton* button(int id) const;

  public slots:
    void accept() override;

  private:
    void OnGenerationButton(int generation);

    AppSettings& settings_;
    Profile& profile_;
    QButtonGroup* generations_;
    QButtonGroup* gameManager_;
};

} // namespace quorvant::ui
