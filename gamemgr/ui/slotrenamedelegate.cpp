#include "gamemgr/ui/slotrenamedelegate.h"

#include "obdata/ui/gametext.h"

#include <QLineEdit>

namespace quorvant::ui {

QWidget* CSlotRenameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) TakeGameTextOnly(line);
    return editor;
}

void CSlotRenameDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) emit renamed(index.row(), line->text());
}

} // namespace quorvant::ui
