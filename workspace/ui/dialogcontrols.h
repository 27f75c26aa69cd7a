#pragma once

// Pieces every window with fields and buttons shares: the editors, the unit sheet's pages and the
// picture windows.

#include <QString>

#include <vector>

class QDialog;
class QPushButton;
class QWidget;

namespace quorvant::ui {

// A button named by its control number, with its What's This text, that Enter in a field never
// presses.
QPushButton* EditorButton(int id, const QString& text, const QString& help);

// Tab stops in the order given.
void SetTabOrder(const std::vector<QWidget*>& order);

// F1 shows the focused control's help; the Help button returned opens the help page at topic, and
// Shift+F1 enters What's This mode.
QPushButton* AddFieldHelp(QDialog* dialog, const QString& topic);

} // namespace quorvant::ui
