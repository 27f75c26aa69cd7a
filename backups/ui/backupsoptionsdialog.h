#pragma once

#include "game/profile.h"

#include <QDialog>

#include <filesystem>

class QCheckBox;
class QSpinBox;

namespace quorvant::ui {

// Options > Backups: whether the editor keeps backups of the OB files it writes over, and how many
// of each. OK writes the choice to the profile; Cancel keeps what was there.
class BackupsOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    BackupsOptionsDialog(Profile& profile, const std::filesystem::path& folder, QWidget* parent = nullptr);

    QCheckBox* keepBox() const { return keep_; }
    QSpinBox* countBox() const { return count_; }

  public slots:
    void accept() override;

  private:
    Profile& profile_;
    QCheckBox* keep_ = nullptr;
    QSpinBox* count_ = nullptr;
};

} // namespace quorvant::ui
