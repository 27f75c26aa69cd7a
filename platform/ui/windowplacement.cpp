#include "platform/ui/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quorvant::ui {

void PlaceOver(QWidget* window, const QWidget* owner) {
    const QWidget* anchor = owner ? owner->window() : nullptr;
    QScreen* screen = anchor && anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    QRect frame(QPoint(0, 0), window->size().boundedTo(room.size()));
    frame.moveCenter(anchor ? anchor->frameGeometry().center() : room.center());
    frame.moveLeft(qBound(room.left(), frame.left(), room.right() - frame.width() + 1));
    frame.moveTop(qBound(room.top(), frame.top(), room.bottom() - frame.height() + 1));
    window->resize(frame.size());
    window->move(frame.topLeft());
}

} // namespace quorvant::ui
