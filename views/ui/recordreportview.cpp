#include "views/ui/recordreportview.h"

#include <QHeaderView>
#include <QScrollBar>

namespace quorvant::ui {

RecordReportView::RecordReportView(QWidget* parent) : QTableView(parent) {
    frozen_ = new QTableView(this);
    frozen_->setObjectName(QStringLiteral("nameColumnView"));
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->verticalHeader()->hide();
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollMode(ScrollPerPixel);
    frozen_->setFrameShape(QFrame::NoFrame);
    frozen_->setWordWrap(false);
    frozen_->horizontalHeader()->setHighlightSections(false);
    frozen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    viewport()->stackUnder(frozen_);
    // Tab goes on to the next control; the arrows move within the report.
    setTabKeyNavigation(false);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);

    // The two views scroll as one, and the name column's width is one width.
    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(frozen_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (section != 0) return;
                horizontalHeader()->resizeSection(0, size);
                PlaceFrozenView();
            });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section != 0) return;
        if (frozen_->columnWidth(0) != size) frozen_->setColumnWidth(0, size);
        PlaceFrozenView();
    });
}

void RecordReportView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    frozen_->setModel(model);
    frozen_->setSelectionModel(selectionModel());
    frozen_->setSelectionMode(selectionMode());
    frozen_->setSelectionBehavior(selectionBehavior());
    frozen_->setEditTriggers(editTriggers());
    frozen_->setIconSize(iconSize());
    frozen_->setPalette(palette());
    frozen_->setShowGrid(showGrid());
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &RecordReportView::ShowOnlyNameColumn,
                Qt::UniqueConnection);
        connect(model, &QAbstractItemModel::layoutChanged, this, &RecordReportView::ShowOnlyNameColumn,
                Qt::UniqueConnection);
    }
    ShowOnlyNameColumn();
}

void RecordReportView::setSelectionModel(QItemSelectionModel* selection) {
    QTableView::setSelectionModel(selection);
    // Setting a model sets a selection first, while the name column still shows the old model.
    if (frozen_->model() == selection->model()) frozen_->setSelectionModel(selection);
}

void RecordReportView::keyboardSearch(const QString& search) {
    typeAhead_.search(this, search);
}

void RecordReportView::setRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    frozen_->verticalHeader()->setDefaultSectionSize(height);
}

void RecordReportView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    PlaceFrozenView();
}

// Keyboard moves to the left never hide the current cell behind the name column.
QModelIndex RecordReportView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    // The rows are the records: Home and End go to the first and the last, as in any list.
    if ((cursorAction == MoveHome || cursorAction == MoveEnd) && model()) {
        const int rows = model()->rowCount(rootIndex());
        if (rows == 0) return {};
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        return model()->index(cursorAction == MoveHome ? 0 : rows - 1, column, rootIndex());
    }
    QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    if (cursorAction == MoveLeft && current.column() > 0 &&
        visualRect(current).topLeft().x() < frozen_->columnWidth(0)) {
        const int newValue =
            horizontalScrollBar()->value() + visualRect(current).topLeft().x() - frozen_->columnWidth(0);
        horizontalScrollBar()->setValue(newValue);
    }
    return current;
}

void RecordReportView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    // Showing a row must not scroll the table sideways: the name column is always in view.
    if (index.column() == 0) {
        const int keep = horizontalScrollBar()->value();
        QTableView::scrollTo(index, hint);
        horizontalScrollBar()->setValue(keep);
        return;
    }
    QTableView::scrollTo(index, hint);
}

void RecordReportView::updateGeometries() {
    QTableView::updateGeometries();
    PlaceFrozenView();
}

void RecordReportView::ShowOnlyNameColumn() {
    QAbstractItemModel* m = model();
    if (!m) return;
    for (int column = 1; column < m->columnCount(); ++column) frozen_->setColumnHidden(column, true);
    frozen_->setColumnHidden(0, false);
    frozen_->setColumnWidth(0, columnWidth(0));
    PlaceFrozenView();
}

void RecordReportView::PlaceFrozenView() {
    if (!frozen_) return;
    const int headerHeight = horizontalHeader()->height();
    frozen_->horizontalHeader()->setFixedHeight(headerHeight);
    frozen_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                         viewport()->height() + headerHeight);
    frozen_->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

} // namespace quorvant::ui
