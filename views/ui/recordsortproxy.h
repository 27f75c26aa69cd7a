#pragma once

#include "views/rowfilter.h"

#include <QSortFilterProxyModel>

#include <optional>

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

    // Shows only the rows whose name holds text, ignoring case, or, when text is an expression over
    // the columns, the rows it holds for; empty, or an expression that cannot be read, shows every row.
    void setNameFilter(const QString& text);
    const QString& nameFilter() const { return nameFilter_; }
    // Why the expression cannot be read, with where; empty when it can or the text is a name.
    const QString& filterProblem() const { return problem_; }
    // Reads the expression again, for the document's generation as it is now.
    void refreshFilter();

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
    std::optional<RowFilter> expression_;
    QString problem_;
};

} // namespace quorvant::ui
