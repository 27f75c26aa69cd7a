#include "app/ui/messageswindow.h"

#include "platform/ui/windowplacement.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTime>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorvant::ui {
namespace {

// A long session keeps its latest reports; the oldest go first.
constexpr int kKeptReports = 1000;

// A tree's rows are as high as their text unwrapped: this one measures a report at its column's width,
// so a long one wraps in its row and can be read whole.
class WrappingDelegate : public QStyledItemDelegate {
  public:
    explicit WrappingDelegate(QTreeWidget* list) : QStyledItemDelegate(list), list_(list) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const int width = qMax(40, list_->header()->sectionSize(index.column()) - 8);
        const QRect text =
            item.fontMetrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, item.text);
        return {width, text.height() + 4};
    }

  private:
    QTreeWidget* list_;
};

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
    // A long report wraps in its row, whole, however narrow the window.
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setItemDelegate(new WrappingDelegate(list_));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->header()->setStretchLastSection(true);
    list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
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
