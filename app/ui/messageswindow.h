#pragma once

#include <QDialog>

class QTreeWidget;

namespace quorvant::ui {

// View > Messages: every report the status bar showed this session, newest last, with its time, so a
// report that vanished or did not fit can still be read whole.
class MessagesWindow : public QDialog {
    Q_OBJECT
  public:
    explicit MessagesWindow(QWidget* parent = nullptr);

    void Add(const QString& text);
    int count() const;
    // The latest report, whole; empty before the first.
    QString last() const;
    // Shows the window over its owner the first time, where the user left it after that.
    void ShowOver(QWidget* owner);

  private:
    QTreeWidget* list_ = nullptr;
    bool placed_ = false;
};

} // namespace quorvant::ui
