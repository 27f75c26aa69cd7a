#pragma once

// Drags of a weapon or unit row, carrying the same block as Copy, and drops of such rows from
// another document's list onto a row of this one, pasted as Paste does.

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <array>

class QAbstractItemView;
class QDropEvent;
class QMimeData;

namespace quorvant::ui {

class CUnitView;
class RecordTransfer;

class RecordDrag : public QObject {
    Q_OBJECT
  public:
    RecordDrag(CUnitView* view, RecordTransfer* transfer);

    // The source row (slot - 1) under a point of one of the view's lists; -1 when none.
    static int SourceRowAt(const QAbstractItemView* list, const QPoint& pos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAbstractItemView* ListOf(QObject* viewport) const;
    void StartDrag(QAbstractItemView* list, int row);
    // Whether a drop (or a drag passing over) is taken: see Accepts in the source file.
    bool Accepts(QAbstractItemView* list, const QDropEvent* event) const;

    CUnitView* view_;
    RecordTransfer* transfer_;
    // Plain pointers compared, never cast: events still arrive while the view is destroyed.
    std::array<QAbstractItemView*, 3> lists_{};
    std::array<QObject*, 3> viewports_{};
    QPointer<QAbstractItemView> pressedList_;
    QPoint pressedAt_;
    int pressedRow_ = -1;
};

} // namespace quorvant::ui
