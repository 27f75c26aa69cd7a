#include "exchange/ui/recorddrag.h"

#include "exchange/ui/recordtransfer.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/dragservice.h"
#include "views/ui/recordtablemodel.h"
#include "views/ui/unitview.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QDropEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>

namespace quorvant::ui {
namespace {

constexpr QPoint kHotSpot(8, 8);

// The row's label and icon as the list draws them, without the other columns.
QPixmap RowImage(const QAbstractItemModel* records, int row, const QFont& font, const QPalette& palette) {
    const QModelIndex index = records->index(row, 0);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    const QFontMetrics metrics(font);
    const int iconSide = icon.isNull() ? 0 : 16;
    const int gap = icon.isNull() ? 0 : 4;
    const QSize size(iconSide + gap + metrics.horizontalAdvance(text) + 8,
                     std::max(iconSide, metrics.height()) + 4);
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setOpacity(0.85);
    painter.fillRect(QRect(QPoint(0, 0), size), palette.color(QPalette::Highlight));
    if (!icon.isNull()) icon.paint(&painter, QRect(2, (size.height() - iconSide) / 2, iconSide, iconSide));
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::HighlightedText));
    painter.drawText(QRect(2 + iconSide + gap, 0, size.width(), size.height()), Qt::AlignVCenter, text);
    return pixmap;
}

} // namespace

RecordDrag::RecordDrag(CUnitView* view, RecordTransfer* transfer)
    : QObject(transfer), view_(view), transfer_(transfer) {
    lists_ = {view->reportView(), view->nameColumnView(), view->listView()};
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        QAbstractItemView* list = lists_[i];
        if (!list) continue;
        viewports_[i] = list->viewport();
        list->viewport()->setAcceptDrops(true);
        list->viewport()->installEventFilter(this);
        list->installEventFilter(this);
    }
}

int RecordDrag::SourceRowAt(const QAbstractItemView* list, const QPoint& pos) {
    QModelIndex index = list->indexAt(pos);
    while (index.isValid()) {
        const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model());
        if (!proxy) return index.row();
        index = proxy->mapToSource(index);
    }
    return -1;
}

// Only the lists remembered at the start are asked: events still arrive while the view is destroyed.
QAbstractItemView* RecordDrag::ListOf(QObject* viewport) const {
    for (std::size_t i = 0; i < lists_.size(); ++i)
        if (viewports_[i] && viewports_[i] == viewport) return lists_[i];
    return nullptr;
}

bool RecordDrag::eventFilter(QObject* watched, QEvent* event) {
    // The lists would take Ctrl+C for copying a cell's text; these keys are the Edit commands'. They
    // reach the list only when the window's shortcuts did not take them.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool copy = key->matches(QKeySequence::Copy) ||
                          key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Insert);
        const bool paste = key->matches(QKeySequence::Paste) ||
                           key->keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_Insert);
        if (!copy && !paste) return false;
        if (event->type() == QEvent::ShortcutOverride) {
            event->ignore();
        } else if (copy) {
            transfer_->Copy();
        } else {
            transfer_->Paste();
        }
        return true;
    }
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease) {
        pressedRow_ = -1;
        emit transfer_->rowMayHaveChanged();
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        break;
    default:
        return false;
    }
    QAbstractItemView* list = ListOf(watched);
    if (!list) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        pressedRow_ = mouse->button() == Qt::LeftButton ? SourceRowAt(list, mouse->position().toPoint()) : -1;
        pressedAt_ = mouse->position().toPoint();
        pressedList_ = list;
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (pressedRow_ < 0 || pressedList_ != list || !(mouse->buttons() & Qt::LeftButton) ||
            (mouse->position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance())
            return false;
        const int row = pressedRow_;
        pressedRow_ = -1;
        StartDrag(list, row);
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (Accepts(list, drop)) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
        } else {
            drop->ignore();
            if (QString refusal = transfer_->RefusalOf(drop->mimeData(), "dropped");
                event->type() == QEvent::DragEnter && !refusal.isEmpty())
                emit transfer_->reported(refusal);
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!Accepts(list, drop)) {
            drop->ignore();
            return true;
        }
        const int row = SourceRowAt(list, drop->position().toPoint());
        // Copy, never move: the source document keeps its record.
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        transfer_->PasteOnto(row + 1, *transfer_->OfferedBlock(drop->mimeData()), true);
        return true;
    }
    default:
        return false;
    }
}

// A row of another document's list of the same generation and table kind; never the document's own.
bool RecordDrag::Accepts(QAbstractItemView* list, const QDropEvent* event) const {
    auto* source = qobject_cast<QWidget*>(event->source());
    if (source && (source == view_ || view_->isAncestorOf(source))) return false;
    if (transfer_->ComesFromThisDocument(event->mimeData())) return false;
    if (!transfer_->OfferedBlock(event->mimeData())) return false;
    return event->type() == QEvent::DragEnter || SourceRowAt(list, event->position().toPoint()) >= 0;
}

void RecordDrag::StartDrag(QAbstractItemView* list, int row) {
    auto kind = transfer_->ShownKind();
    if (!kind) return;
    const CQuorvantDoc& doc = view_->document();
    if (*kind == TransferKind::Units && (row < 0 || static_cast<std::size_t>(row + 1) >= doc.Units.size() ||
                                         doc.Units[static_cast<std::size_t>(row + 1)].Name.empty()))
        return;
    QMimeData* data = transfer_->DragMimeForSlot(*kind, row + 1);
    if (!data) return;
    DragRequest request;
    request.source = list->viewport();
    request.data = data;
    request.preferred = Qt::CopyAction;
    request.pixmap = RowImage(view_->model(view_->CurrentKind()), row, list->font(), list->palette());
    request.hotSpot = kHotSpot;
    RunDrag(request);
}

} // namespace quorvant::ui
