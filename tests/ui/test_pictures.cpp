#include "app/ui/helpwindow.h"
#include "demo/demopictures.h"
#include "editors/ui/unitsidepicpage.h"
#include "obdata/quorvantdoc.h"
#include "pictures/lbmdecoder.h"
#include "pictures/ui/picturecontrol.h"
#include "pictures/ui/pictureimportdialog.h"
#include "pictures/ui/xrefcommand.h"
#include "pictures/ui/xrefdialog.h"
#include "test_mainframe_fixture.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>

namespace quorvant::testing {
using quorvant::testing::OBFileBuilder;
namespace {

class PicturesTest : public MainFrameTest {
  protected:
    void picture(const fs::path& install, const std::string& name, int number = 1) {
        fs::create_directories(install / "pic");
        WriteBytes(install / "pic" / (name + ".lbm"), demo::DemoPicture(number, number % 2 == 0));
    }
    template <class W> static W* Find(QWidget* parent, int id) {
        W* w = parent->findChild<W*>(QString::number(id));
        EXPECT_NE(w, nullptr) << id;
        return w;
    }
    static void Click(QWidget* parent, int id) { Find<QPushButton>(parent, id)->click(); }
    static QString Number(QWidget* parent) { return Find<QLineEdit>(parent, 1200)->text(); }
};

TEST_F(PicturesTest, PageBrowsesTheShortNamesOfASecondWorldWarFile) {
    fs::create_directories(bw3 / "Pic");
    for (const char* n : {"P0007", "P0042", "p0050"}) picture(bw3, n);
    picture(bw3, "PM00042");
    fs::rename(bw3 / "pic", bw3 / "Pic");
    CQuorvantDoc doc(kBW3);
    doc.FileNation = 71;
    doc.Units.resize(250);
    doc.Units[3].SideView = 42;
    ui::CUnitSidePicPage page(settings, doc, 3);
    page.show();
    page.OnSetActive();
    EXPECT_EQ(Number(&page), "42");
    EXPECT_EQ(page.listingPosition(), 1);
    EXPECT_FALSE(Find<ui::CPictureControl>(&page, 1202)->showsPlaceholder());
    EXPECT_EQ(Find<QListWidget>(&page, 1341)->count(), 4);

    Click(&page, 1062);            // >>
    EXPECT_EQ(Number(&page), "0"); // PM00042 read in the short form
    EXPECT_FALSE(Find<QPushButton>(&page, 1061)->isEnabled());
    Click(&page, 1060); // <
    EXPECT_EQ(Number(&page), "50");
    EXPECT_TRUE(Find<QPushButton>(&page, 1061)->isEnabled());
    Click(&page, 1059); // <<
    EXPECT_EQ(Number(&page), "7");
    EXPECT_FALSE(Find<QPushButton>(&page, 1060)->isEnabled());
    Click(&page, 1061); // >
    EXPECT_EQ(Number(&page), "42");

    // Typed numbers: "Load" shows them; one without a file shows the placeholder.
    Find<QLineEdit>(&page, 1200)->setText(QStringLiteral("9"));
    Click(&page, 1201);
    EXPECT_TRUE(Find<ui::CPictureControl>(&page, 1202)->showsPlaceholder());
    EXPECT_EQ(page.listingPosition(), 1);
    Click(&page, 1203); // Reset
    EXPECT_EQ(Number(&page), "42");
    EXPECT_FALSE(Find<ui::CPictureControl>(&page, 1202)->showsPlaceholder());
    EXPECT_EQ(doc.Units[3].SideView, 42);
}

TEST_F(PicturesTest, LoadAndResetBrowseOnFromThePictureShown) {
    for (const char* n : {"P0007", "P0042", "P0050"}) picture(bw1, n);
    CQuorvantDoc doc(kBW1);
    doc.Units.resize(250);
    doc.Units[1].SideView = 50;
    ui::CUnitSidePicPage page(settings, doc, 1);
    page.show();
    page.OnSetActive();
    const struct {
        const char* typed;
        int button; // pressed after Load
        const char* shown;
    } cases[] = {{"9", 1061, "42"}, {"9", 1060, "7"}, {"42", 1061, "50"}, {"1", 1061, "7"}};
    for (const auto& c : cases) {
        Find<QLineEdit>(&page, 1200)->setText(QString::fromLatin1(c.typed));
        Click(&page, 1201);
        Click(&page, c.button);
        EXPECT_EQ(Number(&page), c.shown) << c.typed << " " << c.button;
    }
    Find<QLineEdit>(&page, 1200)->setText(QStringLiteral("60")); // after the last picture
    Click(&page, 1201);
    EXPECT_FALSE(Find<QPushButton>(&page, 1061)->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(&page, 1060)->isEnabled());
    Click(&page, 1203); // Reset: back at the unit's picture, the last
    EXPECT_EQ(Number(&page), "50");
    EXPECT_FALSE(Find<QPushButton>(&page, 1061)->isEnabled());
    Click(&page, 1060);
    EXPECT_EQ(Number(&page), "42");
}

TEST_F(PicturesTest, PageTakesAnEditedSideViewOnSetActiveAndFallsBackToTheCd) {
    fs::path cd = bw2.parent_path() / "cdrom";
    picture(cd / "brass2", "PM00015");
    picture(cd / "brass2", "PM00016");
    CQuorvantDoc doc(kBW2);
    doc.Units.resize(250);
    doc.Units[1].SideView = 15;
    ui::CUnitSidePicPage page(settings, doc, 1);
    page.setCdRoot(cd);
    page.show();
    page.OnSetActive();
    EXPECT_EQ(page.pictureFolder(), cd / "brass2" / "pic");
    EXPECT_EQ(Number(&page), "15");
    page.OnKillActive();
    doc.Units[1].SideView = 16;
    page.OnSetActive();
    EXPECT_EQ(Number(&page), "16");
    EXPECT_EQ(page.listingPosition(), 1);
    page.setSlot(2); // SideView 0: no file
    page.OnSetActive();
    EXPECT_EQ(Number(&page), "0");
    EXPECT_TRUE(Find<ui::CPictureControl>(&page, 1202)->showsPlaceholder());
}

TEST_F(PicturesTest, PageWithoutPicturesDisablesBrowsingAndShowsThePlaceholder) {
    CQuorvantDoc doc(kBW1);
    doc.Units.resize(250);
    ui::CUnitSidePicPage page(settings, doc, 1);
    page.setCdRoot({});
    page.show();
    page.OnSetActive();
    for (int id : {1059, 1060, 1061, 1062, 1201, 1203})
        EXPECT_FALSE(Find<QPushButton>(&page, id)->isEnabled()) << id;
    EXPECT_TRUE(Find<ui::CPictureControl>(&page, 1202)->showsPlaceholder());
}

TEST_F(PicturesTest, CrossReferenceListsTheUnitsOfThePictureAndScansAFamilyOnce) {
    picture(bw1, "P0123");
    picture(bw1, "P0200");
    WriteBytes(bw1 / "OBUS", OBFileBuilder::BW1()
                                 .unitName(0, "Sherman")
                                 .column(25000, 0, 12)
                                 .column(25250, 0, 123, 2)
                                 .unitName(5, "Stuart")
                                 .column(25250, 5, 200, 2)
                                 .bytes());
    CPicRefCache cache;
    ui::CLbmCrossRefDlg dialog(settings, cache, frame.get());
    dialog.setCdRoot({});
    dialog.show();
    dialog.Open();
    EXPECT_EQ(dialog.pictureCount(), 2);
    EXPECT_EQ(Number(&dialog), "123");
    auto* units = Find<QTreeWidget>(&dialog, 1127);
    ASSERT_EQ(units->topLevelItemCount(), 1);
    EXPECT_EQ(units->topLevelItem(0)->text(0), "1");
    EXPECT_EQ(units->topLevelItem(0)->text(1), "Sherman");
    EXPECT_FALSE(Find<QPushButton>(&dialog, 1060)->isEnabled());
    Click(&dialog, 1061);
    EXPECT_EQ(Number(&dialog), "200");
    ASSERT_EQ(units->topLevelItemCount(), 1);
    EXPECT_EQ(units->topLevelItem(0)->text(0), "6");
    EXPECT_FALSE(Find<QPushButton>(&dialog, 1062)->isEnabled());
    // A number without a file, typed and entered: the placeholder, and the list still follows it.
    Find<QLineEdit>(&dialog, 1200)->setText(QStringLiteral("77"));
    QTest::keyClick(Find<QLineEdit>(&dialog, 1200), Qt::Key_Return);
    EXPECT_TRUE(Find<ui::CPictureControl>(&dialog, 1202)->showsPlaceholder());
    EXPECT_EQ(units->topLevelItemCount(), 0);

    dialog.Open();
    EXPECT_EQ(cache.scans(), 1);
    EXPECT_TRUE(prompts.asked.empty());
    // F1 has something to say about every control the user can reach.
    int reachable = 0;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->focusPolicy() == Qt::NoFocus || w->inherits("QScrollBar") ||
            w->inherits("QHeaderView") || w->parentWidget()->inherits("QAbstractScrollArea"))
            continue;
        ++reachable;
        EXPECT_FALSE(w->whatsThis().isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
    EXPECT_GE(reachable, 12); // four moves, the number, Load, five choices of game, the list
    dialog.reject();
}

TEST_F(PicturesTest, CrossReferenceWithoutPicturesSaysSoAndDisablesItsControls) {
    CPicRefCache cache;
    ui::CLbmCrossRefDlg dialog(settings, cache, frame.get());
    dialog.setCdRoot({});
    dialog.show();
    dialog.Open();
    ASSERT_EQ(TextsAsked(), (std::vector<std::string>{"No LBM Files found on HD or CD"}));
    EXPECT_EQ(prompts.asked[0].kind, ui::PromptKind::Stop);
    for (int id : {1059, 1060, 1061, 1062}) EXPECT_FALSE(Find<QPushButton>(&dialog, id)->isEnabled());
    EXPECT_FALSE(Find<QTreeWidget>(&dialog, 1127)->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>(&dialog, 1200)->isEnabled());
    EXPECT_EQ(cache.scans(), 0);
    dialog.reject();
}

TEST_F(PicturesTest, CrossReferenceFamiliesOfBw3ListTheirOwnPicturesAndFiles) {
    picture(bw3, "P0070");
    picture(bw3, "PM00070");
    picture(bw3, "PM00071");
    settings.DefaultGeneration = kBW3;
    CPicRefCache cache;
    ui::CLbmCrossRefDlg dialog(settings, cache, frame.get());
    dialog.setCdRoot({});
    dialog.show();
    dialog.Open();
    EXPECT_EQ(dialog.family(), PicFamily::BW3Modern);
    EXPECT_EQ(dialog.pictureCount(), 2);
    Find<QRadioButton>(&dialog, 1355)->click();
    EXPECT_EQ(dialog.family(), PicFamily::BW3WWII);
    EXPECT_EQ(dialog.pictureCount(), 1);
    EXPECT_EQ(Number(&dialog), "70");
    Find<QRadioButton>(&dialog, 1352)->click();
    EXPECT_FALSE(Find<QRadioButton>(&dialog, 1354)->isEnabled() ||
                 Find<QRadioButton>(&dialog, 1355)->isEnabled())
        << "only BW3 has two families";
    dialog.reject();
}

TEST_F(PicturesTest, DoubleClickedUnitOpensItsFileAtThatUnit) {
    ui::ShowUnitOfFile(*frame, QString::fromStdString((bw1 / "OBPZ").string()), 5);
    ui::CChildFrame* child = frame->activeChild();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->view()->SelectedRow(), 4);
    ui::ShowUnitOfFile(*frame, QString::fromStdString((bw1 / "OBPZ").string()), 2);
    EXPECT_EQ(frame->childFrames().size(), 1u);
    EXPECT_EQ(frame->activeChild()->view()->SelectedRow(), 1);
}

TEST_F(PicturesTest, HelpOverTheModalCrossReferenceCanBeReadAndClosingItKeepsTheActiveFile) {
    ASSERT_NE(Open(32842), nullptr);
    ui::CChildFrame* second = Open(32843);
    ASSERT_NE(second, nullptr);
    Command(ID_VIEW_LBM_CROSS_REFERENCE)->trigger();
    auto* xref = frame->findChild<ui::CLbmCrossRefDlg*>();
    ASSERT_TRUE(xref && xref->isModal());
    Click(xref, 9);
    auto* help = frame->findChild<ui::HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->parentWidget(), xref)
        << "a window of the main window's would be blocked by the modal one";
    xref->reject();
    EXPECT_EQ(frame->activeChild(), second);
}

// Writes a width x height PNG of the demo pictures' sky colour; the path as the file chooser gives it.
QString SkyPng(const fs::path& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0x99, 0xBB, 0xDD));
    image.save(QString::fromStdString(path.string()), "PNG");
    return QString::fromStdString(path.string());
}

// The side graphic page of unit 3, whose Side View is 2, and the import window it opens on a file.
class PictureImportTest : public PicturesTest {
  protected:
    void openPage(int generation) {
        doc_ = std::make_unique<CQuorvantDoc>(generation);
        doc_->Units.resize(250);
        doc_->Units[3].SideView = 2;
        page_ = std::make_unique<ui::CUnitSidePicPage>(settings, *doc_, 3);
        page_->setCdRoot({});
        page_->show();
        page_->OnSetActive();
    }
    ui::CPictureImportDlg* import(const QString& file) {
        chooser.answers.push_back(file);
        Click(page_.get(), 1204);
        return page_->findChild<ui::CPictureImportDlg*>();
    }
    void TearDown() override {
        page_.reset();
        PicturesTest::TearDown();
    }
    std::unique_ptr<CQuorvantDoc> doc_;
    std::unique_ptr<ui::CUnitSidePicPage> page_;
};

TEST_F(PictureImportTest, WritesUnderTheUnitsNumberOrTheNextFreeAskingBeforeReplacingAndShowsItAtOnce) {
    picture(bw2, "PM00001", 1);
    picture(bw2, "PM00002", 2);
    const std::vector<std::uint8_t> second = ReadBytes(bw2 / "pic" / "PM00002.lbm");
    openPage(kBW2);
    ui::CUnitSidePicPage& page = *page_;
    auto* dialog = import(SkyPng(bw2 / "sky.png", 40, 20));
    ASSERT_NE(dialog, nullptr);
    QTRY_VERIFY(dialog->isVisible());
    EXPECT_EQ(Find<QLineEdit>(dialog, 1209)->text(), "2");
    EXPECT_EQ(Find<QLabel>(dialog, 1207)->text(),
              "40 x 20, PBM, 8 planes, colour error mean 0.00, worst 0.00");
    EXPECT_EQ(Find<QLabel>(dialog, 1211)->text(), "PM00002.lbm (replaces it)");
    EXPECT_EQ(Find<ui::CPictureControl>(dialog, 1206)->image().size(), QSize(40, 20));

    prompts.answers.push_back(ui::PromptAnswer::No);
    Click(dialog, 1);
    EXPECT_EQ(TextsAsked(), std::vector<std::string>{"Replace PM00002.lbm?"});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(ReadBytes(bw2 / "pic" / "PM00002.lbm"), second);

    Click(dialog, 1210); // Next Free
    EXPECT_EQ(Find<QLineEdit>(dialog, 1209)->text(), "3");
    QSignalSpy reports(&page, &ui::CUnitSidePicPage::statusMessage);
    Click(dialog, 1);
    EXPECT_EQ(prompts.asked.size(), 1u);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports[0][0].toString().toStdString(),
              "Imported PM00003.lbm into " + (bw2 / "pic").string() +
                  " (40 x 20, PBM, 8 planes, colour error mean 0.00, worst 0.00)");
    QTRY_VERIFY(page.findChild<ui::CPictureImportDlg*>() == nullptr);
    std::string reason;
    std::optional<std::vector<std::uint8_t>> bmp = lbm2bmp(bw2 / "pic" / "PM00003.lbm", reason);
    ASSERT_TRUE(bmp) << reason;
    EXPECT_EQ(Number(&page), "3");
    EXPECT_EQ(Find<QListWidget>(&page, 1341)->count(), 3);
    EXPECT_FALSE(Find<ui::CPictureControl>(&page, 1202)->showsPlaceholder());
    EXPECT_EQ(Find<ui::CPictureControl>(&page, 1202)->image().size(), QSize(40, 20));
    EXPECT_EQ(doc_->Units[3].SideView, 2);

    settings.DefaultGeneration = kBW2;
    CPicRefCache cache;
    ui::CLbmCrossRefDlg xref(settings, cache, frame.get());
    xref.setCdRoot({});
    xref.show();
    xref.Open();
    EXPECT_EQ(xref.pictureCount(), 3);
    xref.reject();
}

TEST_F(PictureImportTest, ATransparentColourIsChosenByClickingThePictureWhenTheFamilyHasOne) {
    picture(bw1, "P0001", 1);
    openPage(kBW1);
    const QString sky = SkyPng(bw1 / "sky.png", 40, 20);
    auto* dialog = import(sky);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(Find<QCheckBox>(dialog, 1212)->isEnabled());
    dialog->reject();
    QTRY_VERIFY(page_->findChild<ui::CPictureImportDlg*>() == nullptr);

    std::vector<std::uint8_t> masked = demo::DemoPicture(1, false);
    const char tag[] = "BMHD";
    const std::size_t body =
        static_cast<std::size_t>(std::search(masked.begin(), masked.end(), tag, tag + 4) - masked.begin()) +
        8;
    ASSERT_LT(body + 13, masked.size());
    masked[body + 9] = kLbmTransparentColour;
    masked[body + 12] = 0;
    masked[body + 13] = 3;
    WriteBytes(bw1 / "pic" / "P0001.lbm", masked);
    dialog = import(sky);
    ASSERT_NE(dialog, nullptr);
    QTRY_VERIFY(dialog->isVisible());
    auto* transparent = Find<QCheckBox>(dialog, 1212);
    EXPECT_TRUE(transparent->isEnabled());
    EXPECT_FALSE(transparent->isChecked());
    ASSERT_TRUE(dialog->picture());
    EXPECT_EQ(
        std::count(dialog->picture()->mapping.indices.begin(), dialog->picture()->mapping.indices.end(), 3),
        0);
    auto* source = Find<ui::CPictureControl>(dialog, 1205);
    QTest::mouseClick(source, Qt::LeftButton, {}, source->pictureRect().topLeft() + QPoint(1, 1));
    EXPECT_TRUE(transparent->isChecked());
    EXPECT_EQ(Find<QLabel>(dialog, 1213)->toolTip(), "#99BBDD");
    ASSERT_TRUE(dialog->picture());
    EXPECT_EQ(dialog->picture()->mapping.indices, std::vector<std::uint8_t>(800, 3));
    // Shown as a checkerboard, not as the entry's own colour.
    const QImage preview = Find<ui::CPictureControl>(dialog, 1206)->image();
    EXPECT_EQ(preview.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(preview.pixel(4, 0), 0xFFC8C8C8u);
    dialog->reject();
}

TEST_F(PictureImportTest, RefusesAPictureTooLargeOrUnreadableSayingWhy) {
    picture(bw1, "P0001", 1);
    openPage(kBW1);
    ui::CUnitSidePicPage& page = *page_;
    auto* dialog = import(SkyPng(bw1 / "wide.png", 161, 20));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Find<QLabel>(dialog, 1207)->text(),
              "Cannot import: the picture is 161 x 20 pixels; pictures of this family are at most 160 x 80.");
    EXPECT_FALSE(Find<QPushButton>(dialog, 1)->isEnabled());
    dialog->reject();
    QTRY_VERIFY(page.findChild<ui::CPictureImportDlg*>() == nullptr);

    WriteBytes(bw1 / "text.png", {'n', 'o'});
    EXPECT_EQ(import(QString::fromStdString((bw1 / "text.png").string())), nullptr);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_TRUE(prompts.asked[0].text.endsWith(
        "text.png: not a picture Quorvant can read (Unsupported image format)."))
        << prompts.asked[0].text.toStdString();
    EXPECT_EQ(ListPictureFiles(bw1 / "pic").size(), 1u);
}

TEST(PictureImage, StretchedPicturesKeepTheirPixelsCrisp) {
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, 0xFF000000u);
    image.setPixel(1, 0, 0xFFFFFFFFu);
    QImage target(8, 2, QImage::Format_RGB32);
    QPainter painter(&target);
    ui::PaintPicture(painter, target.rect(), image, image.rect());
    painter.end();
    EXPECT_EQ(target.pixel(3, 1), 0xFF000000u);
    EXPECT_EQ(target.pixel(4, 0), 0xFFFFFFFFu);
    EXPECT_EQ(ui::PlaceholderPicture().size(), QSize(160, 80));
}

} // namespace
} // namespace quorvant::testing
