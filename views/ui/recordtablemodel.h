#pragma once

#include "views/columnsets.h"

#include <QAbstractTableModel>

#include <vector>

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::ui {

// One record table of a document as rows and columns; texts are read from the document when asked for.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    RecordTableModel(const CQuorvantDoc& doc, int table, QObject* parent = nullptr);

    int table() const { return table_; }
    const CQuorvantDoc& document() const { return doc_; }
    const std::vector<ColumnSpec>& columns() const { return *columns_; }

    // Takes the column set and row count from the document as it is now.
    void rebuild();
    // Re-reads the texts (and icon) of one row, or of the rows first to last.
    void refreshRow(int row);
    void refreshRows(int first, int last);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The record's name alone, without the slot number, for typing to find a row.
    static constexpr int NameRole = Qt::UserRole + 1;

  private:
    const CQuorvantDoc& doc_;
    int table_;
    const std::vector<ColumnSpec>* columns_;
    int rows_ = 0;
    int generation_ = 0;
};

} // namespace quorvant::ui
