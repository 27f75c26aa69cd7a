// quorvant_soak --seconds N --seed S [--actions FILE] [--replay FILE]
// Starts the real editor offscreen on a fresh demo game and profile and drives it with random actions
// (or replays a list of them), checking after each one; exits 1 with the seed and the action number
// at the first failure.

#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "app/ui/quorvantapp.h"
#include "demo/demogame.h"
#include "game/appsettings.h"
#include "game/settingsroutine.h"
#include "game/ui/qsettingsprofile.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "tests/soak/soakdriver.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace quorvant;

namespace {

QtMessageHandler g_previous = nullptr;

void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    soak::SoakDriver::NoteMessage(message);
    if (type != QtDebugMsg && g_previous) g_previous(type, context, message);
}

// The profile below is set up already: nothing may stop to ask.
class NoDialogs : public SettingsDialogs {
  public:
    bool RunSetPaths(AppSettings&) override { return false; }
    bool RunGameDefaults(AppSettings&) override { return false; }
};

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorvant"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vexmoor Software"));
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("How long to run."),
                               QStringLiteral("n"), QStringLiteral("10"));
    QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("The run's seed."), QStringLiteral("s"),
                            QStringLiteral("1"));
    QCommandLineOption actions(QStringLiteral("actions"), QStringLiteral("Write the actions to this file."),
                               QStringLiteral("file"));
    QCommandLineOption replay(QStringLiteral("replay"), QStringLiteral("Replay the actions of this file."),
                              QStringLiteral("file"));
    parser.addOptions({seconds, seed, actions, replay});
    parser.process(app);

    QTemporaryDir work;
    const std::filesystem::path root = work.path().toStdString();
    std::string error;
    if (!work.isValid() || !demo::WriteDemoGame(root / "game", error)) {
        std::fprintf(stderr, "soak: cannot write the demo game: %s\n", error.c_str());
        return 2;
    }
    std::filesystem::create_directories(root / "scratch");
    ui::QSettingsProfile::UseFolder(QString::fromStdString((root / "profile").string()));
    ui::QSettingsProfile profile;
    for (int generation : {kBW1, kBW2, kBW3})
        profile.WriteString(kSettingsSection, InstallPathValueName(generation),
                            demo::DemoInstallFolder(root / "game", generation).string());
    profile.WriteInt(kSettingsSection, kPathSetValue, kPathsKnown);
    profile.WriteString(kSettingsSection, kVersionValue, kSettingsVersion);
    profile.WriteInt(kSettingsSection, kBWDefaultValue, kBW3);
    profile.WriteInt(kSettingsSection, kSaveDefaultValue, 1166);

    soak::SoakOptions options;
    options.seed = parser.value(seed).toULongLong();
    options.seconds = parser.value(seconds).toDouble();
    if (parser.isSet(actions)) options.actionsOut = parser.value(actions).toStdString();
    if (parser.isSet(replay)) {
        QFile file(parser.value(replay));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return 2;
        options.replay = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        options.replaying = true;
    }

    g_previous = qInstallMessageHandler(OnQtMessage);
    NoDialogs dialogs;
    // Backups go to the profile, beside the game, so saves exercise them as a user's do.
    ui::CQuorvantApp quorvant(profile, &dialogs, root / "profile");
    if (!quorvant.InitInstance({})) return 2;
    ui::CMainFrame* frame = quorvant.mainFrame();
    frame->show();
    soak::SoakDriver driver(*frame, root / "game", root / "scratch", options);
    std::fprintf(stderr, "soak: seed %llu, %s\n", static_cast<unsigned long long>(options.seed),
                 options.replaying ? "replaying" : "random actions");
    driver.Start();
    const int result = app.exec();
    // A failure says why before it exits; anything else that ends the loop is named here.
    if (result != 0)
        std::fprintf(stderr, "soak: the event loop ended with %d after action %d (main window %s)\n", result,
                     driver.actionsRun(), frame->isVisible() ? "shown" : "closed");
    for (ui::CChildFrame* child : frame->childFrames()) child->document().SetModifiedFlag(false);
    return result;
}
