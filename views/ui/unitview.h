#pragma once

#include "obdata/docobserver.h"

#include <QWidget>

#include <array>

class QListView;
class QStackedWidget;
class QTableView;
class QAbstractItemView;

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::ui {

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

    // The selected row of the table shown, -1 when none.
    int SelectedRow() const;
    // The remembered row of a table (0 weapons, 1 units, 2 formations); null for any other number.
    int* RowOf(int table);
    // The model of a table, kept for the view's life; null for any other number.
    RecordTableModel* model(int table) const;
    QTableView* reportView() const { return report_; }
    QListView* listView() const { return list_; }
    // The report or the list, whichever is shown.
    QAbstractItemView* activeView() const;

  signals:
    // A row was double-clicked: the editor of that record kind opens on slot row + 1.
    void editRequested(int kind, int slot);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Rebuild(int table);
    void RefreshRow(int table, int row);
    void SelectRow(int row);
    void ShowModel(RecordTableModel* model);
    void ApplyColumnWidths();
    void FitListGrid();
    void OnRowClicked();
    void OnRowDoubleClicked(int row);

    CQuorvantDoc& doc_;
    int currentKind_ = 1;
    bool reportStyle_ = true;
    std::array<RecordTableModel*, 3> models_{};
    QStackedWidget* stack_ = nullptr;
    QTableView* report_ = nullptr;
    QListView* list_ = nullptr;
};

} // namespace quorvant::ui
