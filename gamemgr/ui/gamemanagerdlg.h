#pragma once

#include "app/appsettings.h"
#include "gamemgr/gamemode.h"
#include "gamemgr/slotlisting.h"

#include <QDialog>

#include <filesystem>
#include <optional>
#include <vector>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QStandardItem;
class QStandardItemModel;
class QTableView;

namespace quorvant::ui {

// The game manager: the numbered saved-game or e-mail-game slots of one generation, their
// operations, and the two live e-mail slots with their backup. Controls carry their numbers as
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
    void UpdateButtons();
    void Remember(bool cut);
    void ShowError(const std::string& error);
    void OnItemChanged(QStandardItem* item);
    void ShowContextMenu(const QPoint& at);
    bool SelectedOccupied() const;
    QString RowText(int row) const;
    QPushButton* Button(int id) const;

    const AppSettings& settings_;
    GameMode mode_;
    std::filesystem::path slotFolder_;
    std::vector<SlotEntry> slots_;
    std::optional<Transfer> pending_;
    bool filling_ = false;

    QButtonGroup* modes_ = nullptr;
    QTableView* list_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    QLineEdit* emailBoxes_[2] = {};
    std::vector<QWidget*> emailControls_;
};

} // namespace quorvant::ui
