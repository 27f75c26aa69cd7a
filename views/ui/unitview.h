#pragma once

#include "obdata/docobserver.h"
#include "obdata/quorvantdoc.h"

#include <QWidget>

#include <array>
#include <vector>

class QListView;
class QStackedWidget;
class QTableView;
class QAbstractItemView;
class QLineEdit;

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::ui {

class RecordListView;
class RecordReportView;
class RecordSortProxy;
class RecordTableModel;

// The list of one of a document's three tables, shown as a report (columns with headings) or a plain
// list. One per child frame.
class CUnitView : public QWidget, public DocObserver {
    Q_OBJECT
  public:
    explicit CUnitView(CQuorvantDoc& doc, QWidget* parent = nullptr);
    ~CUnitView() override;

    CQuorvantDoc& document() const { return doc_; }

    // Shows the units table with its remembered row selected.
    void OnInitialUpdate();
    // Rebuilds a table (0 weapons, 1 units, 2 and 5 formations) or refreshes one row (3, 4).
    void ShowDisplayType(int type);

    int CurrentKind() const { return currentKind_; }
    bool ReportStyle() const { return reportStyle_; }
    // The report and list commands.
    void setReportStyle(bool report);

    int WeaponRow = 0;
    int UnitRow = 0;
    int FormationRow = 1;

    void onDocumentUpdate(int hint) override;
    // Undo and redo: the changed rows are read again; on the table shown the first becomes the row.
    void onRecordsChanged(int table, const std::vector<int>& changedSlots) override;

    // The selected row of the table shown as a source row (slot - 1), whatever the order on screen;
    // the first on screen when several are; -1 when none.
    int SelectedRow() const;
    // Every selected row as a source row, in the order on screen.
    std::vector<int> SelectedRows() const;
    // Selects the source rows given that the list shows, the first of them current.
    void SelectRows(const std::vector<int>& rows);
    // View > Select Filtered: every row the list shows.
    void SelectShownRows();
    // The remembered row of a table (0 weapons, 1 units, 2 formations); null for any other number.
    int* RowOf(int table);
    // The model of a table, kept for the view's life; null for any other number.
    RecordTableModel* model(int table) const;
    // The sorted and filtered rows of a table as the lists show them.
    RecordSortProxy* shownRows(int table) const;
    QTableView* reportView() const;
    // The name column of the report, which stays in view while the others scroll sideways.
    QTableView* nameColumnView() const;
    QListView* listView() const;
    // The report or the list, whichever is shown.
    QAbstractItemView* activeView() const;

    // Hides or shows the rows of blank slots in every table of the view.
    void setHideEmptySlots(bool hide);
    bool HideEmptySlots() const { return hideEmpty_; }
    // A heading click: ascending, descending, then slot order again.
    void SortByColumn(int column);
    // The quick filter above the lists: only rows whose names hold its text show, or those an
    // expression over the columns holds for; an expression that cannot be read shows red, says why
    // in its tool tip and filters nothing.
    QLineEdit* filterBox() const { return filter_; }
    void FocusFilter();
    // Switches to the table and selects the slot's row; with edit, opens its editor too.
    void ShowRecord(int table, int slot, bool edit = false);
    // What a double-click on the selected row does; nothing without one.
    void EditSelectedRow();
    // A command changed the records at changed in place: one undo step named name, the lists shown
    // again, and an editor showing a changed record reads it again. False when nothing changed.
    bool TakeStep(const std::string& name, const CQuorvantDoc::SlotsByTable& changed);

  signals:
    // A row was double-clicked (or Enter pressed on it): the editor of that kind opens on the slot.
    void editRequested(int kind, int slot);
    // The row menu is asked for at globalPos: a right click on a row (selected first), or the Menu key
    // or Shift+F10 on the selected row.
    void rowMenuRequested(const QPoint& globalPos);
    // Another row was selected, or the selected one was read again: the commands acting on it may
    // change state.
    void selectedRowChanged();
    // A record was replaced outside its editor (cleared): an editor showing it reads it again rather
    // than writing its old fields back.
    void recordReplaced(int kind, int slot);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Rebuild(int table);
    void RefreshRow(int table, int row);
    void SelectRow(int row);
    void ShowModel(RecordSortProxy* model);
    void ApplyColumnWidths();
    void FitColumnToText(int column);
    void RememberColumnWidths();
    void ShowSortIndicator();
    void FitListGrid();
    void ShowFilterState();
    void OnRowClicked();
    void OnRowDoubleClicked(int row);
    bool OnContextMenu(QAbstractItemView* clicked, QEvent* event);

    CQuorvantDoc& doc_;
    int currentKind_ = 1;
    bool reportStyle_ = true;
    std::array<RecordTableModel*, 3> models_{};
    std::array<RecordSortProxy*, 3> proxies_{};
    // The widths the user gave each table's columns, kept across rebuilds and table switches.
    std::array<QList<int>, 3> widths_;
    std::array<bool, 3> laidOut_{};
    bool hideEmpty_ = false;
    QStackedWidget* stack_ = nullptr;
    QLineEdit* filter_ = nullptr;
    RecordReportView* report_ = nullptr;
    RecordListView* list_ = nullptr;
};

} // namespace quorvant::ui
