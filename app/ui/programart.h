#pragma once

#include <QIcon>
#include <QPixmap>

namespace quorvant::ui {

// The program's own pictures, drawn rather than shipped: the wolf badge of the About box and the
// window icon, and the toolbar's command icons.
// The badge is size x size device-independent pixels, drawn at ratio times as many.
QPixmap ProgramPicture(int size, qreal ratio = 1);
QIcon ProgramIcon();
// The icon of a toolbar command; a null icon for a command without one.
QIcon CommandIcon(int command);

} // namespace quorvant::ui
