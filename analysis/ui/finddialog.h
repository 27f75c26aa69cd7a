#pragma once

#include "analysis/recordfind.h"
#include "analysis/ui/findingswindow.h"

class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace quorvant::ui {

class Workspace;

// Edit > Find...: a name, an expression over the fields the records must also meet, which tables, and the
// active document or every OB file of its generation's install folder. Results fill in as each file is read;
// a double-click opens the file (or brings it forward) on that record.
class FindDialog : public FindingsWindow {
    Q_OBJECT
  public:
    explicit FindDialog(Workspace& workspace);

    QLineEdit* textBox() const { return text_; }
    QLineEdit* whereBox() const { return where_; }
    QComboBox* tableBox() const { return table_; }
    QComboBox* scopeBox() const { return scope_; }
    // Runs the search as the Find button does.
    void Find();

  private:
    void AddMatches(const std::filesystem::path& folder, const std::vector<FindMatch>& matches);

    Workspace& workspace_;
    QLineEdit* text_ = nullptr;
    QLineEdit* where_ = nullptr;
    QComboBox* table_ = nullptr;
    QComboBox* scope_ = nullptr;
    QPushButton* find_ = nullptr;
    QProgressBar* progress_ = nullptr;
    int found_ = 0;
};

} // namespace quorvant::ui
