#pragma once

#include "views/fieldchange.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::ui {

// Edit > Change Field...: a field of the table (its list heading, the export name in brackets), what
// to do with it, and a preview of every selected record's value now and after, the held ones marked.
// OK is there only while the change can be made and changes something.
class ChangeFieldDialog : public QDialog {
    Q_OBJECT
  public:
    // records: the slots selected; column: the field to start with, when it can be changed.
    ChangeFieldDialog(const CQuorvantDoc& doc, int table, std::vector<int> records, int column,
                      QWidget* parent = nullptr);

    FieldChangeRequest request() const;

    QComboBox* fieldBox() const { return field_; }
    QComboBox* operationBox() const { return operation_; }
    QLineEdit* valueBox() const { return value_; }
    QComboBox* sourceBox() const { return source_; }
    QTableWidget* preview() const { return preview_; }
    QLabel* summary() const { return summary_; }
    QPushButton* okButton() const { return ok_; }

  private:
    void UpdatePreview();

    const CQuorvantDoc& doc_;
    int table_;
    std::vector<int> slots_;
    std::vector<int> columns_; // the column of each entry of the field boxes
    QComboBox* field_ = nullptr;
    QComboBox* operation_ = nullptr;
    QLineEdit* value_ = nullptr;
    QComboBox* source_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace quorvant::ui
