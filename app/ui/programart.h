#pragma once

#include <QIcon>
#include <QPixmap>

namespace quorvant::ui {

// The program's own pictures, drawn rather than shipped: the wolf badge of the About box and the
// window icon, and the toolbar's command icons.
QPixmap ProgramPicture(int size);
QIcon ProgramIcon();
// The icon of a toolbar command; a null icon for a command without one.
QIcon CommandIcon(int command);

} // namespace quorvant::ui
