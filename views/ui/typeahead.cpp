#include "views/ui/typeahead.h"

#include "views/ui/recordtablemodel.h"

#include <QAbstractItemView>
#include <QApplication>

namespace quorvant::ui {

void TypeAhead::search(QAbstractItemView* view, const QString& typed) {
    QAbstractItemModel* model = view->model();
    if (!model || typed.isEmpty() || model->rowCount() == 0) return;
    bool continuing =
        sinceLastKey_.isValid() && sinceLastKey_.elapsed() < QApplication::keyboardInputInterval();
    sinceLastKey_.start();
    word_ = continuing ? word_ + typed : typed;

    const int rows = model->rowCount();
    const int current = view->currentIndex().isValid() ? view->currentIndex().row() : -1;
    // A longer word may still match the current row; a new word looks past it, so repeating a
    // letter walks through the rows starting with it.
    const int start = continuing ? std::max(current, 0) : current + 1;
    for (int step = 0; step < rows; ++step) {
        int row = (start + step) % rows;
        QModelIndex index = model->index(row, 0);
        if (!model->data(index, RecordTableModel::NameRole).toString().startsWith(word_, Qt::CaseInsensitive))
            continue;
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
        view->scrollTo(index);
        return;
    }
}

} // namespace quorvant::ui
