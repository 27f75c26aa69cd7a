#pragma once

#include <QDialogButtonBox>

class QDialog;

namespace quorvant::ui {

// The OK (and Cancel) buttons of a dialog, named "1" and "2" like the controls they stand for, wired
// to accept and reject.
QDialogButtonBox* AddDialogButtons(QDialog* dialog, QDialogButtonBox::StandardButtons buttons);

} // namespace quorvant::ui
