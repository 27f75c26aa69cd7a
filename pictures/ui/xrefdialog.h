#pragma once

#include "pictures/ui/picturebrowse.h"

#include "game/appsettings.h"
#include "pictures/pictureslot.h"
#include "pictures/xrefcache.h"

#include <QDialog>

#include <filesystem>
#include <functional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace quorvant::ui {

class CPictureControl;

// "Side Graphic" (1538): steps through a family's side pictures and lists the units of its OB files
// that use the picture shown. A double-click on a unit asks for its OB file to be shown at that unit.
class CLbmCrossRefDlg : public QDialog {
    Q_OBJECT
  public:
    // Opens an OB file (full path) with the unit of the given file slot selected.
    using OpenUnit = std::function<void(const QString& path, int slot)>;

    CLbmCrossRefDlg(const AppSettings& settings, CPicRefCache& cache, QWidget* parent = nullptr);

    // Scans (or reuses the cache): the first time on the settings' generation at its first picture,
    // later on the family and picture shown when the window last closed.
    void Open();
    void setOpenUnit(OpenUnit open) { openUnit_ = std::move(open); }
    // The CD root used when the game folder has no pictures; the machine's last CD volume by default.
    void setCdRoot(const std::filesystem::path& root) { cdRoot_ = root; }

    PicFamily family() const { return FamilyOf(generation_, modern_); }
    int pictureCount() const { return static_cast<int>(listing_.size()); }
    int pictureIndex() const { return index_; }
    std::uint32_t pictureNumber() const { return number_; }

  private:
    void BuildControls();
    bool Scan();
    void GoTo(int index);
    void OnLoad();
    void Draw();
    void FillUnitList();
    void SetNavigation();
    void SetEnabled(bool enabled);
    void OnActivated(int row);

    const AppSettings& settings_;
    CPicRefCache& cache_;
    OpenUnit openUnit_;
    int generation_ = 0;
    bool opened_ = false;
    bool modern_ = true;
    std::filesystem::path cdRoot_;
    std::filesystem::path pictureFolder_;
    std::vector<std::string> listing_;
    const std::vector<CPicUseRecord>* references_ = nullptr;
    int index_ = 0;
    std::uint32_t number_ = 1;
    PictureSlot slot_;

    CPictureControl* picture_;
    QTreeWidget* units_;
    PictureBrowseButtons browse_;
    QLineEdit* number_edit_;
    QRadioButton* generations_[3];
    QRadioButton* modernButton_;
    QRadioButton* wwiiButton_;
    QListWidget* files_;
    QComboBox* nations_;
    QComboBox* available_;
    QComboBox* unavailable_;
};

} // namespace quorvant::ui
