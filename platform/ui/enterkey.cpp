#include "platform/ui/enterkey.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>

#include <utility>

namespace quorvant::ui {
namespace {

class CEnterKeyFilter : public QObject {
  public:
    CEnterKeyFilter(QLineEdit* edit, std::function<void()> action)
        : QObject(edit), action_(std::move(action)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // ShortcutOverride is claimed too, so that no Enter shortcut of the window fires first.
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        action_();
        return true;
    }

  private:
    std::function<void()> action_;
};

} // namespace

void RunOnEnter(QLineEdit* edit, std::function<void()> action) {
    edit->installEventFilter(new CEnterKeyFilter(edit, std::move(action)));
}

} // namespace quorvant::ui
