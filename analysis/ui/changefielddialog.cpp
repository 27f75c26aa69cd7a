#include "analysis/ui/changefielddialog.h"

#include "obdata/quorvantdoc.h"
#include "obdata/ui/gametext.h"
#include "views/columnfields.h"
#include "views/listrows.h"
#include "workspace/ui/dialogcontrols.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace quorvant::ui {
namespace {

// The entries of the operation box, in the order of ChangeKind.
const char* const kOperations[] = {"Set to", "Add", "Multiply by", "Set from field"};

const char* TableNoun(int table, bool many) {
    if (table == kWeaponTable) return many ? "weapons" : "weapon";
    if (table == kUnitTable) return many ? "units" : "unit";
    return many ? "formations" : "formation";
}

QTableWidgetItem* Cell(const QString& text, bool marked = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (marked) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    return item;
}

// What the last change did and with which value, offered again: rebalancing is done field by field
// with the same rule.
struct RememberedChange {
    int operation = 0;
    QString value;
    // By export name, per table: a field of one table is never offered in another.
    std::array<std::string, 3> field;
};
RememberedChange& LastChange() {
    static RememberedChange last;
    return last;
}

} // namespace

ChangeFieldDialog::ChangeFieldDialog(const CQuorvantDoc& doc, int table, std::vector<int> records, int column,
                                     QWidget* parent)
    : QDialog(parent), doc_(doc), table_(table), slots_(std::move(records)) {
    setObjectName(QStringLiteral("ChangeField"));
    setWindowTitle(QStringLiteral("Change Field"));

    field_ = new QComboBox(this);
    field_->setObjectName(QStringLiteral("changeField"));
    field_->setWhatsThis(
        QStringLiteral("The field to change: its list heading, its export name in brackets."));
    source_ = new QComboBox(this);
    source_->setObjectName(QStringLiteral("changeSource"));
    source_->setWhatsThis(QStringLiteral("The field of the same record whose value Set from field takes."));
    const std::vector<ColumnSpec>& columns = ColumnSet(table, doc.Generation);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!FieldRange(table, doc.Generation, columns[i])) continue;
        const QString heading = QString::fromStdString(columns[i].heading).trimmed();
        const QString exported = QString::fromStdString(ExportName(columns[i]));
        // "Land Speed" needs no "[LandSpeed]" beside it; "Wep 1 [Wpn[0]]" does.
        const QString text =
            QString(heading).remove(QLatin1Char(' ')).compare(exported, Qt::CaseInsensitive) == 0
                ? heading
                : QStringLiteral("%1 [%2]").arg(heading, exported);
        field_->addItem(text);
        source_->addItem(text);
        columns_.push_back(static_cast<int>(i));
    }
    // The field last changed in this table, else the column the user stands in, else the first plain
    // number (Cost rather than Class).
    const std::string& last = LastChange().field[static_cast<std::size_t>(std::clamp(table, 0, 2))];
    auto start = std::find_if(columns_.begin(), columns_.end(), [&](int c) {
        return !last.empty() && ExportName(columns[static_cast<std::size_t>(c)]) == last;
    });
    if (start == columns_.end()) start = std::find(columns_.begin(), columns_.end(), column);
    if (start == columns_.end())
        start = std::find_if(columns_.begin(), columns_.end(), [&](int c) {
            return columns[static_cast<std::size_t>(c)].field.value == ColumnValue::Number;
        });
    if (start != columns_.end()) field_->setCurrentIndex(static_cast<int>(start - columns_.begin()));

    operation_ = new QComboBox(this);
    operation_->setObjectName(QStringLiteral("changeOperation"));
    for (const char* operation : kOperations) operation_->addItem(QString::fromLatin1(operation));
    operation_->setCurrentIndex(LastChange().operation);
    operation_->setWhatsThis(QStringLiteral(
        "Set to a value, add a number (years, for a date), multiply by a number, or take another field's "
        "value. Results are rounded to whole numbers and held to what the field can hold."));
    value_ = new QLineEdit(this);
    value_->setObjectName(QStringLiteral("changeValue"));
    value_->setWhatsThis(QStringLiteral("A number; for a class, nation or other named field its name, for a "
                                        "date a date as the list shows it (\"1960\", \"4/53\")."));
    TakeGameTextOnly(value_);
    value_->setText(LastChange().value);
    value_->selectAll();

    preview_ = new QTableWidget(0, 3, this);
    preview_->setObjectName(QStringLiteral("changePreview"));
    preview_->setHorizontalHeaderLabels(
        {QStringLiteral("Record"), QStringLiteral("Now"), QStringLiteral("After")});
    preview_->verticalHeader()->hide();
    preview_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    preview_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    preview_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    preview_->setSelectionMode(QAbstractItemView::NoSelection);
    preview_->setWhatsThis(QStringLiteral("Every selected record's value now and after the change; a value "
                                          "held to the field's range is marked \"held\"."));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("changeSummary"));
    summary_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(QStringLiteral("OK"));
    ok_->setObjectName(QStringLiteral("1"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
    buttons->addButton(AddFieldHelp(this, QStringLiteral("change-field")), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        RememberedChange& last = LastChange();
        last.operation = operation_->currentIndex();
        last.value = value_->text();
        const FieldChangeRequest chosen = request();
        if (chosen.column >= 0)
            last.field[static_cast<std::size_t>(std::clamp(table_, 0, 2))] =
                ExportName(ColumnSet(table_, doc_.Generation)[static_cast<std::size_t>(chosen.column)]);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Field:"), field_);
    form->addRow(QStringLiteral("&Change:"), operation_);
    form->addRow(QStringLiteral("&Value:"), value_);
    form->addRow(QStringLiteral("F&rom field:"), source_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(preview_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons);
    resize(460, 420);

    for (QComboBox* box : {field_, operation_, source_})
        connect(box, &QComboBox::currentIndexChanged, this, &ChangeFieldDialog::UpdatePreview);
    connect(value_, &QLineEdit::textChanged, this, &ChangeFieldDialog::UpdatePreview);
    UpdatePreview();
    // The field is most often the one the user stands in; what to do with it is typed next.
    (value_->isEnabled() ? static_cast<QWidget*>(value_) : source_)->setFocus();
}

FieldChangeRequest ChangeFieldDialog::request() const {
    FieldChangeRequest request;
    auto columnOf = [this](int entry) {
        return entry >= 0 && entry < static_cast<int>(columns_.size())
                   ? columns_[static_cast<std::size_t>(entry)]
                   : -1;
    };
    request.column = columnOf(field_->currentIndex());
    request.kind = static_cast<ChangeKind>(std::max(0, operation_->currentIndex()));
    request.value = GameTextFrom(value_->text()).value_or(std::string());
    request.source = columnOf(source_->currentIndex());
    return request;
}

void ChangeFieldDialog::UpdatePreview() {
    const FieldChangeRequest wanted = request();
    const bool fromField = wanted.kind == ChangeKind::CopyFrom;
    value_->setEnabled(!fromField);
    source_->setEnabled(fromField);
    const FieldChangePlan plan(doc_, table_, slots_, wanted);
    const bool blankValue = !fromField && value_->text().trimmed().isEmpty();

    preview_->setRowCount(0);
    if (plan.error().empty()) {
        preview_->setRowCount(static_cast<int>(plan.rows().size()));
        int row = 0;
        for (const ChangedRow& changed : plan.rows()) {
            preview_->setItem(row, 0, Cell(GameText(RowLabel(doc_, table_, changed.slot - 1)).trimmed()));
            preview_->setItem(row, 1, Cell(GameText(changed.before)));
            const QString after = GameText(changed.after);
            preview_->setItem(
                row, 2, Cell(changed.clamped ? after + QStringLiteral(" (held)") : after, changed.clamped));
            ++row;
        }
        for (int c : {1, 2}) preview_->resizeColumnToContents(c);
    }

    const int records = plan.recordCount();
    QString text;
    if (records == 0)
        text = QStringLiteral("No named %1 is selected.").arg(QString::fromLatin1(TableNoun(table_, false)));
    else if (blankValue)
        text = QStringLiteral("Give the value.");
    else if (!plan.error().empty())
        text = GameText(plan.error());
    else
        text = QStringLiteral("%1 of %2 %3 change")
                   .arg(plan.changedCount())
                   .arg(records)
                   .arg(QString::fromLatin1(TableNoun(table_, records != 1)));
    if (plan.error().empty() && plan.clampedCount() > 0 && !blankValue)
        text += QStringLiteral("; %1 held to the field's range").arg(plan.clampedCount());
    if (!text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
    summary_->setText(text);
    const bool fine = records > 0 && !blankValue && plan.error().empty();
    QPalette palette = summary_->palette();
    palette.setColor(QPalette::WindowText,
                     fine ? QApplication::palette(summary_).color(QPalette::WindowText) : QColor(Qt::red));
    summary_->setPalette(palette);
    ok_->setEnabled(fine && plan.changedCount() > 0);
}

} // namespace quorvant::ui
