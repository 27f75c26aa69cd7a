#pragma once

#include "pictures/pictureimport.h"
#include "pictures/picturenames.h"

#include <QDialog>
#include <QPoint>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvant::ui {

class CPictureControl;

// A picture file to import: PNG and BMP as obtool reads them, any other kind Qt reads (GIF) through
// Qt. Nothing, with the reason, when it cannot be read.
std::optional<SourceImage> ReadImportImage(const QString& path, std::string& reason);

// "Import Picture": the picture beside what it becomes in the family's palette, with the colour
// error, and the number it is written under into folder. OK writes it, asking before it replaces a
// picture; imported() then gives the number.
class CPictureImportDlg : public QDialog {
    Q_OBJECT
  public:
    // listing: the family's pictures in folder, for the next free number and the replace check.
    CPictureImportDlg(SourceImage image, ImportTarget target, std::filesystem::path folder,
                      std::vector<std::string> listing, PictureNameForm form, std::uint32_t number,
                      QWidget* parent = nullptr);

    std::uint32_t number() const;
    const std::optional<ImportedPicture>& picture() const { return picture_; }

  signals:
    void imported(std::uint32_t number);

  private:
    void Map();
    void ChooseTransparent(QPoint pixel);
    void ShowTransparent();
    void ShowName();
    void Write();

    SourceImage image_;
    ImportTarget target_;
    std::filesystem::path folder_;
    std::vector<std::string> listing_;
    PictureNameForm form_;
    std::optional<ImportedPicture> picture_;

    CPictureControl* source_;
    CPictureControl* preview_;
    QLabel* summary_;
    QCheckBox* dither_;
    Rgb transparentColour_;
    QCheckBox* transparent_;
    QLabel* swatch_;
    QLineEdit* number_edit_;
    QPushButton* next_free_;
    QLabel* name_;
    QPushButton* ok_;
};

} // namespace quorvant::ui
