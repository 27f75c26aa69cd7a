#include "platform/ui/dragservice.h"

#include <QDrag>
#include <QMimeData>
#include <QWidget>

namespace quorvant::ui {
namespace {

DragRunner& Runner() {
    static DragRunner runner;
    return runner;
}

} // namespace

Qt::DropAction RunDrag(const DragRequest& request) {
    if (Runner()) return Runner()(request);
    auto* drag = new QDrag(request.source);
    drag->setMimeData(request.data);
    if (!request.pixmap.isNull()) {
        drag->setPixmap(request.pixmap);
        drag->setHotSpot(request.hotSpot);
    }
    return drag->exec(request.actions, request.preferred);
}

void SetDragRunner(DragRunner runner) {
    Runner() = std::move(runner);
}

} // namespace quorvant::ui
