#include "pictures/ui/pictureimportdialog.h"

#include "pictures/lbmdecoder.h"
#include "pictures/packedpicture.h"
#include "pictures/ui/picturecontrol.h"
#include "platform/fileio.h"
#include "platform/pathresolve.h"
#include "platform/ui/dialogbuttons.h"
#include "platform/ui/promptservice.h"
#include "workspace/ui/dialogcontrols.h"

#include <QCheckBox>
#include <QColor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <system_error>

namespace quorvant::ui {
namespace {

QImage SourceQImage(const SourceImage& image) {
    QImage out(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y)
        std::copy_n(image.argb.data() + std::size_t(y) * std::size_t(image.width), image.width,
                    reinterpret_cast<std::uint32_t*>(out.scanLine(y)));
    return out;
}

// The game draws the transparent entry's pixels as whatever lies behind; a checkerboard shows
// which pixels those are, where the entry's own colour would pass for part of the picture.
QImage ShowingClearPixels(QImage shown, const ImportedPicture& picture, const ImportTarget& target) {
    if (!target.transparentIndex) return shown;
    const std::vector<std::uint8_t>& indices = picture.mapping.indices;
    const int width = shown.width();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at = std::size_t(y) * std::size_t(width) + std::size_t(x);
            if (at < indices.size() && indices[at] == *target.transparentIndex)
                shown.setPixel(x, y, ((x / 4 + y / 4) % 2) ? 0xFFC8C8C8 : 0xFFFFFFFF);
        }
    return shown;
}

} // namespace

std::optional<SourceImage> ReadImportImage(const QString& path, std::string& reason) {
    std::optional<SourceImage> image = ReadSourceImage(std::filesystem::path(path.toStdString()), reason);
    if (image || reason != "not a PNG or BMP picture") return image;
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.width() > static_cast<int>(kMaxLbmDimension) ||
        size.height() > static_cast<int>(kMaxLbmDimension)) {
        reason = "the picture is larger than 4096 x 4096";
        return std::nullopt;
    }
    QImage read = reader.read();
    if (read.isNull()) {
        reason = "not a picture Quorvant can read (" + reader.errorString().toStdString() + ")";
        return std::nullopt;
    }
    read = read.convertToFormat(QImage::Format_ARGB32);
    SourceImage out{read.width(), read.height(), {}};
    out.argb.reserve(std::size_t(out.width) * std::size_t(out.height));
    for (int y = 0; y < read.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(read.constScanLine(y));
        out.argb.insert(out.argb.end(), row, row + read.width());
    }
    return out;
}

CPictureImportDlg::CPictureImportDlg(SourceImage image, ImportTarget target, std::filesystem::path folder,
                                     std::vector<std::string> listing, PictureNameForm form,
                                     std::uint32_t number, QWidget* parent)
    : QDialog(parent), image_(std::move(image)), target_(std::move(target)), folder_(std::move(folder)),
      listing_(std::move(listing)), form_(form) {
    setObjectName(QStringLiteral("1539"));
    setWindowTitle(QStringLiteral("Import Picture"));
    source_ = new CPictureControl(this);
    source_->setObjectName(QStringLiteral("1205"));
    source_->setWhatsThis(QStringLiteral("The picture as it was drawn."));
    source_->showImage(SourceQImage(image_));
    preview_ = new CPictureControl(this);
    preview_->setObjectName(QStringLiteral("1206"));
    preview_->setWhatsThis(QStringLiteral("The picture as the game will show it: in the palette of the "
                                          "game's own pictures, read back from the file it becomes."));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("1207"));
    summary_->setWordWrap(true);
    dither_ = new QCheckBox(QStringLiteral("&Dither"), this);
    dither_->setObjectName(QStringLiteral("1208"));
    dither_->setWhatsThis(QStringLiteral("Mixes palette colours in a fine pattern (Floyd-Steinberg) where "
                                         "the palette has no colour near enough, instead of taking the "
                                         "nearest colour for each pixel."));
    // A bitmap has no clear pixels, so its background is named by a colour; the corner's is the
    // likeliest, but the user chooses whether to use it.
    const std::uint32_t corner = image_.argb.empty() ? 0 : image_.argb.front();
    transparentColour_ = Rgb{std::uint8_t(corner >> 16), std::uint8_t(corner >> 8), std::uint8_t(corner)};
    transparent_ = new QCheckBox(QStringLiteral("&Transparent colour:"), this);
    transparent_->setObjectName(QStringLiteral("1212"));
    swatch_ = new QLabel(this);
    swatch_->setObjectName(QStringLiteral("1213"));
    swatch_->setFixedSize(36, 18);
    swatch_->setFrameShape(QFrame::Box);
    auto* transparentHint = new QLabel(this);
    if (target_.transparentIndex) {
        transparent_->setWhatsThis(QStringLiteral(
            "Pixels of this colour become the game's transparent colour, as clear pixels of a PNG do. "
            "Click the picture on the left to choose the colour."));
        transparentHint->setText(QStringLiteral("Click the picture to choose it."));
    } else {
        transparent_->setEnabled(false);
        transparent_->setWhatsThis(
            QStringLiteral("The game's pictures of this family have no transparent colour."));
        transparentHint->setText(QStringLiteral("The game's pictures of this kind have none."));
    }
    number_edit_ = new QLineEdit(QString::number(number), this);
    number_edit_->setObjectName(QStringLiteral("1209"));
    number_edit_->setValidator(new QIntValidator(0, 65535, number_edit_));
    number_edit_->setMaximumWidth(80);
    number_edit_->setAccessibleName(QStringLiteral("Picture Number"));
    number_edit_->setWhatsThis(QStringLiteral("The number the picture is written under (0 to 65535); the "
                                              "unit's Side View at first."));
    next_free_ = EditorButton(1210, QStringLiteral("&Next Free"),
                              QStringLiteral("The number after the highest picture of the folder."));
    name_ = new QLabel(this);
    name_->setObjectName(QStringLiteral("1211"));

    auto* pictures = new QGridLayout;
    pictures->addWidget(new QLabel(QStringLiteral("Picture:"), this), 0, 0);
    pictures->addWidget(new QLabel(QStringLiteral("In the game's colours:"), this), 0, 1);
    pictures->addWidget(source_, 1, 0);
    pictures->addWidget(preview_, 1, 1);
    auto* numberRow = new QHBoxLayout;
    auto* numberLabel = new QLabel(QStringLiteral("Picture &Number:"), this);
    numberLabel->setBuddy(number_edit_);
    numberRow->addWidget(numberLabel);
    numberRow->addWidget(number_edit_);
    numberRow->addWidget(next_free_);
    numberRow->addWidget(name_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures, 1);
    layout->addWidget(summary_);
    layout->addWidget(dither_);
    auto* transparentRow = new QHBoxLayout;
    transparentRow->addWidget(transparent_);
    transparentRow->addWidget(swatch_);
    transparentRow->addWidget(transparentHint, 1);
    layout->addLayout(transparentRow);
    layout->addLayout(numberRow);
    QDialogButtonBox* buttons = AddDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(QStringLiteral("Import"));
    ok_->setWhatsThis(QStringLiteral("Writes the picture into the game's picture folder."));
    buttons->button(QDialogButtonBox::Cancel)
        ->setWhatsThis(QStringLiteral("Closes this window, writing nothing."));
    layout->addWidget(buttons);
    // The buttons accept through Write, which stays open when the user declines to replace.
    disconnect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPictureImportDlg::Write);
    connect(dither_, &QCheckBox::toggled, this, &CPictureImportDlg::Map);
    connect(transparent_, &QCheckBox::toggled, this, &CPictureImportDlg::Map);
    connect(source_, &CPictureControl::pixelClicked, this, &CPictureImportDlg::ChooseTransparent);
    connect(number_edit_, &QLineEdit::textChanged, this, &CPictureImportDlg::ShowName);
    connect(next_free_, &QPushButton::clicked, this, [this] {
        number_edit_->setText(
            QString::number(std::min<std::uint32_t>(NextFreePictureNumber(listing_, form_), 65535)));
    });
    ShowTransparent();
    Map();
}

std::uint32_t CPictureImportDlg::number() const {
    return number_edit_->text().toUInt();
}

void CPictureImportDlg::ChooseTransparent(QPoint pixel) {
    if (!transparent_->isEnabled() || pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= image_.width ||
        pixel.y() >= image_.height)
        return;
    const std::uint32_t argb = image_.argb[std::size_t(pixel.y()) * std::size_t(image_.width) + pixel.x()];
    transparentColour_ = Rgb{std::uint8_t(argb >> 16), std::uint8_t(argb >> 8), std::uint8_t(argb)};
    ShowTransparent();
    if (transparent_->isChecked())
        Map();
    else
        transparent_->setChecked(true); // maps through toggled
}

void CPictureImportDlg::ShowTransparent() {
    const QColor colour(transparentColour_.r, transparentColour_.g, transparentColour_.b);
    swatch_->setStyleSheet(QStringLiteral("background-color: %1;").arg(colour.name()));
    swatch_->setToolTip(colour.name().toUpper());
    swatch_->setEnabled(transparent_->isEnabled());
}

void CPictureImportDlg::Map() {
    std::string reason;
    std::optional<Rgb> transparent;
    if (transparent_->isChecked()) transparent = transparentColour_;
    picture_ = ImportPicture(image_, target_, {dither_->isChecked(), std::nullopt, transparent}, reason);
    if (!picture_) {
        summary_->setText(QString::fromStdString("Cannot import: " + reason + "."));
        preview_->showImage({});
    } else {
        summary_->setText(QString::fromStdString(ImportSummary(*picture_)));
        std::optional<std::vector<std::uint8_t>> bmp =
            lbm2bmp(std::span<const std::uint8_t>(picture_->lbm), reason);
        std::optional<PictureBlock> block = bmp ? PictureBlockFromBmp(*bmp) : std::nullopt;
        std::optional<SidePicture> shown = block ? MakeSidePicture(std::move(*block)) : std::nullopt;
        if (shown) preview_->showImage(ShowingClearPixels(PictureImage(*shown), *picture_, target_));
    }
    ShowName();
}

void CPictureImportDlg::ShowName() {
    const bool numbered = number_edit_->hasAcceptableInput();
    ok_->setEnabled(picture_.has_value() && numbered);
    if (!numbered) {
        name_->clear();
        return;
    }
    const std::string name = PictureName(number(), form_);
    name_->setText(
        QString::fromStdString(name + ".lbm" + (FindPicture(listing_, name) ? " (replaces it)" : "")));
}

void CPictureImportDlg::Write() {
    if (!picture_ || !number_edit_->hasAcceptableInput()) return;
    const std::string name = PictureName(number(), form_) + ".lbm";
    const std::filesystem::path path = ResolveCaseInsensitive(folder_, name);
    std::error_code ec;
    if (std::filesystem::exists(path, ec) &&
        Prompt(PromptKind::YesNo,
               QStringLiteral("Replace %1?").arg(QString::fromStdString(path.filename().string())),
               this) != PromptAnswer::Yes)
        return;
    std::string error;
    if (!CreateFolders(folder_, error) || !WriteFileAtomically(path, picture_->lbm, error)) {
        Prompt(PromptKind::Stop, QString::fromStdString("The picture was not written: " + error), this);
        return;
    }
    emit imported(number());
    accept();
}

} // namespace quorvant::ui
