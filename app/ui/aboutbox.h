#pragma once

#include <QDialog>

namespace quorvant::ui {

// "About Quorvant": the program's picture above the credit lines, and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace quorvant::ui
