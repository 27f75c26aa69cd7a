#pragma once

#include "game/appsettings.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace quorvant::ui {

// "Set Paths": where the three generations are installed. OK keeps each folder that holds its
// game's executable and writes it to the profile; Cancel changes nothing.
class CSetPathsDlg : public QDialog {
    Q_OBJECT
  public:
    CSetPathsDlg(AppSettings& settings, Profile& profile, QWidget* parent = nullptr);

    QLineEdit* field(int generation) const { return fields_[generation]; }

    // The control numbers of the three fields: 1380, 1381, 1167.
    static int FieldControl(int generation);

  public slots:
    void accept() override;

  private:
    void Browse(int generation);

    AppSettings& settings_;
    Profile& profile_;
    std::array<QLineEdit*, 3> fields_{};
};

} // namespace quorvant::ui
