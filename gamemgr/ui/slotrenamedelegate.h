#pragma once

#include <QStyledItemDelegate>

#include <optional>
#include <string>

namespace quorvant::ui {

// The slot list's in-place editor of a description. It takes only characters Latin-1 holds, the
// game's files holding nothing else, and refuses any other where it is typed, showing why. The
// text of a finished edit is handed on, not written into the model: the dialog writes the file and
// refills the list, which must wait until the view is done with its editor.

class CSlotRenameDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

  signals:
    // An edit of row ended with its text kept (Return, or the focus moving elsewhere); sent while
    // the view is still busy with the editor.
    void renamed(int row, const QString& text) const;
};

} // namespace quorvant::ui
