#include "pictures/ui/picturescreenshots.h"

#include "app/appsettings.h"
#include "app/ui/mainframe.h"
#include "pictures/ui/lbmcrossrefcommand.h"
#include "pictures/ui/lbmcrossrefdlg.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

namespace quorvant::ui {
namespace {

bool Save(QWidget* widget, const QDir& folder, const QString& name) {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    QString path = folder.filePath(name + QStringLiteral(".png"));
    bool ok = widget->grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << Qt::endl;
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
    static const Shot kShots[] = {{0, nullptr, "20-bw1-cross-reference"},
                                  {1, nullptr, "21-bw2-cross-reference"},
                                  {2, "1354", "22-bw3-modern-cross-reference"},
                                  {2, "1355", "23-bw3-wwii-cross-reference"}};
    for (const Shot& shot : kShots) {
        settings.DefaultGeneration = shot.generation;
        CLbmCrossRefDlg* dialog = RunLbmCrossReference(frame, settings);
        if (shot.era) dialog->findChild<QRadioButton*>(QString::fromLatin1(shot.era))->click();
        // A picture a few steps in, so the list shows units.
        for (int i = 0; i < 2; ++i) dialog->findChild<QPushButton*>(QStringLiteral("1061"))->click();
        ok = Save(dialog, folder, QString::fromLatin1(shot.name)) && ok;
        dialog->reject();
    }
    settings.DefaultGeneration = remembered;
    return ok;
}

} // namespace quorvant::ui
