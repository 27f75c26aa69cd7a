#pragma once

#include "obdata/records.h"

#include <QString>
#include <QStringList>

#include <vector>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace quorvant::ui {

// A record's name as the lists show it.
QString RecordNameText(const RecordName& name);
// The names of every slot of a table, in slot order.
template <class Record> QStringList RecordNames(const std::vector<Record>& table) {
    QStringList names;
    names.reserve(static_cast<qsizetype>(table.size()));
    for (const Record& record : table) names.push_back(RecordNameText(record.Name));
    return names;
}

// The controls the record editors' pages are built of, named by their control numbers.

// A number edit wide enough for digits characters.
QLineEdit* NumberEdit(int id, int digits, const QString& help);
// A drop-down list (editable: the user may also type).
QComboBox* ListBox(int id, const QString& help, bool editable = false);
// A form whose labels stand right-aligned beside their fields.
QFormLayout* FieldForm();
// Adds label and field as a row of form; returns the label.
QLabel* AddRow(QFormLayout* form, const QString& label, QWidget* field, int labelId = 0);

} // namespace quorvant::ui
