#include "platform/ui/helptopics.h"

#include <QShortcut>
#include <QWhatsThis>
#include <QWidget>

#include <utility>

namespace quorvant::ui {
namespace {

HelpTopicHandler& Handler() {
    static HelpTopicHandler handler;
    return handler;
}

} // namespace

void SetHelpTopicHandler(HelpTopicHandler handler) {
    Handler() = std::move(handler);
}

void ShowHelpTopic(const QString& topic) {
    if (Handler())
        Handler()(topic);
    else
        QWhatsThis::enterWhatsThisMode();
}

void AddWhatsThisKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), window);
    QObject::connect(key, &QShortcut::activated, window, [] { QWhatsThis::enterWhatsThisMode(); });
}

} // namespace quorvant::ui
