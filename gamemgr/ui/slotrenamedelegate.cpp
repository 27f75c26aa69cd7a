#include "gamemgr/ui/slotrenamedelegate.h"

#include "obdata/ui/gametext.h"

#include <QLineEdit>

namespace quorvant::ui {

QWidget* CSlotRenameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) TakeGameTextOnly(line);
    editor_ = editor;
    return editor;
}

void CSlotRenameDelegate::CancelEditing() {
    QPointer<QWidget> editor = editor_;
    editor_ = nullptr;
    if (editor && editor->isVisible()) emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void CSlotRenameDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) emit renamed(index.row(), line->text());
}

} // namespace quorvant::ui
