#pragma once

#include <QPointer>
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
    // Drops an edit in progress, as Escape does. The list must not be refilled under an open editor,
    // which a key (F5) can ask for while the editor has the focus; what the list then shows is the
    // folder as it is, and keeping the text could write it to a slot the list no longer means.
    void CancelEditing();

  signals:
    // An edit of row ended with its text kept (Return, or the focus moving elsewhere); sent while
    // the view is still busy with the editor.
    void renamed(int row, const QString& text) const;

  private:
    mutable QPointer<QWidget> editor_;
};

} // namespace quorvant::ui
