#pragma once

#include "obdata/docobserver.h"

#include <QFrame>
#include <QPointer>

class QLabel;
class QProgressBar;

namespace quorvant::ui {

// The small untitled window shown while a document loads: a line naming the table being read above
// a bar. The window it belongs to is disabled while it shows, and pending events are handled before
// every step so the program keeps repainting.
class LoadProgressDialog : public QFrame, public LoadProgress {
    Q_OBJECT
  public:
    explicit LoadProgressDialog(QWidget* owner);
    ~LoadProgressDialog() override;

    void setText(const std::string& text) override;
    void setStep(int step) override;
    void stepIt() override;

    QString text() const;
    int value() const;

  private:
    void pumpEvents();

    QPointer<QWidget> owner_;
    // Disabling the owner takes the focus from it, and with the focus an MDI area's active document.
    QPointer<QWidget> focus_;
    QLabel* label_;
    QProgressBar* bar_;
    int step_ = 10;
};

} // namespace quorvant::ui
