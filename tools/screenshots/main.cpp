// Writes PNG pictures of every window of the editor, drawn offscreen, for the README and for looking
// at a change without a display: quorvant_screenshots [--profile FOLDER] OUTPUT_FOLDER.

#include "game/ui/qsettingsprofile.h"
#include "tools/screenshots/screenshotmode.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorvant"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vexmoor Software"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pictures of every window of the editor."));
    parser.addHelpOption();
    QCommandLineOption profile(QStringLiteral("profile"),
                               QStringLiteral("Take the settings from <folder> (a demo game's profile)."),
                               QStringLiteral("folder"));
    parser.addOption(profile);
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("The folder the pictures go to."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) parser.showHelp(2);

    if (parser.isSet(profile)) quorvant::ui::QSettingsProfile::UseFolder(parser.value(profile));
    quorvant::ui::QSettingsProfile settings;
    return quorvant::ui::RunScreenshotMode(settings, parser.positionalArguments().front());
}
