#pragma once

#include <QPixmap>
#include <QPoint>
#include <Qt>

#include <functional>

class QMimeData;
class QWidget;

namespace quorvant::ui {

// What a drag carries and how it looks under the cursor.
struct DragRequest {
    QWidget* source = nullptr;
    QMimeData* data = nullptr; // owned by the drag
    Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    Qt::DropAction preferred = Qt::MoveAction;
    QPixmap pixmap;
    QPoint hotSpot;
};

// Every drag of the program starts here: the platform's drag loop, which holds the thread until the
// button is let go, unless a runner of a test drives it instead. Returns the action the drop took.
Qt::DropAction RunDrag(const DragRequest& request);

// A runner takes the request (and the ownership of its data) and delivers the drag's events itself.
using DragRunner = std::function<Qt::DropAction(const DragRequest&)>;
// Installs runner for every later drag; an empty one restores the platform's loop.
void SetDragRunner(DragRunner runner);

} // namespace quorvant::ui
