#pragma once

#include <QByteArray>
#include <QLineEdit>
#include <QPoint>
#include <QRect>
#include <QTableView>

#include <functional>

class QDropEvent;
class QMimeData;

namespace quorvant::ui {

// What the game manager's four drag windows share: the screen rectangle of the window a drag
// started from, where no window takes a drop, so nothing is dropped back onto its source, and the
// source payload every drag carries, naming the slot folder shown.
struct SlotDragShared {
    QRect noDrop;
    QByteArray source;
};

// Which payload a drop carried, once a window accepted it.
enum class SlotDrop {
    SlotOnArchives,   // a slot row on the archive list: pack it
    ArchiveOnSlots,   // an archive row on the slot list: unpack it
    EmailSlotOnSlots, // an e-mail slot box on the slot list: paste it into the row
    SlotOnEmailBox,   // a slot row on an e-mail slot box: Set
};

// The handler of the dialog that takes a drop: whether it accepts the (rewritten) payload; source
// is the drag's source payload, empty when it carried none.
using SlotDropHandler =
    std::function<bool(SlotDrop, const QString& format, const QByteArray& block, const QByteArray& source)>;

// A report list of the game manager, drag source and drop target: the slot list drags
// "Quorvant GameFMT" with its row index, the archive list "Quorvant ZipFMT" with the row's file name.
class CSlotListCtrl : public QTableView {
    Q_OBJECT
  public:
    enum class Role { Slots, Archives };
    CSlotListCtrl(Role role, SlotDragShared* shared, QWidget* parent = nullptr);
    void setDropHandler(SlotDropHandler handler) { handler_ = std::move(handler); }
    Role role() const { return role_; }
    // The row's tooltip: its whole description when the description column cuts it; else empty.
    QString RowToolTip(int row) const;

  signals:
    // A left press at a point of the list (viewport coordinates), before the list selects.
    void pressed(const QPoint& at);
    // The list got the focus or started a drag.
    void activated();

  protected:
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void StartDrag(int row);
    // The drop action for a drag over the list; Qt::IgnoreAction where it takes none.
    Qt::DropAction Effect(const QDropEvent* event, bool moving) const;

    Role role_;
    SlotDragShared* shared_;
    SlotDropHandler handler_;
    int pressedRow_ = -1;
    QPoint pressedAt_;
};

// The description of an e-mail slot: drags "Quorvant EmailSlot" with its text and control number,
// and takes a slot row for Set.
class CEmailSlotBox : public QLineEdit {
    Q_OBJECT
  public:
    CEmailSlotBox(int boxId, SlotDragShared* shared, QWidget* parent = nullptr);
    void setDropHandler(SlotDropHandler handler) { handler_ = std::move(handler); }
    int boxId() const { return boxId_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void StartDrag();
    Qt::DropAction Effect(const QDropEvent* event, bool moving) const;

    int boxId_;
    SlotDragShared* shared_;
    SlotDropHandler handler_;
    bool pressed_ = false;
    QPoint pressedAt_;
};

// The game manager's formats a drag carries, in the order drops ask for them; empty when none.
QString SlotDragFormat(const QMimeData* data);

} // namespace quorvant::ui
