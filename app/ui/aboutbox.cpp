#include "app/ui/aboutbox.h"

#include "app/ui/programart.h"
#include "app/version.h"
#include "platform/ui/dialogbuttons.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvant::ui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("100"));
    setWindowTitle(QStringLiteral("About Quorvant"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("108"));
    picture->setPixmap(ProgramPicture(128, picture->devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);

    auto* credits = new QLabel(this);
    credits->setObjectName(QStringLiteral("credits"));
    credits->setAlignment(Qt::AlignCenter);
    credits->setText(QStringLiteral("<b>Quorvant</b> version %1<br>"
                                    "Order-of-battle editor for Brass Wolves BW1, BW2 and BW3<br><br>"
                                    "Copyright &copy; 2026 Vexmoor Software<br>"
                                    "Written by the Quorvant developers<br>"
                                    "Built with Qt %2")
                         .arg(QString::fromLatin1(ProgramVersion()), QString::fromLatin1(qVersion())));

    QDialogButtonBox* buttons = AddDialogButtons(this, QDialogButtonBox::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(credits);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace quorvant::ui
