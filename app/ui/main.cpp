#include "app/ui/quorvantapp.h"
#include "app/version.h"
#include "backups/profilefolder.h"
#include "game/ui/qsettingsprofile.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>
#include <memory>

namespace {

// --help and --version only print, so they must work where no display can be opened.
bool OnlyPrints(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> app = OnlyPrints(argc, argv)
                                                ? std::make_unique<QCoreApplication>(argc, argv)
                                                : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorvant"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vexmoor Software"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(quorvant::ProgramVersion()));
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vexmoor.Quorvant"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Order-of-battle editor for Brass Wolves."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption profile(QStringLiteral("profile"),
                               QStringLiteral("Keep the settings in <folder> instead of the user's profile "
                                              "(also QUORVANT_PROFILE)."),
                               QStringLiteral("folder"));
    parser.addOption(profile);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("An OB file to open."));
    parser.process(*app);

    QString profileFolder = parser.value(profile);
    if (profileFolder.isEmpty()) profileFolder = qEnvironmentVariable("QUORVANT_PROFILE");
    if (!profileFolder.isEmpty()) quorvant::ui::QSettingsProfile::UseFolder(profileFolder);

    quorvant::ui::QSettingsProfile settings;

    // The same folder obtool finds: --profile, else QUORVANT_PROFILE, else the settings' own place.
    const QString given = parser.value(profile);
    quorvant::ui::CQuorvantApp quorvant(
        settings, nullptr,
        quorvant::ProfileFolder(given.isEmpty() ? std::nullopt
                                                : std::optional<std::string>(given.toStdString())));
    if (!quorvant.InitInstance(parser.positionalArguments())) return 1;
    return app->exec();
}
