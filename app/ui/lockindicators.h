#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

namespace quorvant::ui {

// The CAP, NUM and SCRL panes of the status bar, kept current as keys are pressed. A pane whose state
// the system does not tell stays off.
class LockIndicators : public QObject {
    Q_OBJECT
  public:
    explicit LockIndicators(QStatusBar* bar);
    void Refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* panes_[3];
};

} // namespace quorvant::ui
