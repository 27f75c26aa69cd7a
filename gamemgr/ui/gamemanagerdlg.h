#pragma once

#include "game/appsettings.h"
#include "gamemgr/archivenames.h"
#include "gamemgr/gamemode.h"
#include "gamemgr/slotlisting.h"
#include "gamemgr/ui/slotlistctrl.h"

#include <QDialog>
#include <QElapsedTimer>

#include <filesystem>
#include <optional>
#include <vector>

class QButtonGroup;
class QLabel;
class QPushButton;
class QStandardItemModel;

namespace quorvant::ui {

class CSlotRenameDelegate;

// The game manager: the numbered saved-game or e-mail-game slots of one generation, their
// operations, the two live e-mail slots with their backup, and the zip archives of the slots, with
// drag and drop between the lists and the e-mail slot boxes. Controls carry their numbers as
// object names.
class CGameManagerDlg : public QDialog {
    Q_OBJECT
  public:
    CGameManagerDlg(const AppSettings& settings, QWidget* parent = nullptr);

    void SelectMode(int button);
    const GameMode& mode() const { return mode_; }
    // The slot list's selected row; -1 when none.
    int currentRow() const;
    void selectRow(int row);
    bool transferPending() const { return pending_.has_value(); }
    // The archive list's selected row; -1 when none. Rows of equal index in both lists hold the
    // same slot, and selecting in one selects in the other.
    int currentArchiveRow() const;
    void selectArchiveRow(int row);

    // The commands of the buttons, the context menu and the keys.
    void OnCopy();
    void OnCut();
    void OnPaste();
    // True when the slot was deleted.
    bool OnDelete();
    void OnRename();
    void OnEmailSet(int k);
    void OnEmailSave(int k);
    void OnEmailRestore(int k);
    // The "Zip Action" buttons; fromKey: the Delete key in the archive list, with its own prompt.
    void OnZip();
    void OnUnzip();
    void OnUpdate();
    void OnArchiveDelete(bool fromKey);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Transfer {
        bool cut = false;
        std::filesystem::path folder; // the source's slot folder and mode when it was chosen
        GameMode mode;
        int number = 0;
    };

    QWidget* BuildModeButtons();
    QWidget* BuildEmailBox(int k);
    QWidget* BuildGameActions();
    QWidget* BuildZipActions();
    void FillSlotList();
    void FillArchiveList();
    void UpdateButtons();
    void SetActiveList(bool archives);
    void FollowRow(bool fromArchives, int row);
    // Drops, checked here before anything is done; the work runs once the drop has returned.
    // emailSlot: the e-mail slot (1 or 2) whose box took the drop.
    bool OnDrop(SlotDrop kind, const QString& format, const QByteArray& block, const QByteArray& source,
                int emailSlot = 0);
    // The list a drag came from, named by its source payload; nothing when the drop is refused
    // (another generation's list, which is also reported, or a list of no known game folder).
    struct DropSource {
        std::filesystem::path folder;
        GameMode mode;
    };
    std::optional<DropSource> FindDropSource(const QByteArray& source);
    void PackSlot(int row, const QString& replacePrompt);
    void UnpackArchive(int row, const QString& replacePrompt);
    void PasteEmailSlot(int k, int row, const std::filesystem::path& folder);
    // Set of e-mail slot k, with its prompt, from the pending copy.
    void SetEmailSlot(int k);
    // "Replace ...?" asked when row's archive (or, for an unpack, its slot) is there; true to go on.
    bool ConfirmArchiveReplace(int row, const QString& prefix);
    bool ConfirmSlotReplace(int row, const QString& prefix);
    void Remember(bool cut);
    // After an operation on the folder: the list shows what the folder now holds, and a failure is told.
    enum class List { Slots, Archives };
    void ShowOutcome(bool ok, const std::string& error, List list = List::Slots);
    void ShowError(const std::string& error);
    // The status line: what the last archive operation did; empty after one that failed.
    void SetStatus(const QString& text);
    // The archive file name of row's slot, as the archiver names it ("Save011.zip").
    QString ArchiveName(int row) const;
    void OnRenamed(int row, const QString& text);
    void ShowContextMenu(const QPoint& at);
    bool SelectedOccupied() const;
    QString RowText(int row) const;
    QPushButton* Button(int id) const;

    const AppSettings& settings_;
    GameMode mode_;
    std::filesystem::path slotFolder_;
    std::vector<SlotEntry> slots_;
    std::vector<ArchiveEntry> archiveRows_;
    std::optional<Transfer> pending_;
    // When the slot list's context menu last closed: one keystroke opens one menu, even where the
    // window system makes a menu request of the Menu key besides passing the key on.
    QElapsedTimer menuClosed_;
    bool filling_ = false;
    bool following_ = false;
    bool archivesActive_ = false; // the archive list had the focus last
    bool hasZipFolder_ = false;
    SlotDragShared drag_;

    QButtonGroup* modes_ = nullptr;
    CSlotListCtrl* list_ = nullptr;
    CSlotRenameDelegate* rename_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    CSlotListCtrl* archives_ = nullptr;
    QStandardItemModel* archiveModel_ = nullptr;
    CEmailSlotBox* emailBoxes_[2] = {};
    std::vector<QWidget*> emailControls_;
    QLabel* status_ = nullptr;
};

} // namespace quorvant::ui
