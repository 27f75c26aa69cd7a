#include "views/ui/unitview.h"

#include "obdata/quorvantdoc.h"
#include "platform/ui/promptservice.h"
#include "platform/ui/waitcursor.h"
#include "views/columnsets.h"
#include "views/listrows.h"
#include "views/ui/classicons.h"
#include "views/ui/recordcelldelegate.h"
#include "views/ui/recordlistview.h"
#include "views/ui/recordreportview.h"
#include "views/ui/recordsortproxy.h"
#include "views/ui/recordtablemodel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvant::ui {
namespace {

// The selection stays as visible as with the focus, so the row the editors work on is always shown.
void KeepSelectionVisible(QAbstractItemView* view) {
    QPalette palette = view->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}

void SetUpCommon(QAbstractItemView* view) {
    // Shift and Ctrl with the mouse and the keys, and Ctrl+A, select many rows.
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setIconSize(QSize(kClassIconSize, kClassIconSize));
    view->setItemDelegate(new RecordCellDelegate(view));
    KeepSelectionVisible(view);
}

} // namespace

CUnitView::CUnitView(CQuorvantDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    for (int t = kWeaponTable; t <= kFormationTable; ++t) {
        auto i = static_cast<std::size_t>(t);
        models_[i] = new RecordTableModel(doc_, t, this);
        proxies_[i] = new RecordSortProxy(models_[i], this);
    }

    report_ = new RecordReportView;
    report_->setObjectName(QStringLiteral("reportView"));
    SetUpCommon(report_);
    SetUpCommon(report_->frozenView());
    report_->setShowGrid(true);
    report_->setWordWrap(false);
    report_->verticalHeader()->hide();
    // Fixed row heights spare the view from measuring every row.
    report_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    report_->setRowHeight(std::max(fontMetrics().height(), static_cast<int>(kClassIconSize)) + 4);
    for (QHeaderView* header : {report_->horizontalHeader(), report_->frozenView()->horizontalHeader()}) {
        header->setHighlightSections(false);
        header->setSectionsClickable(true);
        header->setSortIndicatorShown(false);
        connect(header, &QHeaderView::sectionClicked, this, &CUnitView::SortByColumn);
    }

    list_ = new RecordListView;
    list_->setObjectName(QStringLiteral("listView"));
    SetUpCommon(list_);
    list_->setViewMode(QListView::ListMode);
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);

    filter_ = new QLineEdit;
    filter_->setObjectName(QStringLiteral("quickFilter"));
    filter_->setClearButtonEnabled(true);
    filter_->setWhatsThis(
        tr("Shows only the rows whose names hold this text, in every table of the file; or, with an "
           "operator, the rows an expression over the columns holds for: Cost > 100 and Class = \"Main "
           "Battle Tank\", Available < 1960 or not Name ~ HQ. Fields go by heading or field name; = != < "
           "<= > >= and ~ (holds) compare, and, or, not and parentheses join; quoted text meets the text "
           "the list shows, a number the stored value."));
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        for (RecordSortProxy* proxy : proxies_) proxy->setNameFilter(text.trimmed());
        ShowFilterState();
        if (!reportStyle_) FitListGrid();
        SelectRow(*RowOf(currentKind_));
    });
    filter_->installEventFilter(this);

    stack_ = new QStackedWidget;
    stack_->addWidget(report_);
    stack_->addWidget(list_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(filter_);
    layout->addWidget(stack_);
    setFocusProxy(report_);

    for (QWidget* watched : {static_cast<QWidget*>(report_->viewport()), report_->frozenView()->viewport(),
                             list_->viewport(), static_cast<QWidget*>(report_), static_cast<QWidget*>(list_)})
        watched->installEventFilter(this);
    ShowModel(proxies_[kUnitTable]);
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

void CUnitView::onRecordsChanged(int table, const std::vector<int>& changedSlots) {
    // Past a few dozen rows one signal over the rows between is cheaper than a signal per row, and
    // than a reset, which would lay the whole list out again.
    constexpr std::size_t kRowsOneByOne = 32;
    RecordTableModel* changed = model(table);
    if (!changed || changedSlots.empty()) return;
    int* row = RowOf(table);
    if (changedSlots.front() >= 1) *row = changedSlots.front() - 1;
    if (changedSlots.size() > kRowsOneByOne) {
        const auto [first, last] = std::minmax_element(changedSlots.begin(), changedSlots.end());
        changed->refreshRows(*first - 1, *last - 1);
    } else {
        for (int slot : changedSlots) changed->refreshRow(slot - 1);
    }
    if (table != currentKind_) return;
    if (!reportStyle_) FitListGrid();
    SelectRow(*row);
}

int CUnitView::SelectedRow() const {
    const std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

std::vector<int> CUnitView::SelectedRows() const {
    const QModelIndexList selected = report_->selectionModel()->selectedRows();
    std::vector<int> shown;
    for (const QModelIndex& index : selected) shown.push_back(index.row());
    std::sort(shown.begin(), shown.end());
    RecordSortProxy* proxy = proxies_[static_cast<std::size_t>(currentKind_)];
    std::vector<int> rows;
    for (int row : shown) rows.push_back(proxy->sourceRow(row));
    return rows;
}

void CUnitView::SelectRows(const std::vector<int>& rows) {
    RecordSortProxy* proxy = proxies_[static_cast<std::size_t>(currentKind_)];
    QItemSelection selection;
    QModelIndex first;
    std::vector<int> shownRows;
    for (int row : rows) {
        const int shown = proxy->proxyRow(row);
        if (shown < 0) continue;
        if (!first.isValid()) first = proxy->index(shown, 0);
        shownRows.push_back(shown);
    }
    // One range for each run of rows next to each other on screen.
    std::sort(shownRows.begin(), shownRows.end());
    for (std::size_t i = 0; i < shownRows.size();) {
        std::size_t end = i + 1;
        while (end < shownRows.size() && shownRows[end] == shownRows[end - 1] + 1) ++end;
        selection.select(proxy->index(shownRows[i], 0), proxy->index(shownRows[end - 1], 0));
        i = end;
    }
    QItemSelectionModel* model = report_->selectionModel();
    if (!first.isValid()) {
        model->clear();
    } else {
        model->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        model->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        activeView()->scrollTo(first);
    }
    emit selectedRowChanged();
}

void CUnitView::SelectShownRows() {
    activeView()->selectAll();
    // The commands that follow (Copy, Delete) are for the rows, not for the filter's text.
    activeView()->setFocus();
    emit selectedRowChanged();
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

RecordSortProxy* CUnitView::shownRows(int table) const {
    return IsRecordTable(table) ? proxies_[static_cast<std::size_t>(table)] : nullptr;
}

QTableView* CUnitView::reportView() const {
    return report_;
}

QTableView* CUnitView::nameColumnView() const {
    return report_->frozenView();
}

QListView* CUnitView::listView() const {
    return list_;
}

void CUnitView::setHideEmptySlots(bool hide) {
    if (hide == hideEmpty_) return;
    hideEmpty_ = hide;
    for (RecordSortProxy* proxy : proxies_) proxy->setHideEmpty(hide);
    if (!reportStyle_) FitListGrid();
    SelectRow(*RowOf(currentKind_));
}

void CUnitView::SortByColumn(int column) {
    RecordSortProxy* proxy = proxies_[static_cast<std::size_t>(currentKind_)];
    proxy->cycleSort(column);
    ShowSortIndicator();
    QModelIndex current = report_->selectionModel()->currentIndex();
    if (current.isValid()) activeView()->scrollTo(current);
}

void CUnitView::FocusFilter() {
    filter_->setFocus();
    filter_->selectAll();
}

void CUnitView::ShowRecord(int table, int slot, bool edit) {
    int* row = RowOf(table);
    if (!row || slot < 1) return;
    *row = slot - 1;
    if (doc_.ViewMode != table)
        doc_.OnViewMode(table);
    else
        ShowDisplayType(table);
    // A record the filter hides is shown again: the user asked for it.
    if (proxies_[static_cast<std::size_t>(table)]->proxyRow(*row) < 0) filter_->clear();
    activeView()->setFocus();
    if (edit) emit editRequested(table, slot);
}

void CUnitView::ShowSortIndicator() {
    RecordSortProxy* proxy = proxies_[static_cast<std::size_t>(currentKind_)];
    for (QHeaderView* header : {report_->horizontalHeader(), report_->frozenView()->horizontalHeader()}) {
        header->setSortIndicatorShown(proxy->sortColumn() >= 0);
        header->setSortIndicator(proxy->sortColumn(), proxy->sortOrder());
    }
}

QAbstractItemView* CUnitView::activeView() const {
    if (reportStyle_) return report_;
    return list_;
}

bool CUnitView::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* clicked = nullptr;
    if (watched == report_->viewport()) clicked = report_;
    if (watched == report_->frozenView()->viewport()) clicked = report_->frozenView();
    if (watched == list_->viewport()) clicked = list_;
    if (clicked && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        OnRowClicked();
    if (clicked && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // The view selects the row under a double-click only after this filter has seen it.
        QModelIndex under = clicked->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        RecordSortProxy* proxy = proxies_[static_cast<std::size_t>(currentKind_)];
        OnRowDoubleClicked(under.isValid() ? proxy->sourceRow(under.row()) : SelectedRow());
    }
    // Down or Enter in the filter box goes on to the rows it left.
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            activeView()->setFocus();
            if (SelectedRow() < 0 && activeView()->model()->rowCount() > 0)
                SelectRow(proxies_[static_cast<std::size_t>(currentKind_)]->sourceRow(0));
            return true;
        }
        if (key == Qt::Key_Escape) {
            filter_->clear();
            activeView()->setFocus();
            return true;
        }
    }
    if ((watched == report_ || watched == list_) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            EditSelectedRow();
            return true;
        }
        if (key->keyCombination() == QKeyCombination(Qt::Key_Menu) ||
            key->keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_F10))
            return OnContextMenu(nullptr, event);
    }
    if (event->type() == QEvent::ContextMenu && (clicked || watched == report_ || watched == list_))
        return OnContextMenu(clicked, event);
    return QWidget::eventFilter(watched, event);
}

// A right click acts on the row under the mouse, the keys on the selected row; off the rows there is
// no menu, as there is no record to act on.
bool CUnitView::OnContextMenu(QAbstractItemView* clicked, QEvent* event) {
    RecordSortProxy* proxy = proxies_[static_cast<std::size_t>(currentKind_)];
    const auto* menuEvent =
        event->type() == QEvent::ContextMenu ? static_cast<QContextMenuEvent*>(event) : nullptr;
    if (menuEvent && menuEvent->reason() == QContextMenuEvent::Mouse) {
        // One on a heading or a scroll bar is not about a row.
        if (!clicked) return false;
        const QModelIndex under = clicked->indexAt(menuEvent->pos());
        if (!under.isValid()) return true;
        // On a row of a selection of many, the menu's commands are for all of them.
        QItemSelectionModel* selection = clicked->selectionModel();
        if (selection && selection->isRowSelected(under.row(), under.parent()))
            selection->setCurrentIndex(under, QItemSelectionModel::NoUpdate);
        else
            SelectRow(proxy->sourceRow(under.row()));
        OnRowClicked();
        emit rowMenuRequested(menuEvent->globalPos());
        return true;
    }
    const int row = SelectedRow();
    if (row < 0) return true;
    const QModelIndex index = proxy->index(proxy->proxyRow(row), 0);
    // The name column of the report is drawn by a view of its own, over the report's first column.
    QAbstractItemView* shown = reportStyle_ ? static_cast<QAbstractItemView*>(report_->frozenView()) : list_;
    activeView()->scrollTo(index);
    const QRect rect = shown->visualRect(index);
    emit rowMenuRequested(shown->viewport()->mapToGlobal(rect.bottomLeft() + QPoint(rect.height(), 0)));
    return true;
}

// A rebuild of the table on show keeps the user's column widths, order and scroll position.
void CUnitView::Rebuild(int table) {
    const bool sameTable =
        table == currentKind_ && report_->model() == proxies_[static_cast<std::size_t>(table)];
    RememberColumnWidths();
    const int across = sameTable ? report_->horizontalScrollBar()->value() : 0;
    const int down = sameTable ? activeView()->verticalScrollBar()->value() : 0;
    currentKind_ = table;
    RecordTableModel* model = models_[static_cast<std::size_t>(table)];
    proxies_[static_cast<std::size_t>(table)]->refreshFilter();
    ShowFilterState();
    {
        WaitCursor wait;
        setUpdatesEnabled(false);
        model->rebuild();
        ShowModel(proxies_[static_cast<std::size_t>(table)]);
        ApplyColumnWidths();
        ShowSortIndicator();
        if (!reportStyle_) FitListGrid();
        if (sameTable) {
            report_->horizontalScrollBar()->setValue(across);
            activeView()->verticalScrollBar()->setValue(down);
        }
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

// row is a source row; it may stand anywhere on screen, or be hidden.
void CUnitView::SelectRow(int row) {
    QItemSelectionModel* selection = report_->selectionModel();
    RecordSortProxy* proxy = proxies_[static_cast<std::size_t>(currentKind_)];
    const int shown = proxy->proxyRow(row);
    if (shown < 0) {
        selection->clear();
    } else {
        QModelIndex index = proxy->index(shown, 0);
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        activeView()->scrollTo(index);
    }
    emit selectedRowChanged();
}

// The report and the list share one model and one selection, so switching keeps rows and selection.
void CUnitView::ShowModel(RecordSortProxy* model) {
    if (report_->model() == model) return;
    QItemSelectionModel* previous = report_->selectionModel();
    report_->setModel(model);
    list_->setModel(model);
    QItemSelectionModel* listOwn = list_->selectionModel();
    list_->setSelectionModel(report_->selectionModel());
    delete listOwn;
    delete previous;
    // The row the keys move to is the table's row too, kept while another table shows.
    connect(report_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, model](const QModelIndex& current) {
                if (current.isValid()) *RowOf(model->records()->table()) = model->sourceRow(current.row());
                emit selectedRowChanged();
            });
    // Ctrl+A and Ctrl-clicks change which rows are selected without moving the current one.
    connect(report_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CUnitView::selectedRowChanged);
}

void CUnitView::RememberColumnWidths() {
    auto* shown = qobject_cast<RecordSortProxy*>(report_->model());
    // Before its first rebuild a table shows the header's defaults, which nobody chose.
    if (!shown || report_->horizontalHeader()->count() == 0 ||
        !laidOut_[static_cast<std::size_t>(shown->records()->table())])
        return;
    QList<int>& widths = widths_[static_cast<std::size_t>(shown->records()->table())];
    widths.clear();
    for (int i = 0; i < report_->horizontalHeader()->count(); ++i) widths.push_back(report_->columnWidth(i));
}

void CUnitView::ApplyColumnWidths() {
    const auto& columns = models_[static_cast<std::size_t>(currentKind_)]->columns();
    const QList<int>& kept = widths_[static_cast<std::size_t>(currentKind_)];
    QHeaderView* header = report_->horizontalHeader();
    if (kept.size() == static_cast<qsizetype>(columns.size())) {
        for (int i = 0; i < kept.size(); ++i) header->resizeSection(i, kept[i]);
        FitColumnToText(0);
        return;
    }
    // A heading keeps room for its text and the sort arrow, so sorting never cuts it.
    const QFontMetrics metrics = header->fontMetrics();
    const int arrow = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) +
                      4 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int text = metrics.horizontalAdvance(QString::fromStdString(columns[i].heading)) + arrow;
        header->resizeSection(static_cast<int>(i), std::max(columns[i].width, text));
        FitColumnToText(static_cast<int>(i));
    }
    laidOut_[static_cast<std::size_t>(currentKind_)] = true;
}

// A column is at least as wide as its widest cell at the view's font, so no class, nation or
// date is cut short while the list has room.
void CUnitView::FitColumnToText(int column) {
    RecordTableModel* model = models_[static_cast<std::size_t>(currentKind_)];
    if (column >= model->columnCount()) return;
    const QFontMetrics metrics = report_->fontMetrics();
    int widest = column == 0 ? metrics.horizontalAdvance(model->headerData(0, Qt::Horizontal).toString()) : 0;
    for (int row = 0; row < model->rowCount(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(model->index(row, column).data().toString()));
    const int decoration = column == 0 && currentKind_ == kUnitTable ? report_->iconSize().width() + 6 : 0;
    const int padding =
        2 * report_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, report_) + 16;
    report_->horizontalHeader()->resizeSection(
        column, std::max(report_->columnWidth(column), widest + decoration + padding));
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

void CUnitView::ShowFilterState() {
    const QString& problem = proxies_[static_cast<std::size_t>(currentKind_)]->filterProblem();
    QPalette palette = filter_->palette();
    palette.setColor(QPalette::Text, problem.isEmpty() ? QApplication::palette(filter_).color(QPalette::Text)
                                                       : QColor(Qt::red));
    filter_->setPalette(palette);
    filter_->setToolTip(problem);
    // The example names fields the table shown has.
    static const char* const kExamples[] = {"AP Pen > 100 and Name ~ mm", "Cost > 100 and Name ~ HQ",
                                            "Available < 1960 and Name ~ HQ"};
    filter_->setPlaceholderText(tr("Filter by name, or by fields: %1 (Ctrl+L)")
                                    .arg(QLatin1String(kExamples[std::clamp(currentKind_, 0, 2)])));
}

bool CUnitView::TakeStep(const std::string& name, const CQuorvantDoc::SlotsByTable& changed) {
    const bool stepped = doc_.RecordStep(name, changed);
    doc_.UpdateAllViews(doc_.ViewMode);
    for (int table : {kWeaponTable, kUnitTable, kFormationTable})
        for (int slot : changed[static_cast<std::size_t>(table)]) emit recordReplaced(table, slot);
    return stepped;
}

void CUnitView::OnRowClicked() {
    if (int* row = RowOf(currentKind_)) *row = SelectedRow();
}

void CUnitView::EditSelectedRow() {
    OnRowDoubleClicked(SelectedRow());
}

// With nothing selected there is no record to open: slot 0 is never listed.
void CUnitView::OnRowDoubleClicked(int row) {
    if (row < 0) return;
    *RowOf(currentKind_) = row;
    emit editRequested(currentKind_, SlotOfRow(row));
}

} // namespace quorvant::ui
