#include "editors/ui/pagecontrols.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace quorvant::ui {

QString RecordNameText(const RecordName& name) {
    std::string_view text = name.view();
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit* NumberEdit(int id, int digits, const QString& help) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::number(id));
    edit->setWhatsThis(help);
    QFontMetrics metrics(edit->font());
    // Room for the digits plus the frame and its margins.
    edit->setFixedWidth(metrics.horizontalAdvance(QString(digits + 1, QLatin1Char('0'))) + 12);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

QComboBox* ListBox(int id, const QString& help, bool editable) {
    auto* box = new QComboBox;
    box->setObjectName(QString::number(id));
    box->setWhatsThis(help);
    box->setEditable(editable);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box->setMaxVisibleItems(20);
    if (editable) {
        box->setInsertPolicy(QComboBox::NoInsert);
        // Completing from other units' names would change what the user types.
        box->setCompleter(nullptr);
    }
    return box;
}

QFormLayout* FieldForm() {
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    return form;
}

QLabel* AddRow(QFormLayout* form, const QString& label, QWidget* field, int labelId) {
    auto* text = new QLabel(label);
    if (labelId) text->setObjectName(QString::number(labelId));
    text->setBuddy(field);
    form->addRow(text, field);
    return text;
}

} // namespace quorvant::ui
