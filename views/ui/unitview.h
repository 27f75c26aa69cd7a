#pragma once

#include "obdata/docobserver.h"

#include <QWidget>

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::ui {

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

signals:
    // A row was double-clicked: the editor of that record kind opens on slot row + 1.
    void editRequested(int kind, int slot);

private:
    CQuorvantDoc& doc_;
    int currentKind_ = 1;
    bool reportStyle_ = true;
};

} // namespace quorvant::ui
