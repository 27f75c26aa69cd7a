#include "pictures/ui/xrefdialog.h"

#include "obdata/datecodes.h"
#include "obdata/generation.h"
#include "obdata/vocabulary.h"
#include "pictures/ui/picturecontrol.h"
#include "pictures/xreftexts.h"
#include "platform/cdroots.h"
#include "platform/ui/promptservice.h"
#include "workspace/ui/dialogcontrols.h"
#include "workspace/ui/loadprogressdialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>

namespace quorvant::ui {

CLbmCrossRefDlg::CLbmCrossRefDlg(const AppSettings& settings, CPicRefCache& cache, QWidget* parent)
    : QDialog(parent), settings_(settings), cache_(cache) {
    setWindowTitle(QStringLiteral("Side Graphic"));
    setObjectName(QStringLiteral("1538"));
    std::vector<std::filesystem::path> roots = CdRoots();
    if (!roots.empty()) cdRoot_ = roots.back();
    BuildControls();
}

void CLbmCrossRefDlg::BuildControls() {
    picture_ = new CPictureControl(this);
    picture_->setWhatsThis(QStringLiteral("The picture shown, and below it the units that use it."));
    browse_ = MakePictureBrowseButtons();
    number_edit_ = new QLineEdit(this);
    number_edit_->setObjectName(QStringLiteral("1200"));
    number_edit_->setValidator(new QIntValidator(0, 65535, number_edit_));
    number_edit_->setMaximumWidth(80);
    number_edit_->setWhatsThis(QStringLiteral(
        "The number of the picture shown. Type another (0 to 65535) and press Enter or Load to see it."));
    number_edit_->setAccessibleName(QStringLiteral("Graphic Number"));
    // Enter in the number shows that picture rather than closing the dialog.
    browse_.load->setDefault(true);

    auto* version = new QGroupBox(QStringLiteral("Game Version"), this);
    auto* versionLayout = new QGridLayout(version);
    auto* generationGroup = new QButtonGroup(this);
    const char* labels[] = {"BW &1", "BW &2", "BW &3"};
    for (int g = 0; g < 3; ++g) {
        generations_[g] = new QRadioButton(QString::fromLatin1(labels[g]), version);
        generations_[g]->setObjectName(QString::number(1351 + g));
        generationGroup->addButton(generations_[g], g);
        versionLayout->addWidget(generations_[g], g, 0);
        generations_[g]->setWhatsThis(
            QStringLiteral("Lists the pictures of BW%1 and the units of its OB files that use them.")
                .arg(g + 1));
    }
    modernButton_ = new QRadioButton(QStringLiteral("&Modern"), version);
    modernButton_->setObjectName(QStringLiteral("1354"));
    wwiiButton_ = new QRadioButton(QStringLiteral("&WWII"), version);
    wwiiButton_->setObjectName(QStringLiteral("1355"));
    modernButton_->setWhatsThis(QStringLiteral("BW3's modern nations: pictures named PM00000 and up."));
    wwiiButton_->setWhatsThis(QStringLiteral("BW3's second-world-war nations: pictures named P0000 and up."));
    auto* eraGroup = new QButtonGroup(this);
    eraGroup->addButton(modernButton_, 1);
    eraGroup->addButton(wwiiButton_, 0);
    versionLayout->addWidget(modernButton_, 2, 1);
    versionLayout->addWidget(wwiiButton_, 2, 2);

    units_ = new QTreeWidget(this);
    units_->setObjectName(QStringLiteral("1127"));
    units_->setRootIsDecorated(false);
    units_->setAllColumnsShowFocus(true);
    units_->setUniformRowHeights(true);
    units_->setHeaderLabels({QStringLiteral("Unit #"), QStringLiteral("Unit"), QStringLiteral("Nation"),
                             QStringLiteral("Available"), QStringLiteral("Unavailable"),
                             QStringLiteral("OB File")});
    const int widths[] = {45, 145, 100, 80, 80, 70};
    for (int c = 0; c < 6; ++c) {
        units_->setColumnWidth(c, widths[c] + 10);
        units_->headerItem()->setTextAlignment(c, Qt::AlignCenter);
    }
    units_->setStyleSheet(QStringLiteral("QTreeView::item { border: 1px solid palette(midlight); }"));
    units_->setMinimumWidth(640);
    units_->setWhatsThis(QStringLiteral("Every unit of the OB files that uses the picture shown, with its "
                                        "file's nation and its dates. Double-click a unit to open its "
                                        "file with the unit selected."));
    units_->setAccessibleName(QStringLiteral("Units using this picture"));

    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("1341"));
    files_->hide();
    nations_ = new QComboBox(this);
    nations_->setObjectName(QStringLiteral("1033"));
    available_ = new QComboBox(this);
    available_->setObjectName(QStringLiteral("1042"));
    unavailable_ = new QComboBox(this);
    unavailable_->setObjectName(QStringLiteral("1043"));
    for (QWidget* hidden : {static_cast<QWidget*>(nations_), static_cast<QWidget*>(available_),
                            static_cast<QWidget*>(unavailable_)})
        hidden->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("2"));
    buttons->button(QDialogButtonBox::Close)->setWhatsThis(QStringLiteral("Closes this window."));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->addButton(AddFieldHelp(this, QStringLiteral("crossref")), QDialogButtonBox::HelpRole);

    auto* navigation = new QHBoxLayout;
    for (QPushButton* b : {browse_.first, browse_.previous, browse_.next, browse_.last})
        navigation->addWidget(b);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(new QLabel(QStringLiteral("Graphic Number:"), this));
    numberRow->addWidget(number_edit_);
    numberRow->addWidget(browse_.load);
    numberRow->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(picture_, 1);
    left->addLayout(navigation);
    left->addLayout(numberRow);
    left->addWidget(version);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(units_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    connect(browse_.first, &QPushButton::clicked, this, [this] { GoTo(0); });
    connect(browse_.previous, &QPushButton::clicked, this, [this] {
        if (index_ > 0) GoTo(index_ - 1);
    });
    connect(browse_.next, &QPushButton::clicked, this, [this] {
        if (index_ < pictureCount() - 1) GoTo(index_ + 1);
    });
    connect(browse_.last, &QPushButton::clicked, this, [this] { GoTo(pictureCount() - 1); });
    connect(browse_.load, &QPushButton::clicked, this, &CLbmCrossRefDlg::OnLoad);
    connect(generationGroup, &QButtonGroup::idClicked, this, [this](int g) {
        generation_ = g;
        if (Scan()) GoTo(0);
    });
    connect(eraGroup, &QButtonGroup::idClicked, this, [this](int modern) {
        modern_ = modern == 1;
        if (Scan()) GoTo(0);
    });
    connect(units_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { OnActivated(units_->indexOfTopLevelItem(item)); });
}

void CLbmCrossRefDlg::Open() {
    // The first look-up of a session starts at the default game; later ones where the last one left.
    const bool again = opened_;
    const std::uint32_t shown = number_;
    if (!opened_)
        generation_ = IsValidGeneration(settings_.DefaultGeneration) ? settings_.DefaultGeneration : 0;
    opened_ = true;
    generations_[generation_]->setChecked(true);
    (modern_ ? modernButton_ : wwiiButton_)->setChecked(true);
    if (!Scan()) return;
    if (!again) {
        GoTo(0);
        return;
    }
    number_ = shown;
    number_edit_->setText(QString::number(number_));
    Draw();
    SetNavigation();
    FillUnitList();
}

bool CLbmCrossRefDlg::Scan() {
    const std::filesystem::path gameFolder = settings_.InstallFolder(generation_);
    const PicFamily family = FamilyOf(generation_, modern_);
    // Only BW3 has two families of pictures.
    modernButton_->setEnabled(generation_ == kBW3);
    wwiiButton_->setEnabled(generation_ == kBW3);
    number_ = 1;
    slot_.drop();
    for (QComboBox* combo : {nations_, available_, unavailable_}) combo->clear();
    for (const std::string& n : BuildNationList(generation_))
        nations_->addItem(QString::fromLatin1(n.c_str()));
    for (const std::string& d : BuildDateList(generation_)) {
        available_->addItem(QString::fromLatin1(d.c_str()));
        unavailable_->addItem(QString::fromLatin1(d.c_str()));
    }
    PictureSource source = FindPictureSource(gameFolder, cdRoot_, generation_, FamilyPicturePrefix(family));
    pictureFolder_ = source.folder;
    listing_ = std::move(source.listing);
    files_->clear();
    for (const std::string& f : listing_) files_->addItem(QString::fromStdString(f));
    if (listing_.empty()) {
        Prompt(PromptKind::Stop, QStringLiteral("No LBM Files found on HD or CD"), this);
        SetEnabled(false);
        units_->clear();
        references_ = nullptr;
        return false;
    }
    SetEnabled(true);
    std::unique_ptr<LoadProgressDialog> progress;
    if (!cache_.holds(family)) progress = std::make_unique<LoadProgressDialog>(parentWidget());
    references_ = &cache_.references(family, gameFolder, progress.get());
    return true;
}

void CLbmCrossRefDlg::GoTo(int index) {
    if (listing_.empty()) return;
    index_ = std::clamp(index, 0, pictureCount() - 1);
    number_ = PictureNumber(listing_[static_cast<std::size_t>(index_)], FamilyNameForm(family()));
    number_edit_->setText(QString::number(number_));
    slot_.drop();
    Draw();
    SetNavigation();
    FillUnitList();
}

void CLbmCrossRefDlg::OnLoad() {
    number_ = std::min<std::uint32_t>(number_edit_->text().toUInt(), 65535);
    const std::uint32_t limit = generation_ == kBW2 ? 99999 : 9999;
    if (number_ < limit) slot_.drop();
    Draw();
    FillUnitList();
}

void CLbmCrossRefDlg::Draw() {
    std::size_t position = static_cast<std::size_t>(index_);
    ShownPicture shown =
        slot_.show(listing_, pictureFolder_, PictureName(number_, FamilyNameForm(family())), position);
    if (shown == ShownPicture::Placeholder) picture_->showPlaceholder();
    if (shown == ShownPicture::Picture) {
        picture_->showPicture(*slot_.picture());
        index_ = static_cast<int>(position);
        SetNavigation();
    }
}

void CLbmCrossRefDlg::FillUnitList() {
    units_->setUpdatesEnabled(false);
    units_->clear();
    if (references_) {
        const NameList nations = BuildNationList(generation_);
        for (const CPicUseRecord* r : ReferencesTo(*references_, number_)) {
            QStringList cells;
            for (const std::string& c : CrossReferenceCells(*r, generation_, nations))
                cells << QString::fromLatin1(c.c_str());
            auto* item = new QTreeWidgetItem(units_, cells);
            for (int c = 0; c < 6; ++c) item->setTextAlignment(c, Qt::AlignCenter);
        }
    }
    units_->setUpdatesEnabled(true);
}

void CLbmCrossRefDlg::SetNavigation() {
    browse_.next->setEnabled(index_ < pictureCount() - 1);
    browse_.last->setEnabled(index_ < pictureCount() - 1);
    browse_.previous->setEnabled(index_ > 0);
    browse_.first->setEnabled(index_ > 0);
}

void CLbmCrossRefDlg::SetEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{browse_.first, browse_.previous, browse_.next,
                                                      browse_.last, picture_, units_, number_edit_})
        w->setEnabled(enabled);
}

void CLbmCrossRefDlg::OnActivated(int row) {
    if (!references_ || row < 0 || !openUnit_) return;
    std::vector<const CPicUseRecord*> shown = ReferencesTo(*references_, number_);
    if (row >= static_cast<int>(shown.size())) return;
    const CPicUseRecord& r = *shown[static_cast<std::size_t>(row)];
    std::filesystem::path path = std::filesystem::path(settings_.InstallFolder(generation_)) / r.OBFile;
    accept();
    openUnit_(QString::fromStdString(path.string()), r.Unit - 1);
}

} // namespace quorvant::ui
