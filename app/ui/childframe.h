#pragma once

#include "obdata/docobserver.h"

#include <QMdiSubWindow>

#include <memory>

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::ui {

class CUnitView;
class EditorHost;

// One document's window inside the main frame: it owns the document and hosts its list view. Its
// title is the document's, with the modified mark.
class CChildFrame : public QMdiSubWindow, public DocObserver {
    Q_OBJECT
  public:
    // Takes a document that has been read already.
    explicit CChildFrame(std::unique_ptr<CQuorvantDoc> doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CQuorvantDoc& document() const { return *doc_; }
    CUnitView* view() const { return view_; }
    // The record editors the view opened.
    EditorHost* editors() const { return editors_.get(); }

    // Save writes the document to its own file (asks for one when it has none); Save As asks first.
    // Both say why a save failed and return false, leaving the file on disk as it was.
    bool Save();
    bool SaveAs();
    // Before the document goes: closes its editors as Cancel would, then asks whether to save changes.
    // False when the user cancelled or the save failed, so the document must stay.
    bool SaveModified();

    void onModifiedChanged(bool modified) override;
    void onTitleChanged(const std::string& title) override;

  signals:
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
};

} // namespace quorvant::ui
