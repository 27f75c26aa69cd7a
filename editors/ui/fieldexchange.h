#pragma once

#include "editors/fieldrules.h"

#include <QLineEdit>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace quorvant::ui {

// Moves a page's values to its edit fields and back, in the page's exchange order. Reading stops at
// the first field its rule refuses: the standard message is shown, the focus goes back to that
// field, and it and every later field keep their previous values. A field whose text is still the
// one last shown keeps its value as it is, so a stored value outside the rule survives untouched
// until the user changes it. Every editor of the program validates through this.
class FieldExchange {
  public:
    template <class T> void Add(QLineEdit* edit, T& value, const FieldRule& rule = kByteField) {
        bindings_.push_back({edit,
                             rule,
                             [&value] { return static_cast<long long>(value); },
                             [&value](long long v) { value = static_cast<T>(v); },
                             {}});
    }

    // Every value into its field.
    void Show();
    // One field's value into it.
    void Show(QLineEdit* edit);
    // Every field into its value; false when a field was refused (the user has been told).
    bool Read(QWidget* messageParent);
    // Gives the focus back to the field last refused, selecting its text.
    void FocusInvalid();
    QLineEdit* invalidField() const { return invalid_; }

  private:
    struct Binding {
        QLineEdit* edit;
        FieldRule rule;
        std::function<long long()> get;
        std::function<void(long long)> set;
        QString shown;
    };
    void Show(Binding& binding);

    std::vector<Binding> bindings_;
    QPointer<QLineEdit> invalid_;
};

} // namespace quorvant::ui
