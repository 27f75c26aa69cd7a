#pragma once

#include <QTextBrowser>

namespace quorvant::ui {

// "Help Topics": the help page shipped inside the program, in a window of its own.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace quorvant::ui
