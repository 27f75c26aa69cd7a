#include "workspace/ui/loadprogressdialog.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace quorvant::ui {

LoadProgressDialog::LoadProgressDialog(QWidget* owner)
    : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint), owner_(owner), label_(new QLabel(this)),
      bar_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("LoadProgress"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    auto* layout = new QVBoxLayout(this);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    setFixedWidth(260);
    if (owner_) {
        focus_ = owner_->window()->focusWidget();
        owner_->setEnabled(false);
        QRect area = owner_->geometry();
        adjustSize();
        move(area.center() - rect().center());
    }
    show();
    pumpEvents();
}

LoadProgressDialog::~LoadProgressDialog() {
    if (owner_) owner_->setEnabled(true);
    if (focus_) focus_->setFocus();
}

void LoadProgressDialog::setText(const std::string& text) {
    label_->setText(QString::fromStdString(text));
    pumpEvents();
}

void LoadProgressDialog::setStep(int step) {
    step_ = step;
}

void LoadProgressDialog::stepIt() {
    int next = bar_->value() + step_;
    // The bar wraps at its end, the way a stepped progress control does.
    bar_->setValue(next > bar_->maximum() ? next - bar_->maximum() : next);
    pumpEvents();
}

QString LoadProgressDialog::text() const {
    return label_->text();
}

int LoadProgressDialog::value() const {
    return bar_->value();
}

void LoadProgressDialog::pumpEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace quorvant::ui
