#include "platform/ui/dialogbuttons.h"

#include <QDialog>
#include <QPushButton>

namespace quorvant::ui {

QDialogButtonBox* AddDialogButtons(QDialog* dialog, QDialogButtonBox::StandardButtons buttons) {
    auto* box = new QDialogButtonBox(buttons, dialog);
    if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setObjectName(QStringLiteral("1"));
    if (QPushButton* cancel = box->button(QDialogButtonBox::Cancel))
        cancel->setObjectName(QStringLiteral("2"));
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

} // namespace quorvant::ui
