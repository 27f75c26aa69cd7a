#pragma once

#include "views/ui/unitview.h"

#include <QApplication>

namespace quorvant {

// The view at a window's usual size, shown and filled, with its layout settled.
inline void ShowView(ui::CUnitView& view) {
    view.resize(800, 600);
    view.show();
    view.OnInitialUpdate();
    QApplication::processEvents();
}

} // namespace quorvant
