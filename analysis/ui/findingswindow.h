#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLayout;
class QVBoxLayout;
class QTreeWidget;
class QTreeWidgetItem;

namespace quorvant::ui {

// A modeless window of tab-separated findings (what the matching obtool command prints), one row
// each, optionally grouped under a parent row; a double-click hands the row's data to the owner.
class FindingsWindow : public QDialog {
    Q_OBJECT
  public:
    FindingsWindow(const QString& title, const QStringList& headings, QWidget* parent);

    void clear();
    // A row under parent (a top-level row when null); data travels to the double-click handler.
    QTreeWidgetItem* addRow(const QStringList& cells, const QVariant& data = {},
                            QTreeWidgetItem* parent = nullptr);
    // The line under the list: how many findings, what was skipped.
    void setSummary(const QString& text);
    void fitColumns();
    // Controls above the list (a search box, say).
    void addControls(QLayout* controls);

    QTreeWidget* list() const { return list_; }
    std::function<void(const QVariant& data)> onActivated;

  private:
    QTreeWidget* list_ = nullptr;
    QLabel* summary_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
};

} // namespace quorvant::ui
