#pragma once

#include "obdata/docobserver.h"

#include <QMdiSubWindow>

#include <functional>
#include <memory>

namespace quorvant {
class CQuorvantDoc;
struct AppSettings;
} // namespace quorvant

namespace quorvant::ui {

class CUnitView;
class DiskWatcher;
class DocumentJournal;
class EditorHost;

// One document's window inside the main frame: it owns the document and hosts its list view. Its
// title is the document's, with the modified mark.
class CChildFrame : public QMdiSubWindow, public DocObserver {
    Q_OBJECT
  public:
    // Takes a document that has been read already.
    // settings lead the unit sheet to the side pictures; without them it has no Side Graphic page.
    explicit CChildFrame(std::unique_ptr<CQuorvantDoc> doc, const AppSettings* settings = nullptr,
                         QWidget* parent = nullptr);
    ~CChildFrame() override;

    CQuorvantDoc& document() const { return *doc_; }
    CUnitView* view() const { return view_; }
    // The record editors the view opened.
    EditorHost* editors() const { return editors_.get(); }
    // The journal of the document's unsaved changes, when the program keeps them for recovery.
    DocumentJournal* journal() const { return journal_.get(); }
    void setJournal(std::unique_ptr<DocumentJournal> journal);
    // What watches the document's file on disk; null for a document not read from a file.
    DiskWatcher* diskWatcher() const { return watcher_; }

    // Save writes the document to its own file (asks for one when it has none); Save As asks first.
    // Both say why a save failed and return false, leaving the file on disk as it was.
    bool Save();
    bool SaveAs();
    // Before the document goes: asks whether to apply each editor's changes not confirmed yet, then
    // whether to save the document; the editors left then close as Cancel would. False when the user
    // cancelled or the save failed, so the document and its editors must stay.
    bool SaveModified();
    // The first half of that: the editors' questions alone.
    bool ConfirmEditorChanges();

    // Whether another window holds the document of path; a save never writes over such a file.
    std::function<bool(const QString& path)> HeldElsewhere;
    // Whether the last save over path was stopped because its backup failed, and the way to let
    // the next one go ahead without it.
    std::function<bool(const QString& path)> BackupRefused;
    std::function<void(const QString& path)> AllowOnceWithoutBackup;

    void onModifiedChanged(bool modified) override;
    void onTitleChanged(const std::string& title) override;
    void onHistoryChanged() override;

  signals:
    // What Undo and Redo can do changed: a step was added, undone or redone, or an editor of the
    // document opened or closed.
    void undoStateChanged();
    // A line for the status bar.
    void statusMessage(const QString& text);
    // A save wrote the document to path.
    void saved(const QString& path);
    // The document's modified flag changed.
    void modifiedChanged(bool modified);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool SaveTo(const QString& path);

    std::unique_ptr<CQuorvantDoc> doc_;
    CUnitView* view_ = nullptr;
    std::unique_ptr<EditorHost> editors_;
    std::unique_ptr<DocumentJournal> journal_;
    DiskWatcher* watcher_ = nullptr;
};

} // namespace quorvant::ui
