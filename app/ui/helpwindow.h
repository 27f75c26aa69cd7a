#pragma once

#include <QTextBrowser>

namespace quorvant::ui {

// "Help Topics": the help page shipped inside the program, in a window of its own.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows the page at topic (an anchor; empty is the top), over owner the first time.
    void ShowTopic(const QString& topic, QWidget* owner);

  private:
    bool placed_ = false;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace quorvant::ui
