#pragma once

#include "analysis/patch.h"
#include "analysis/patchfolder.h"

#include <QDialog>
#include <QPointer>

#include <vector>

class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace quorvant::ui {

class CUnitView;
class Workspace;

struct PatchPreviewSetup {
    QString title;
    Patch patch;
    // The undo step an open document takes ("Apply Patch").
    QString stepName;
    // Copy to Other Files: by name to every other file of the generation, with no choice.
    bool otherFilesOnly = false;
};

// A patch shown before anything is written: a row per file and under it a row per field it would
// write (old, new, a conflict marked and unticked), for the active document or every OB file of
// its generation, by slot or by name. Apply writes the ticked rows: an open document takes them as
// one undo step and stays unsaved, a closed file is written atomically.
class PatchPreviewWindow : public QDialog {
    Q_OBJECT
  public:
    PatchPreviewWindow(Workspace& workspace, PatchPreviewSetup setup);

    QTreeWidget* list() const { return list_; }
    void apply();

  private:
    struct Target {
        FilePatchPreview file;
        QPointer<CUnitView> view; // the open document's, else null
    };
    void refresh();
    void fill();
    // The summary and Apply follow the ticks.
    void summarize();
    // Why nothing is listed, when nothing is.
    QString whyNothing() const;
    bool applyTo(Target& target, const std::vector<PatchRow>& rows, QString& failure);

    Workspace& workspace_;
    PatchPreviewSetup setup_;
    QPointer<CUnitView> active_;
    std::vector<Target> targets_;
    QRadioButton* everyFile_ = nullptr;
    QRadioButton* byName_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* apply_ = nullptr;
    // The rows shown reach both BW3 families, whose slots hold other records.
    bool bothFamilies_ = false;
};

} // namespace quorvant::ui
