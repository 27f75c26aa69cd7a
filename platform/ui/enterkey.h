#pragma once

#include <functional>

class QLineEdit;

namespace quorvant::ui {

// Gives Enter in the field to `action` instead of the window's default button: in a field that picks
// what the window shows, a user who presses Enter means "go there", never "OK, close".
void RunOnEnter(QLineEdit* edit, std::function<void()> action);

} // namespace quorvant::ui
