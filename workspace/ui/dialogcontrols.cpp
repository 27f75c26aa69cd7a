#include "workspace/ui/dialogcontrols.h"

#include "platform/ui/helptopics.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QShortcut>
#include <QWhatsThis>

namespace quorvant::ui {

QPushButton* EditorButton(int id, const QString& text, const QString& help) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::number(id));
    button->setWhatsThis(help);
    button->setAutoDefault(false);
    return button;
}

void SetTabOrder(const std::vector<QWidget*>& order) {
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

QPushButton* AddFieldHelp(QDialog* dialog, const QString& topic) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    QObject::connect(f1, &QShortcut::activated, dialog, [dialog] {
        for (QWidget* w = QApplication::focusWidget(); w && w != dialog; w = w->parentWidget()) {
            if (w->whatsThis().isEmpty()) continue;
            QWhatsThis::showText(w->mapToGlobal(QPoint(w->width() / 2, w->height())), w->whatsThis(), w);
            return;
        }
    });
    AddWhatsThisKey(dialog);
    auto* help = EditorButton(9, QStringLiteral("Help"),
                              QStringLiteral("Opens the help page at this window. Shift+F1, then a click on "
                                             "a field, tells what that field means."));
    QObject::connect(help, &QPushButton::clicked, dialog, [topic] { ShowHelpTopic(topic); });
    return help;
}

} // namespace quorvant::ui
