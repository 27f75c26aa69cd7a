#include "app/ui/lockindicators.h"

#include "platform/ui/lockkeys.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

namespace quorvant::ui {

LockIndicators::LockIndicators(QStatusBar* bar) : QObject(bar) {
    static const char* const kTexts[] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        panes_[i] = new QLabel(QString::fromLatin1(kTexts[i]), bar);
        panes_[i]->setObjectName(QStringLiteral("Indicator") + QString::fromLatin1(kTexts[i]));
        panes_[i]->setAlignment(Qt::AlignCenter);
        panes_[i]->setFrameShape(QFrame::Panel);
        panes_[i]->setFrameShadow(QFrame::Sunken);
        panes_[i]->setMinimumWidth(panes_[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        bar->addPermanentWidget(panes_[i]);
    }
    qApp->installEventFilter(this);
    Refresh();
}

void LockIndicators::Refresh() {
    static const LockKey kKeys[] = {LockKey::Caps, LockKey::Num, LockKey::Scroll};
    for (int i = 0; i < 3; ++i) panes_[i]->setEnabled(LockKeyState(kKeys[i]).value_or(false));
}

bool LockIndicators::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::ApplicationActivate) Refresh();
    return QObject::eventFilter(watched, event);
}

} // namespace quorvant::ui
