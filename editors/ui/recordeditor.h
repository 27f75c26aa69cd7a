#pragma once

#include <QDialog>

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::ui {

// A modeless editor of one record kind (0 weapons, 1 units, 2 formations), a top-level window of
// its own. OK commits the kind's whole table into its snapshot, Cancel, Escape and the close box
// revert it; either way the editor hides and then tells its host through editorClosed (result 1 OK,
// 2 Cancel), and the host deletes it.
class CRecordEditor : public QDialog {
    Q_OBJECT
  public:
    CRecordEditor(CQuorvantDoc& doc, int kind);

    CQuorvantDoc& document() const { return doc_; }
    int Kind() const { return kind_; }
    // Closed with OK or Cancel and waiting to be deleted.
    bool IsFinished() const { return finished_; }

    // The slot the editor shows now.
    virtual int CurrentSlot() const = 0;
    // Shows slot instead, without storing pending edits first.
    virtual void RePoint(int slot) = 0;

    void accept() override;
    void reject() override;
    // The document goes: reverts as Cancel does, without telling the host.
    void CloseAsCancel();

  signals:
    void editorClosed(int result, int kind);

  protected:
    // Moves the fields shown into the record before the commit; false keeps the editor open.
    virtual bool StoreForCommit() { return true; }

  private:
    bool Revert();

    CQuorvantDoc& doc_;
    int kind_;
    bool finished_ = false;
};

} // namespace quorvant::ui
