#include "app/ui/qsettingsprofile.h"
#include "app/ui/quorvantapp.h"
#include "app/ui/screenshotmode.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvant"));
    QApplication::setOrganizationName(QStringLiteral("Vexmoor Software"));
    QApplication::setApplicationVersion(QStringLiteral("0.1"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Order-of-battle editor for Brass Wolves."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption profile(QStringLiteral("profile"),
                               QStringLiteral("Keep the settings in <folder> instead of the user's profile "
                                              "(also QUORVANT_PROFILE)."),
                               QStringLiteral("folder"));
    QCommandLineOption screenshots(QStringLiteral("screenshots"), QString(), QStringLiteral("folder"));
    screenshots.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(profile);
    parser.addOption(screenshots);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("An OB file to open."));
    parser.process(app);

    QString profileFolder = parser.value(profile);
    if (profileFolder.isEmpty()) profileFolder = qEnvironmentVariable("QUORVANT_PROFILE");
    if (!profileFolder.isEmpty()) quorvant::ui::QSettingsProfile::UseFolder(profileFolder);

    quorvant::ui::QSettingsProfile settings;
    if (parser.isSet(screenshots))
        return quorvant::ui::RunScreenshotMode(settings, parser.value(screenshots));

    quorvant::ui::CQuorvantApp quorvant(settings);
    if (!quorvant.InitInstance(parser.positionalArguments())) return 1;
    return app.exec();
}
