#pragma once

#include <QDialog>

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::ui {

// A modeless editor of one record kind (0 weapons, 1 units, 2 formations), a window of its own that
// stays above the window it is given as parent. OK commits the kind's whole table into its snapshot,
// Cancel, Escape and the close box revert it; either way the editor hides and then tells its host
// through editorClosed (result 1 OK, 2 Cancel), and the host deletes it.
class CRecordEditor : public QDialog {
    Q_OBJECT
  public:
    CRecordEditor(CQuorvantDoc& doc, int kind);

    CQuorvantDoc& document() const { return doc_; }
    int Kind() const { return kind_; }
    // Closed with OK or Cancel and waiting to be deleted.
    bool IsFinished() const { return finished_; }
    // What OK would keep and Cancel drop: a field the user changed on the record shown, or a table
    // that differs from its snapshot.
    bool HasUnconfirmedChanges() const;

    // The slot the editor shows now.
    virtual int CurrentSlot() const = 0;
    // Shows slot instead, without storing pending edits first.
    virtual void RePoint(int slot) = 0;
    // RePoint, and the edits it drops no longer count as changes.
    void ShowSlot(int slot);
    // Shows the editor, restored if minimized, raised and active.
    void BringToFront();

    void accept() override;
    void reject() override;
    // The document goes: reverts as Cancel does, without telling the host.
    void CloseAsCancel();

  signals:
    void editorClosed(int result, int kind);
    // What the editor did beyond editing records (a file it wrote), for the status bar.
    void statusMessage(const QString& text);

  protected:
    // Moves the fields shown into the record before the commit; false keeps the editor open.
    virtual bool StoreForCommit() { return true; }
    void showEvent(QShowEvent* event) override;

  private:
    bool Revert();
    void WatchUserEdits();
    // After each thing the user did: a move to another record drops or stores what was typed, so
    // only an edit on the record still shown counts.
    void AfterUserAction(bool edit);

    CQuorvantDoc& doc_;
    int kind_;
    bool finished_ = false;
    bool watching_ = false;
    bool edited_ = false;
    int seenSlot_ = -1;
};

} // namespace quorvant::ui
