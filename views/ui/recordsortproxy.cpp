#include "views/ui/recordsortproxy.h"

#include "obdata/quorvantdoc.h"
#include "views/listrows.h"
#include "views/sortkeys.h"
#include "views/ui/recordtablemodel.h"

namespace quorvant::ui {

RecordSortProxy::RecordSortProxy(RecordTableModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), records_(source) {
    setSourceModel(source);
    setDynamicSortFilter(true);
    // Unsorted until the user clicks a heading: the rows stand in slot order.
    sort(-1);
}

void RecordSortProxy::setHideEmpty(bool hide) {
    if (hide == hideEmpty_) return;
    hideEmpty_ = hide;
    invalidateFilter();
}

void RecordSortProxy::setNameFilter(const QString& text) {
    if (text == nameFilter_) return;
    nameFilter_ = text;
    refreshFilter();
}

void RecordSortProxy::refreshFilter() {
    expression_.reset();
    problem_.clear();
    const QByteArray latin1 = nameFilter_.toLatin1();
    const std::string_view text(latin1.constData(), static_cast<std::size_t>(latin1.size()));
    if (LooksLikeExpression(text)) {
        FilterProblem problem;
        expression_ = RowFilter::Parse(text, records_->table(), records_->document().Generation, &problem);
        if (!expression_) problem_ = QString::fromLatin1(problem.describe());
    }
    invalidateFilter();
}

void RecordSortProxy::cycleSort(int column) {
    if (column != sortColumn() || sortColumn() < 0)
        sort(column, Qt::AscendingOrder);
    else if (sortOrder() == Qt::AscendingOrder)
        sort(column, Qt::DescendingOrder);
    else
        sort(-1);
}

int RecordSortProxy::sourceRow(int proxyRow) const {
    QModelIndex shown = index(proxyRow, 0);
    return shown.isValid() ? mapToSource(shown).row() : -1;
}

int RecordSortProxy::proxyRow(int sourceRow) const {
    QModelIndex source = records_->index(sourceRow, 0);
    return source.isValid() ? mapFromSource(source).row() : -1;
}

bool RecordSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const auto& columns = records_->columns();
    if (left.column() < 0 || left.column() >= static_cast<int>(columns.size())) return false;
    const ColumnSpec& column = columns[static_cast<std::size_t>(left.column())];
    const CQuorvantDoc& doc = records_->document();
    CellSortKey a = SortKeyOf(doc, records_->table(), left.row(), column);
    CellSortKey b = SortKeyOf(doc, records_->table(), right.row(), column);
    // Sorting descending asks whether right stands before left.
    if (sortOrder() == Qt::DescendingOrder) return SortsBefore(b, a, true);
    return SortsBefore(a, b);
}

bool RecordSortProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const CQuorvantDoc& doc = records_->document();
    if (hideEmpty_ && !RowHasCells(doc, records_->table(), sourceRow)) return false;
    if (expression_) return expression_->Matches(doc, sourceRow);
    if (nameFilter_.isEmpty() || !problem_.isEmpty()) return true;
    const std::string name = RecordNameOfRow(doc, records_->table(), sourceRow);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))
        .contains(nameFilter_, Qt::CaseInsensitive);
}

} // namespace quorvant::ui
