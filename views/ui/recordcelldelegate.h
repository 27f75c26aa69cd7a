#pragma once

#include <QStyledItemDelegate>

namespace quorvant::ui {

// Paints a record list cell: selection, the class icon of column 0, and the text elided to the cell.
// Lighter than the styled painting, which lays every cell out through the style: a list of 249 rows
// of up to 59 columns is rebuilt whenever a record changes.
class RecordCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The whole text with the icon, so the plain list gives every label the room it needs.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace quorvant::ui
