#pragma once

#include "pictures/ui/picturebrowse.h"

#include "game/appsettings.h"
#include "pictures/picturenames.h"
#include "pictures/pictureslot.h"

#include <QWidget>

#include <filesystem>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::ui {

class CPictureControl;

// "Side Graphic" (260): the side picture of the unit in a slot of the document, with browsing
// through the picture folder. It only shows pictures; the unit's SideView is never changed here.
class CUnitSidePicPage : public QWidget {
    Q_OBJECT
  public:
    CUnitSidePicPage(const AppSettings& settings, CQuorvantDoc& doc, int slot, QWidget* parent = nullptr);

    // The sheet moved to another unit.
    void setSlot(int slot) { slot_ = slot; }
    void OnSetActive();
    void OnKillActive() { active_ = false; }
    // The CD root used when the game folder has no pictures; the machine's first CD volume by default.
    void setCdRoot(const std::filesystem::path& root);

    std::uint32_t pictureNumber() const { return number_; }
    int listingPosition() const { return static_cast<int>(position_); }
    const std::filesystem::path& pictureFolder() const { return folder_; }

  signals:
    // What the page wrote, for the status bar and the session's messages.
    void statusMessage(const QString& text);

  private:
    std::uint16_t recordSideView() const;
    void ListPictures();
    void ReadNumber();
    void Browse(std::size_t position);
    // Puts the browse position at the picture of number_, or between its neighbours.
    void PlaceNumber();
    void ShowNumber();
    void ShowPicture();
    void SetBrowseButtons();
    // Asks for a picture file and opens the import window on it.
    void ImportPicture();

    const AppSettings& settings_;
    CQuorvantDoc& doc_;
    int slot_;
    PictureNameForm form_;
    std::filesystem::path cdRoot_;
    std::filesystem::path folder_;
    std::vector<std::string> listing_;
    std::uint32_t number_ = 0;
    std::uint16_t lastSeen_ = 0;
    std::size_t position_ = 0;
    bool listed_ = false; // position_ is the shown picture's; else the first one after it
    bool active_ = false;
    PictureSlot picture_;

    CPictureControl* control_;
    QLineEdit* number_edit_;
    PictureBrowseButtons browse_;
    QPushButton* reset_;
    QPushButton* import_;
    QListWidget* files_;
};

} // namespace quorvant::ui
