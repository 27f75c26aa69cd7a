#pragma once

#include "views/ui/typeahead.h"

#include <QListView>

namespace quorvant::ui {

// The plain-list style of a record list; typing finds a row by its name.
class RecordListView : public QListView {
    Q_OBJECT
  public:
    using QListView::QListView;

    void keyboardSearch(const QString& search) override { typeAhead_.search(this, search); }

  private:
    TypeAhead typeAhead_;
};

} // namespace quorvant::ui
