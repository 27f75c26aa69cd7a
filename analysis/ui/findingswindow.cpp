#include "analysis/ui/findingswindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorvant::ui {

FindingsWindow::FindingsWindow(const QString& title, const QStringList& headings, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("findings"));
    list_->setAccessibleName(title);
    list_->setHeaderLabels(headings);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setSortingEnabled(false);
    list_->header()->setStretchLastSection(true);
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (onActivated && item->data(0, Qt::UserRole).isValid()) onActivated(item->data(0, Qt::UserRole));
    });
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout_ = new QVBoxLayout(this);
    layout_->addWidget(list_, 1);
    layout_->addWidget(summary_);
    layout_->addWidget(buttons);
    resize(760, 420);
}

void FindingsWindow::addControls(QLayout* controls) {
    layout_->insertLayout(0, controls);
}

void FindingsWindow::clear() {
    list_->clear();
    summary_->clear();
}

QTreeWidgetItem* FindingsWindow::addRow(const QStringList& cells, const QVariant& data,
                                        QTreeWidgetItem* parent) {
    auto* item = parent ? new QTreeWidgetItem(parent, cells) : new QTreeWidgetItem(list_, cells);
    item->setData(0, Qt::UserRole, data);
    if (parent) list_->setRootIsDecorated(true);
    return item;
}

void FindingsWindow::setSummary(const QString& text) {
    summary_->setText(text);
}

void FindingsWindow::fitColumns() {
    list_->expandAll();
    for (int c = 0; c + 1 < list_->columnCount(); ++c) list_->resizeColumnToContents(c);
}

} // namespace quorvant::ui
