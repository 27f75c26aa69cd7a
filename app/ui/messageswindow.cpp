#include "app/ui/messageswindow.h"

#include "platform/ui/windowplacement.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTime>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorvant::ui {
namespace {

// A long session keeps its latest reports; the oldest go first.
constexpr int kKeptReports = 1000;

} // namespace

MessagesWindow::MessagesWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Messages"));
    setWindowTitle(QStringLiteral("Messages"));
    setSizeGripEnabled(true);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("MessageList"));
    list_->setAccessibleName(QStringLiteral("Reports of this session"));
    list_->setHeaderLabels({QStringLiteral("Time"), QStringLiteral("Report")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->header()->setStretchLastSection(true);
    list_->setColumnWidth(0, list_->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 24);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* clear = buttons->addButton(QStringLiteral("C&lear"), QDialogButtonBox::ResetRole);
    connect(clear, &QPushButton::clicked, list_, &QTreeWidget::clear);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(720, 320);
}

void MessagesWindow::Add(const QString& text) {
    auto* row = new QTreeWidgetItem(list_, {QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), text});
    row->setToolTip(1, text);
    while (list_->topLevelItemCount() > kKeptReports) delete list_->takeTopLevelItem(0);
    list_->scrollToItem(row);
}

int MessagesWindow::count() const {
    return list_->topLevelItemCount();
}

QString MessagesWindow::last() const {
    const int rows = list_->topLevelItemCount();
    return rows > 0 ? list_->topLevelItem(rows - 1)->text(1) : QString();
}

void MessagesWindow::ShowOver(QWidget* owner) {
    if (!placed_) {
        PlaceOver(this, owner);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

} // namespace quorvant::ui
