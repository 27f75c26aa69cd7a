#include "views/ui/recordtablemodel.h"

#include "obdata/quorvantdoc.h"
#include "views/listrows.h"
#include "views/ui/classicons.h"

#include <algorithm>

namespace quorvant::ui {
namespace {

Qt::Alignment AlignmentOf(const ColumnSpec& column) {
    return column.align == ColumnAlign::Left ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
}

} // namespace

RecordTableModel::RecordTableModel(const CQuorvantDoc& doc, int table, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc), table_(table), columns_(&ColumnSet(table, doc.Generation)) {}

void RecordTableModel::rebuild() {
    beginResetModel();
    generation_ = doc_.Generation;
    columns_ = &ColumnSet(table_, generation_);
    rows_ = ListRowCount(doc_, table_);
    endResetModel();
}

void RecordTableModel::refreshRow(int row) {
    refreshRows(row, row);
}

void RecordTableModel::refreshRows(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, rows_ - 1);
    if (first > last || columns_->empty()) return;
    emit dataChanged(index(first, 0), index(last, static_cast<int>(columns_->size()) - 1));
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int RecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_->size());
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ || index.column() >= static_cast<int>(columns_->size()))
        return {};
    const ColumnSpec& column = (*columns_)[static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        // Names are bytes from old files: Latin-1 shows every byte as some character.
        std::string text = CellText(doc_, table_, index.row(), column);
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    case Qt::TextAlignmentRole:
        return static_cast<int>(AlignmentOf(column));
    case NameRole: {
        std::string name = RowHasCells(doc_, table_, index.row()) ? RecordNameOfRow(doc_, table_, index.row())
                                                                  : std::string();
        return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    case Qt::DecorationRole:
        if (table_ != kUnitTable || index.column() != 0) return {};
        if (auto unitClass = UnitClassOfRow(doc_, index.row())) return UnitClassIcon(generation_, *unitClass);
        return {};
    default:
        return {};
    }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(columns_->size()))
        return {};
    const ColumnSpec& column = (*columns_)[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return QString::fromStdString(column.heading);
    if (role == Qt::TextAlignmentRole) return static_cast<int>(AlignmentOf(column));
    if (role == Qt::ToolTipRole) return QString::fromStdString(column.meaning);
    return {};
}

} // namespace quorvant::ui
