#include "tools/screenshots/pictureshots.h"

#include "app/ui/mainframe.h"
#include "editors/ui/unitsidepicpage.h"
#include "game/appsettings.h"
#include "obdata/quorvantdoc.h"
#include "pictures/picfamily.h"
#include "pictures/ui/pictureimportdialog.h"
#include "pictures/ui/xrefcommand.h"
#include "pictures/ui/xrefdialog.h"
#include "tools/screenshots/shotfile.h"

#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace quorvant::ui {
namespace {

// A drawing in colours of its own, as a paint program would give it: a sky that fades, a hill and
// a vehicle with a smooth outline.
SourceImage DrawnPicture() {
    QImage image(160, 80, QImage::Format_ARGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 60);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(250, 200, 150));
    p.fillRect(0, 0, 160, 60, sky);
    p.fillRect(0, 60, 160, 20, QColor(60, 140, 50));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(120, 130, 60));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(30, 40, 90, 20, 6, 6);
    p.drawEllipse(60, 30, 36, 18);
    p.setPen(QPen(QColor(70, 70, 60), 3));
    p.drawLine(92, 38, 150, 34);
    p.end();
    SourceImage out{image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        out.argb.insert(out.argb.end(), row, row + image.width());
    }
    return out;
}

// The import window over a BW2 unit's number, mapped to the nearest colours and dithered.
bool SaveImportScreenshots(const AppSettings& settings, const QDir& folder) {
    PictureSource source =
        FindPictureSource(settings.InstallFolder(1), {}, 1, FamilyPicturePrefix(PicFamily::BW2));
    std::string reason;
    std::optional<ImportTarget> target = ImportTargetFromListing(source.folder, source.listing, reason);
    if (!target) return false;
    CPictureImportDlg dialog(DrawnPicture(), *target, source.folder, source.listing, PictureNameForm::Long,
                             5);
    dialog.show();
    bool ok = SaveScreenshot(&dialog, folder, QStringLiteral("47-bw2-import-picture"));
    dialog.findChild<QCheckBox*>(QStringLiteral("1208"))->setChecked(true);
    ok = SaveScreenshot(&dialog, folder, QStringLiteral("48-bw2-import-picture-dithered")) && ok;
    dialog.reject();
    return ok;
}

} // namespace

bool SavePictureScreenshots(CMainFrame* frame, AppSettings& settings, const QDir& folder) {
    bool ok = true;
    const int remembered = settings.DefaultGeneration;
    struct Shot {
        int generation;
        const char* era; // 1354 or 1355 for BW3
        const char* name;
    };
    static const Shot kShots[] = {{0, nullptr, "30-bw1-cross-reference"},
                                  {1, nullptr, "31-bw2-cross-reference"},
                                  {2, "1354", "32-bw3-modern-cross-reference"},
                                  {2, "1355", "33-bw3-wwii-cross-reference"}};
    for (const Shot& shot : kShots) {
        settings.DefaultGeneration = shot.generation;
        CLbmCrossRefDlg* dialog = RunLbmCrossReference(*frame);
        if (shot.era) dialog->findChild<QRadioButton*>(QString::fromLatin1(shot.era))->click();
        // A picture a few steps in, so the list shows units.
        for (int i = 0; i < 2; ++i) dialog->findChild<QPushButton*>(QStringLiteral("1061"))->click();
        ok = SaveScreenshot(dialog, folder, QString::fromLatin1(shot.name)) && ok;
        dialog->reject();
    }
    settings.DefaultGeneration = remembered;

    // The side graphic page of a unit with a picture and of one whose picture has no file.
    for (int generation : {0, 1, 2}) {
        CQuorvantDoc doc(generation);
        doc.FileNation = generation == 2 ? 12 : 0;
        doc.Units.resize(3);
        doc.Units[1].SideView = 5;
        doc.Units[2].SideView = 9;
        for (int slot : {1, 2}) {
            CUnitSidePicPage page(settings, doc, slot);
            page.resize(page.sizeHint().expandedTo(QSize(420, 300)));
            page.show();
            page.OnSetActive();
            ok = SaveScreenshot(&page, folder,
                                QStringLiteral("%1-bw%2-side-graphic%3")
                                    .arg(34 + generation * 2 + slot - 1)
                                    .arg(generation + 1)
                                    .arg(slot == 2 ? QStringLiteral("-placeholder") : QString())) &&
                 ok;
        }
    }
    // A picture on a page large enough to draw it at twice its size or more.
    {
        CQuorvantDoc doc(0);
        doc.Units.resize(2);
        doc.Units[1].SideView = 5;
        CUnitSidePicPage page(settings, doc, 1);
        page.resize(760, 560);
        page.show();
        page.OnSetActive();
        ok = SaveScreenshot(&page, folder, QStringLiteral("46-bw1-side-graphic-zoomed")) && ok;
    }
    return SaveImportScreenshots(settings, folder) && ok;
}

} // namespace quorvant::ui
