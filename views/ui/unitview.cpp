#include "views/ui/unitview.h"

#include "obdata/quorvantdoc.h"
#include "platform/ui/promptservice.h"
#include "views/columnsets.h"
#include "views/ui/classicons.h"
#include "views/ui/recordcelldelegate.h"
#include "views/ui/recordtablemodel.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QListView>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace quorvant::ui {
namespace {

class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The selection stays as visible as with the focus, so the row the editors work on is always shown.
void KeepSelectionVisible(QAbstractItemView* view) {
    QPalette palette = view->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}

void SetUpCommon(QAbstractItemView* view) {
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setIconSize(QSize(kClassIconSize, kClassIconSize));
    view->setItemDelegate(new RecordCellDelegate(view));
    KeepSelectionVisible(view);
}

} // namespace

CUnitView::CUnitView(CQuorvantDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    for (int t = kWeaponTable; t <= kFormationTable; ++t)
        models_[static_cast<std::size_t>(t)] = new RecordTableModel(doc_, t, this);

    report_ = new QTableView;
    report_->setObjectName(QStringLiteral("reportView"));
    SetUpCommon(report_);
    report_->setShowGrid(true);
    report_->setWordWrap(false);
    report_->verticalHeader()->hide();
    // Fixed row heights spare the view from measuring every row.
    report_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    report_->verticalHeader()->setDefaultSectionSize(
        std::max(fontMetrics().height(), static_cast<int>(kClassIconSize)) + 4);
    report_->horizontalHeader()->setHighlightSections(false);
    report_->horizontalHeader()->setSectionsClickable(false);

    list_ = new QListView;
    list_->setObjectName(QStringLiteral("listView"));
    SetUpCommon(list_);
    list_->setViewMode(QListView::ListMode);
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);

    stack_ = new QStackedWidget;
    stack_->addWidget(report_);
    stack_->addWidget(list_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stack_);
    setFocusProxy(report_);

    report_->viewport()->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
    ShowModel(models_[kUnitTable]);
    doc_.AddObserver(this);
}

CUnitView::~CUnitView() {
    doc_.RemoveObserver(this);
}

void CUnitView::OnInitialUpdate() {
    ShowDisplayType(kUnitTable);
}

void CUnitView::ShowDisplayType(int type) {
    switch (type) {
    case kHintWeapons:
    case kHintUnits:
    case kHintFormations:
        Rebuild(type);
        break;
    case kHintFormationsEdited:
        Rebuild(kFormationTable);
        break;
    case kHintWeaponRow:
        RefreshRow(kWeaponTable, WeaponRow);
        break;
    case kHintUnitRow:
        RefreshRow(kUnitTable, UnitRow);
        break;
    default:
        Prompt(PromptKind::Exclamation, QStringLiteral("Invalid Display Type"), this);
        break;
    }
}

void CUnitView::setReportStyle(bool report) {
    if (report == reportStyle_) return;
    bool hadFocus = activeView()->hasFocus();
    reportStyle_ = report;
    if (!report) FitListGrid();
    stack_->setCurrentWidget(activeView());
    setFocusProxy(activeView());
    if (hadFocus) activeView()->setFocus();
    QModelIndex current = report_->selectionModel()->currentIndex();
    if (current.isValid()) activeView()->scrollTo(current);
}

void CUnitView::onDocumentUpdate(int hint) {
    ShowDisplayType(hint);
}

int CUnitView::SelectedRow() const {
    const QModelIndexList rows = report_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

int* CUnitView::RowOf(int table) {
    switch (table) {
    case kWeaponTable:
        return &WeaponRow;
    case kUnitTable:
        return &UnitRow;
    case kFormationTable:
        return &FormationRow;
    default:
        return nullptr;
    }
}

RecordTableModel* CUnitView::model(int table) const {
    return IsRecordTable(table) ? models_[static_cast<std::size_t>(table)] : nullptr;
}

QAbstractItemView* CUnitView::activeView() const {
    if (reportStyle_) return report_;
    return list_;
}

bool CUnitView::eventFilter(QObject* watched, QEvent* event) {
    bool onList = watched == report_->viewport() || watched == list_->viewport();
    if (onList && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        OnRowClicked();
    if (onList && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // The view selects the row under a double-click only after this filter has seen it.
        QModelIndex under = activeView()->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        OnRowDoubleClicked(under.isValid() ? under.row() : SelectedRow());
    }
    return QWidget::eventFilter(watched, event);
}

void CUnitView::Rebuild(int table) {
    currentKind_ = table;
    RecordTableModel* model = models_[static_cast<std::size_t>(table)];
    {
        WaitCursor wait;
        setUpdatesEnabled(false);
        model->rebuild();
        ShowModel(model);
        ApplyColumnWidths();
        if (!reportStyle_) FitListGrid();
        setUpdatesEnabled(true);
    }
    SelectRow(*RowOf(table));
}

// A row refresh leaves the list alone while it shows another table.
void CUnitView::RefreshRow(int table, int row) {
    models_[static_cast<std::size_t>(table)]->refreshRow(row);
    if (currentKind_ != table) return;
    if (!reportStyle_) FitListGrid();
    SelectRow(row);
}

void CUnitView::SelectRow(int row) {
    QItemSelectionModel* selection = report_->selectionModel();
    RecordTableModel* model = models_[static_cast<std::size_t>(currentKind_)];
    if (row < 0 || row >= model->rowCount()) {
        selection->clear();
        return;
    }
    QModelIndex index = model->index(row, 0);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    activeView()->scrollTo(index);
}

// The report and the list share one model and one selection, so switching keeps rows and selection.
void CUnitView::ShowModel(RecordTableModel* model) {
    if (report_->model() == model) return;
    QItemSelectionModel* previous = report_->selectionModel();
    report_->setModel(model);
    list_->setModel(model);
    QItemSelectionModel* listOwn = list_->selectionModel();
    list_->setSelectionModel(report_->selectionModel());
    delete listOwn;
    delete previous;
}

void CUnitView::ApplyColumnWidths() {
    const auto& columns = models_[static_cast<std::size_t>(currentKind_)]->columns();
    QHeaderView* header = report_->horizontalHeader();
    for (std::size_t i = 0; i < columns.size(); ++i)
        header->resizeSection(static_cast<int>(i), columns[i].width);
}

// The plain list gives every label the width of the widest, so no name is cut short.
void CUnitView::FitListGrid() {
    QStyleOptionViewItem option;
    option.initFrom(list_);
    option.decorationSize = list_->iconSize();
    QAbstractItemModel* model = list_->model();
    QSize cell(0, 0);
    for (int row = 0; row < model->rowCount(); ++row)
        cell = cell.expandedTo(list_->itemDelegate()->sizeHint(option, model->index(row, 0)));
    list_->setGridSize(cell + QSize(2 * list_->spacing() + 8, 0));
}

void CUnitView::OnRowClicked() {
    if (int* row = RowOf(currentKind_)) *row = SelectedRow();
}

// With nothing selected there is no record to open: slot 0 is never listed.
void CUnitView::OnRowDoubleClicked(int row) {
    if (row < 0) return;
    *RowOf(currentKind_) = row;
    emit editRequested(currentKind_, row + 1);
}

} // namespace quorvant::ui
