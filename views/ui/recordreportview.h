#pragma once

#include "views/ui/typeahead.h"

#include <QTableView>

namespace quorvant::ui {

// The report style of a record list: a table whose name column stays in view while the other columns
// scroll sideways (a second view over the same model and selection, drawn over column 0).
class RecordReportView : public QTableView {
    Q_OBJECT
  public:
    explicit RecordReportView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    void setSelectionModel(QItemSelectionModel* selection) override;
    void keyboardSearch(const QString& search) override;

    // The view that shows the name column; clicks and double-clicks may land on it.
    QTableView* frozenView() const { return frozen_; }
    // Row height and icon size, for both views.
    void setRowHeight(int height);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

  private:
    void ShowOnlyNameColumn();
    void PlaceFrozenView();

    QTableView* frozen_ = nullptr;
    TypeAhead typeAhead_;
};

} // namespace quorvant::ui
