#include "views/ui/recordcelldelegate.h"

#include <QIcon>
#include <QPainter>

#include <algorithm>

namespace quorvant::ui {
namespace {

constexpr int kMargin = 3;

QPalette::ColorGroup GroupOf(const QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_Enabled)) return QPalette::Disabled;
    return (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
}

} // namespace

void RecordCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = GroupOf(option);
    if (selected) painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));

    QRect area = option.rect.adjusted(kMargin, 0, -kMargin, 0);
    const QVariant decoration = index.data(Qt::DecorationRole);
    if (decoration.isValid()) {
        const QSize size = option.decorationSize;
        QRect iconRect(QPoint(area.left(), area.top() + (area.height() - size.height()) / 2), size);
        qvariant_cast<QIcon>(decoration).paint(painter, iconRect);
        area.setLeft(iconRect.right() + 1 + kMargin);
    }

    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty() || area.width() <= 0) return;
    const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(area, int(alignment | Qt::TextSingleLine),
                      option.fontMetrics.elidedText(text, Qt::ElideRight, area.width()));
}

QSize RecordCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    int width = 2 * kMargin + option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    int height = option.fontMetrics.height();
    if (index.data(Qt::DecorationRole).isValid()) {
        width += option.decorationSize.width() + kMargin;
        height = std::max(height, option.decorationSize.height());
    }
    return {width, height + 4};
}

} // namespace quorvant::ui
