#pragma once

// Copy and paste of the record on a list's selected row through the clipboard, under the formats
// "BW%dUnitList" and "BW%dWepList" of the document's generation.

#include "exchange/recordblocks.h"

#include <QObject>
#include <QString>

#include <optional>

class QMimeData;

namespace quorvant::ui {

class CUnitView;
class Workspace;

class RecordTransfer : public QObject {
    Q_OBJECT
  public:
    explicit RecordTransfer(CUnitView* view);

    // The transfer a view carries; null when none was attached.
    static RecordTransfer* Of(const CUnitView* view);

    const QString& UnitListFormat() const { return unitFormat_; }
    const QString& WeaponListFormat() const { return weaponFormat_; }
    // The format of the table on show; nothing for formations.
    std::optional<TransferKind> ShownKind() const;
    QString FormatOf(TransferKind kind) const;

    // The block of a slot under its format, for the clipboard or a drag; null when the slot has none.
    QMimeData* MimeForSlot(TransferKind kind, int slot) const;
    // The same for a drag, which also names the document it leaves, so that it is never dropped back
    // onto it.
    QMimeData* DragMimeForSlot(TransferKind kind, int slot) const;
    bool ComesFromThisDocument(const QMimeData* data) const;
    // The block the data offers for the table on show; nothing when it offers none.
    std::optional<QByteArray> OfferedBlock(const QMimeData* data) const;

    // Why the data's records cannot go into the table on show ("pasted" or "dropped": verb); empty
    // when it offers no records or they fit.
    QString RefusalOf(const QMimeData* data, const char* verb) const;

    // Edit Copy: the selected row's record; in the formations table the clipboard is emptied.
    void Copy();
    // Edit Paste onto the selected row; does nothing without a selected row, and says why when the
    // clipboard's records are of another generation or table. Enabled for both.
    void Paste();
    bool CanPaste() const;
    // Pastes a block onto a slot of the table on show, asking first when the slot is named. Refreshes
    // the rows it changed and reports what it did; false when nothing was pasted. A drop names its
    // step in the history "Drop ..." rather than "Paste ...".
    bool PasteOnto(int slot, const QByteArray& block, bool dropped = false);

  signals:
    // A one-line account of a paste, for the status bar.
    void reported(const QString& text);
    // The user may have picked another row: what Paste can do may have changed.
    void rowMayHaveChanged();

  private:
    CUnitView* view_;
    QString unitFormat_;
    QString weaponFormat_;
};

// The main window's side: Edit Copy and Paste act on the active document's view, Paste is enabled
// while the clipboard offers records, and paste reports and refusals reach the status bar.
void InstallTransferCommands(Workspace& workspace);
void AttachRecordTransfer(Workspace& workspace, CUnitView* view);
void UpdateTransferCommands(Workspace& workspace);

} // namespace quorvant::ui
