#pragma once

#include <QElapsedTimer>
#include <QString>

class QAbstractItemView;

namespace quorvant::ui {

// Typing into a record list jumps to the next row whose name (not its "17. " slot prefix) starts with
// what was typed; a pause starts a new word, as in every file list.
class TypeAhead {
  public:
    void search(QAbstractItemView* view, const QString& typed);

  private:
    QString word_;
    QElapsedTimer sinceLastKey_;
};

} // namespace quorvant::ui
