#include "gamemgr/ui/slotlistctrl.h"

#include "gamemgr/gamemode.h"
#include "gamemgr/slotdragpayload.h"
#include "platform/ui/dragservice.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QToolTip>

namespace quorvant::ui {
namespace {

// Accepts the drag with effect, or refuses it when there is none: the cursor shows which.
void AnswerDrag(QDropEvent* event, Qt::DropAction effect) {
    if (effect == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(effect);
    event->accept();
}

const QString kGameFormat = QString::fromLatin1(kGameSlotFormat);
const QString kZipFormat = QString::fromLatin1(kZipSlotFormat);
const QString kEmailFormat = QString::fromLatin1(kEmailSlotFormat);
const QString kSourceFormat = QString::fromLatin1(kSlotSourceFormat);

QByteArray Block(const std::string& text) {
    std::vector<std::uint8_t> block = MakePayloadBlock(text);
    return QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size()));
}

// Descriptions are the game's bytes, one Latin-1 character each.
std::string Bytes(const QString& text) {
    QByteArray latin = text.left(static_cast<qsizetype>(kPayloadBlockSize - 1)).toLatin1();
    return std::string(latin.constData(), static_cast<std::size_t>(latin.size()));
}

bool InNoDropRect(const QWidget* widget, const SlotDragShared* shared, const QDropEvent* event) {
    return shared && shared->noDrop.contains(widget->mapToGlobal(event->position().toPoint()));
}

// Runs a drag of block under format from widget, the window's screen rectangle kept as the
// no-drop rectangle meanwhile.
void RunDrag(QWidget* widget, SlotDragShared* shared, const QString& format, const QByteArray& block) {
    if (shared) shared->noDrop = QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    auto* data = new QMimeData;
    data->setData(format, block);
    if (shared && !shared->source.isEmpty()) data->setData(kSourceFormat, shared->source);
    DragRequest request;
    request.source = widget;
    request.data = data;
    RunDrag(request);
}

// The drop's rewritten block under its format, or nothing when the payload is no text.
std::optional<QByteArray> RewrittenBlock(const QDropEvent* event, const QString& format, QPoint at) {
    QByteArray raw = event->mimeData()->data(format);
    std::optional<std::string> text = PayloadText(reinterpret_cast<const std::uint8_t*>(raw.constData()),
                                                  static_cast<std::size_t>(raw.size()));
    if (!text) return std::nullopt;
    return Block(WithDropPoint(*text, at.x(), at.y()));
}

} // namespace

QString SlotDragFormat(const QMimeData* data) {
    if (!data) return {};
    for (const QString& format : {kGameFormat, kZipFormat, kEmailFormat})
        if (data->hasFormat(format)) return format;
    return {};
}

CSlotListCtrl::CSlotListCtrl(Role role, SlotDragShared* shared, QWidget* parent)
    : QTableView(parent), role_(role), shared_(shared) {
    // Drags and drops are this class's own, not the item view's moving of items.
    setDragEnabled(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

QString CSlotListCtrl::RowToolTip(int row) const {
    if (!model() || row < 0 || row >= model()->rowCount()) return {};
    const int column = role_ == Role::Slots ? 0 : 1;
    const QString text = model()->index(row, column).data().toString();
    // The cell's text margins, as the item delegate keeps them on either side.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return fontMetrics().horizontalAdvance(text) + margins > columnWidth(column) ? text : QString();
}

bool CSlotListCtrl::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = RowToolTip(rowAt(help->pos().y()));
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport());
    return true;
}

void CSlotListCtrl::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    emit activated();
}

void CSlotListCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        // Taken as the list getting the focus even where the window is not active.
        emit activated();
        emit pressed(event->position().toPoint());
        pressedAt_ = event->position().toPoint();
    }
    QTableView::mousePressEvent(event);
    pressedRow_ = event->button() == Qt::LeftButton ? indexAt(pressedAt_).row() : -1;
}

void CSlotListCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (pressedRow_ >= 0 && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        int row = pressedRow_;
        pressedRow_ = -1;
        StartDrag(row);
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void CSlotListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    pressedRow_ = -1;
    QTableView::mouseReleaseEvent(event);
}

void CSlotListCtrl::StartDrag(int row) {
    if (!model() || row < 0 || row >= model()->rowCount()) return;
    const QString text = model()->index(row, 0).data().toString();
    // An empty row has nothing to carry; nor has a slot that says it is an empty game.
    if (text.contains(QString::fromLatin1(kEmptySlotText))) return;
    if (role_ == Role::Slots && text.toUpper().contains(QStringLiteral("EMPTY"))) return;
    emit activated();
    if (role_ == Role::Slots)
        RunDrag(this, shared_, kGameFormat, Block(SlotRowPayload(row)));
    else
        RunDrag(this, shared_, kZipFormat, Block(Bytes(text)));
}

Qt::DropAction CSlotListCtrl::Effect(const QDropEvent* event, bool moving) const {
    const QString format = SlotDragFormat(event->mimeData());
    if (format.isEmpty() || InNoDropRect(viewport(), shared_, event)) return Qt::IgnoreAction;
    if (moving && role_ == Role::Archives && format == kEmailFormat) return Qt::IgnoreAction;
    return (event->modifiers() & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
}

void CSlotListCtrl::dragEnterEvent(QDragEnterEvent* event) {
    // Taken whenever a format of ours is there, so the moves that follow decide the cursor.
    if (SlotDragFormat(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    Qt::DropAction effect = Effect(event, false);
    event->setDropAction(effect == Qt::IgnoreAction ? Qt::MoveAction : effect);
    event->accept();
}

void CSlotListCtrl::dragMoveEvent(QDragMoveEvent* event) {
    Qt::DropAction effect = Effect(event, true);
    AnswerDrag(event, effect);
}

void CSlotListCtrl::dragLeaveEvent(QDragLeaveEvent* event) {
    event->accept();
}

void CSlotListCtrl::dropEvent(QDropEvent* event) {
    Qt::DropAction effect = Effect(event, true);
    const QString format = SlotDragFormat(event->mimeData());
    SlotDrop kind = format == kEmailFormat ? SlotDrop::EmailSlotOnSlots
                    : role_ == Role::Slots ? SlotDrop::ArchiveOnSlots
                                           : SlotDrop::SlotOnArchives;
    std::optional<QByteArray> block;
    if (effect != Qt::IgnoreAction) block = RewrittenBlock(event, format, event->position().toPoint());
    if (!block || !handler_ || !handler_(kind, format, *block, event->mimeData()->data(kSourceFormat))) {
        event->ignore();
        return;
    }
    event->setDropAction(effect);
    event->accept();
}

CEmailSlotBox::CEmailSlotBox(int boxId, SlotDragShared* shared, QWidget* parent)
    : QLineEdit(parent), boxId_(boxId), shared_(shared) {
    setReadOnly(true);
    setAcceptDrops(true);
    setDragEnabled(false);
}

void CEmailSlotBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    pressed_ = event->button() == Qt::LeftButton;
    pressedAt_ = event->position().toPoint();
}

void CEmailSlotBox::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        pressed_ = false;
        StartDrag();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void CEmailSlotBox::StartDrag() {
    // An empty e-mail slot has nothing to carry.
    if (text().isEmpty() || text().contains(QString::fromLatin1(kEmptySlotText))) return;
    RunDrag(this, shared_, kEmailFormat, Block(EmailSlotPayload(Bytes(text()), boxId_)));
}

Qt::DropAction CEmailSlotBox::Effect(const QDropEvent* event, bool moving) const {
    const QString format = SlotDragFormat(event->mimeData());
    if (format.isEmpty()) return Qt::IgnoreAction;
    bool copy = event->modifiers() & Qt::ControlModifier;
    if (!moving) return copy ? Qt::CopyAction : Qt::MoveAction;
    if (format == kZipFormat || copy || InNoDropRect(this, shared_, event)) return Qt::IgnoreAction;
    return Qt::MoveAction;
}

void CEmailSlotBox::dragEnterEvent(QDragEnterEvent* event) {
    Qt::DropAction effect = Effect(event, false);
    AnswerDrag(event, effect);
}

void CEmailSlotBox::dragMoveEvent(QDragMoveEvent* event) {
    Qt::DropAction effect = Effect(event, true);
    AnswerDrag(event, effect);
}

void CEmailSlotBox::dragLeaveEvent(QDragLeaveEvent* event) {
    event->accept();
}

void CEmailSlotBox::dropEvent(QDropEvent* event) {
    // Only a slot row is taken, and not where the cursor said no.
    std::optional<QByteArray> block;
    if (SlotDragFormat(event->mimeData()) == kGameFormat && Effect(event, true) != Qt::IgnoreAction) {
        QByteArray raw = event->mimeData()->data(kGameFormat);
        if (PayloadText(reinterpret_cast<const std::uint8_t*>(raw.constData()),
                        static_cast<std::size_t>(raw.size())))
            block = raw;
    }
    if (!block || !handler_ ||
        !handler_(SlotDrop::SlotOnEmailBox, kGameFormat, *block, event->mimeData()->data(kSourceFormat))) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

} // namespace quorvant::ui
