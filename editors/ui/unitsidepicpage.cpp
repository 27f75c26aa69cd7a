#include "editors/ui/unitsidepicpage.h"

#include "editors/ui/editorcontrols.h"
#include "obdata/quorvantdoc.h"
#include "pictures/picfamily.h"
#include "pictures/ui/picturecontrol.h"
#include "pictures/ui/pictureimportdialog.h"
#include "platform/cdroots.h"
#include "platform/pathresolve.h"
#include "platform/ui/enterkey.h"
#include "platform/ui/filechooser.h"
#include "platform/ui/promptservice.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace quorvant::ui {

CUnitSidePicPage::CUnitSidePicPage(const AppSettings& settings, CQuorvantDoc& doc, int slot, QWidget* parent)
    : QWidget(parent), settings_(settings), doc_(doc), slot_(slot),
      form_(NameFormFor(doc.Generation, doc.FileNation)) {
    setObjectName(QStringLiteral("260"));
    setWindowTitle(QStringLiteral("Side Graphic"));
    control_ = new CPictureControl(this);
    number_edit_ = new QLineEdit(this);
    number_edit_->setObjectName(QStringLiteral("1200"));
    number_edit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), number_edit_));
    number_edit_->setMaximumWidth(100);
    number_edit_->setWhatsThis(
        QStringLiteral("The number of the picture shown. Type another and press "
                       "Enter or Load to see it; the unit's own picture is set on the data "
                       "page."));
    number_edit_->setAccessibleName(QStringLiteral("Graphic Number"));
    browse_ = MakePictureBrowseButtons();
    reset_ = EditorButton(1203, QStringLiteral("Reset"), QStringLiteral("Back to the unit's own picture."));
    import_ = EditorButton(1204, QStringLiteral("&Import Picture..."),
                           QStringLiteral("Makes a side picture of a PNG, BMP or GIF picture, in the colours "
                                          "of the game's own pictures, and writes it into the game's picture "
                                          "folder under the number you choose."));
    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("1341"));
    files_->hide();

    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(new QLabel(QStringLiteral("Enter Graphic Number:"), this));
    numberRow->addWidget(number_edit_);
    numberRow->addWidget(browse_.load);
    numberRow->addWidget(reset_);
    numberRow->addStretch();
    numberRow->addWidget(import_);
    auto* steps = new QHBoxLayout;
    for (QPushButton* b : {browse_.first, browse_.previous, browse_.next, browse_.last}) steps->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(control_, 1);
    layout->addLayout(steps);
    layout->addLayout(numberRow);

    connect(browse_.first, &QPushButton::clicked, this, [this] { Browse(0); });
    connect(browse_.previous, &QPushButton::clicked, this, [this] {
        ReadNumber();
        if (position_ > 0) Browse(position_ - 1);
    });
    connect(browse_.next, &QPushButton::clicked, this, [this] {
        ReadNumber();
        const std::size_t next = listed_ ? position_ + 1 : position_;
        if (next < listing_.size()) Browse(next);
    });
    connect(browse_.last, &QPushButton::clicked, this, [this] {
        ReadNumber();
        if (!listing_.empty()) Browse(listing_.size() - 1);
    });
    // Shows the picture whose number was typed.
    auto load = [this] {
        ReadNumber();
        PlaceNumber();
        picture_.drop();
        ShowPicture();
    };
    connect(browse_.load, &QPushButton::clicked, this, load);
    RunOnEnter(number_edit_, load);
    connect(reset_, &QPushButton::clicked, this, [this] {
        ReadNumber();
        number_ = recordSideView();
        PlaceNumber();
        picture_.drop();
        ShowNumber();
        ShowPicture();
    });

    connect(import_, &QPushButton::clicked, this, &CUnitSidePicPage::ImportPicture);

    number_ = lastSeen_ = recordSideView();
    std::vector<std::filesystem::path> roots = CdRoots();
    if (!roots.empty()) cdRoot_ = roots.front();
    ListPictures();
    ShowNumber();
}

void CUnitSidePicPage::setCdRoot(const std::filesystem::path& root) {
    cdRoot_ = root;
    ListPictures();
}

std::uint16_t CUnitSidePicPage::recordSideView() const {
    if (slot_ < 0 || static_cast<std::size_t>(slot_) >= doc_.Units.size()) return 0;
    return doc_.Units[static_cast<std::size_t>(slot_)].SideView;
}

void CUnitSidePicPage::ListPictures() {
    PictureSource source =
        FindPictureSource(settings_.InstallFolder(doc_.Generation), cdRoot_, doc_.Generation, "");
    folder_ = source.folder;
    listing_ = std::move(source.listing);
    files_->clear();
    for (const std::string& f : listing_) files_->addItem(QString::fromStdString(f));
    PlaceNumber();
    picture_.drop();
    const bool any = !listing_.empty();
    for (QPushButton* b : {browse_.first, browse_.previous, browse_.next, browse_.last, browse_.load, reset_})
        b->setEnabled(any);
    if (active_) ShowPicture();
}

void CUnitSidePicPage::OnSetActive() {
    active_ = true;
    if (recordSideView() != lastSeen_) {
        number_ = lastSeen_ = recordSideView();
        PlaceNumber();
        picture_.drop();
        ShowNumber();
    }
    ShowPicture();
}

void CUnitSidePicPage::ReadNumber() {
    bool ok = false;
    qulonglong typed = number_edit_->text().toULongLong(&ok);
    if (ok && typed <= 0xFFFFFFFFull) number_ = static_cast<std::uint32_t>(typed);
}

void CUnitSidePicPage::Browse(std::size_t position) {
    if (listing_.empty()) return;
    position_ = position;
    listed_ = true;
    number_ = PictureNumber(listing_[position_], form_);
    picture_.drop();
    ShowNumber();
    ShowPicture();
}

void CUnitSidePicPage::PlaceNumber() {
    ListingPlace place = PlaceInListing(listing_, PictureName(number_, form_));
    position_ = place.position;
    listed_ = place.listed;
}

void CUnitSidePicPage::ShowNumber() {
    number_edit_->setText(QString::number(number_));
}

void CUnitSidePicPage::ShowPicture() {
    ShownPicture shown = picture_.show(listing_, folder_, PictureName(number_, form_), position_);
    if (shown == ShownPicture::Picture) control_->showPicture(*picture_.picture());
    if (shown == ShownPicture::Placeholder) control_->showPlaceholder();
    if (!listing_.empty()) SetBrowseButtons();
}

void CUnitSidePicPage::ImportPicture() {
    // Pictures are drawn elsewhere, so the chooser starts where the last one came from, or in the
    // user's pictures, never in whatever folder the program last worked in.
    static QString lastFolder;
    if (lastFolder.isEmpty()) lastFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!QFileInfo(lastFolder).isDir()) lastFolder = QDir::homePath();
    const QString file =
        FileChooser::current().openFile(this, QStringLiteral("Import Picture"), lastFolder,
                                        QStringLiteral("Pictures (*.png *.bmp *.gif)"), QString());
    if (file.isEmpty()) return;
    lastFolder = QFileInfo(file).absolutePath();
    std::string reason;
    std::optional<SourceImage> image = ReadImportImage(file, reason);
    const std::string prefix = FamilyPicturePrefix(FamilyOf(doc_.Generation, form_ == PictureNameForm::Long));
    std::optional<ImportTarget> target;
    if (image) target = ImportTargetFromListing(folder_, ListPictureFiles(folder_, prefix), reason);
    if (!target) {
        Prompt(PromptKind::Stop,
               QStringLiteral("Cannot import %1: %2.").arg(file, QString::fromStdString(reason)), this);
        return;
    }
    // New pictures go into the game folder, even while the pictures shown come from the CD.
    const std::filesystem::path gameFolder = settings_.InstallFolder(doc_.Generation);
    const std::filesystem::path destination = ResolveCaseInsensitive(gameFolder, "pic");
    auto* dialog =
        new CPictureImportDlg(std::move(*image), std::move(*target), destination,
                              ListPictureFiles(destination, prefix), form_, recordSideView(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &CPictureImportDlg::imported, this, [this, dialog, destination](std::uint32_t number) {
        const std::string name = PictureName(number, form_) + ".lbm";
        QString summary;
        if (dialog->picture())
            summary = QString::fromStdString(" (" + ImportSummary(*dialog->picture()) + ")");
        emit statusMessage(
            QStringLiteral("Imported %1 into %2%3")
                .arg(QString::fromStdString(name), QString::fromStdString(destination.string()), summary));
        number_ = number;
        ListPictures();
        ShowNumber();
        ShowPicture();
    });
    dialog->open();
}

void CUnitSidePicPage::SetBrowseButtons() {
    // A picture that is not listed stands before position_: the one there is still ahead.
    const bool atFirst = position_ == 0 && listed_;
    const bool atLast = position_ + (listed_ ? 1 : 0) >= listing_.size();
    browse_.previous->setEnabled(position_ > 0);
    browse_.first->setEnabled(!atFirst);
    browse_.next->setEnabled(!atLast);
    browse_.last->setEnabled(!atLast);
}

} // namespace quorvant::ui
