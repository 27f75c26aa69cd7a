// quorvant_crashchild --profile DIR --file OBFILE --seed S --edits N
// The editor, offscreen, making the edits of a seed to a file one by one; after each it writes the
// journals and prints "journaled K" on standard output, then goes on, until its parent kills it.

#include "app/recentfiles.h"
#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "game/appsettings.h"
#include "game/profile.h"
#include "obdata/quorvantdoc.h"
#include "tests/crash/crashedits.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

using namespace quorvant;

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption profileOption(QStringLiteral("profile"), QStringLiteral("Profile folder."),
                                           QStringLiteral("dir"));
    const QCommandLineOption fileOption(QStringLiteral("file"), QStringLiteral("The OB file."),
                                        QStringLiteral("file"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed."), QStringLiteral("s"));
    const QCommandLineOption editsOption(QStringLiteral("edits"), QStringLiteral("Edits."),
                                         QStringLiteral("n"));
    parser.addOptions({profileOption, fileOption, seedOption, editsOption});
    parser.process(app);

    AppSettings settings;
    MemoryProfile profile;
    RecentFileList recent;
    ui::CMainFrame frame(settings, profile, recent);
    frame.UseRecovery(std::filesystem::path(parser.value(profileOption).toStdString()) / "recovery");
    ui::CChildFrame* child = frame.OpenDocumentFile(parser.value(fileOption));
    if (!child) return 2;
    const std::vector<crash::Edit> edits =
        crash::EditsOf(parser.value(seedOption).toULongLong(), parser.value(editsOption).toInt());
    std::size_t next = 0;
    QTimer step;
    QObject::connect(&step, &QTimer::timeout, [&] {
        if (next == edits.size()) {
            step.stop();
            return;
        }
        crash::Apply(child->document(), edits[next++]);
        frame.FlushJournals();
        std::printf("journaled %zu\n", next);
        std::fflush(stdout);
    });
    step.start(0);
    return app.exec();
}
