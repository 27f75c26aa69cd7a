#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quorvant::ui {

// Opens the help page at a topic (an anchor of the page). The program's main window installs the
// handler; without one, the help falls back to What's This mode, so a Help button is never dead.
using HelpTopicHandler = std::function<void(const QString& topic)>;
void SetHelpTopicHandler(HelpTopicHandler handler);
void ShowHelpTopic(const QString& topic);

// Shift+F1 in window enters What's This mode, as the caption's question mark does.
void AddWhatsThisKey(QWidget* window);

} // namespace quorvant::ui
