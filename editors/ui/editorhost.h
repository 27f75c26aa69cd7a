#pragma once

#include <QObject>
#include <QPointer>

#include <array>

namespace quorvant {
class CQuorvantDoc;
struct AppSettings;
} // namespace quorvant

namespace quorvant::ui {

class CRecordEditor;
class CUnitView;

// The record editors a view has open, at most one of each kind, each above the view's main window.
// Opening a kind already open re-points it and brings it to the front. When an editor closes, the
// view's row of that table becomes the editor's last slot, and after OK the view rebuilds the table.
class EditorHost : public QObject {
    Q_OBJECT
  public:
    // settings lead the unit sheet to the side pictures; without them it has no Side Graphic page.
    EditorHost(CUnitView* view, CQuorvantDoc& doc, const AppSettings* settings = nullptr);
    // Closes every editor as Cancel would.
    ~EditorHost() override;

    void Open(int kind, int slot);
    // The editor of kind, nullptr when none; until its closing notice is handled, a closed one.
    CRecordEditor* editor(int kind) const;
    // Before the document goes: each editor holding changes not confirmed yet asks whether to apply
    // them to the document named documentName (its OK) or discard them (its Cancel). False when the
    // user cancelled, or OK refused a field; the answers given so far stand.
    bool ConfirmChanges(const QString& documentName);
    // The document goes: every open editor reverts and closes.
    void CloseEditors();
    // Whether an editor is open (not yet closed with OK or Cancel).
    bool AnyOpen() const;

  signals:
    // An editor opened or closed.
    void editorsChanged();
    // An editor's report, for the status bar.
    void statusMessage(const QString& text);

  private:
    void OnEditorClosed(CRecordEditor* editor, int result);
    void Forget(CRecordEditor* editor);

    QPointer<CUnitView> view_;
    CQuorvantDoc& doc_;
    const AppSettings* settings_;
    std::array<QPointer<CRecordEditor>, 3> editors_;
};

} // namespace quorvant::ui
