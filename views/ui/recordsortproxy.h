#pragma once

#include <QSortFilterProxyModel>

namespace quorvant::ui {

class RecordTableModel;

// The order and choice of rows a record list shows: sorted by one column or in slot order, with the
// blank slots hidden on request. Source rows stay slots - 1, so whatever acts on a row maps through
// here and reaches the record the user sees.
class RecordSortProxy : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit RecordSortProxy(RecordTableModel* source, QObject* parent = nullptr);

    RecordTableModel* records() const { return records_; }

    void setHideEmpty(bool hide);
    bool hideEmpty() const { return hideEmpty_; }

    // Shows only the rows whose name holds text, ignoring case; empty shows every row.
    void setNameFilter(const QString& text);
    const QString& nameFilter() const { return nameFilter_; }

    // A heading click: ascending, then descending, then slot order again.
    void cycleSort(int column);

    // The source row of a shown row and back; -1 when there is none.
    int sourceRow(int proxyRow) const;
    int proxyRow(int sourceRow) const;

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    RecordTableModel* records_;
    bool hideEmpty_ = false;
    QString nameFilter_;
};

} // namespace quorvant::ui
