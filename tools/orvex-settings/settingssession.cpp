#include "settingssession.h"

#include "commandoptions.h"
#include "defaultplugin.h"
#include "settingstext.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

namespace {

bool parseNumber(const QString& text, int minimum, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= minimum;
}

} // namespace

bool parseSettingsArguments(const QStringList& arguments, SettingsRequest& request, QString& helpText,
                            QString& errorText)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        OrvexSettings::tr("Shows the Orvexuniversal settings page as the attendance host shows it, loaded with the "
                       "stored settings of the host database. On closing, the edited options record is printed "
                       "as JSON on stdout. The database password is taken from ORVEX_DB_PASSWORD."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption plugin(QStringLiteral("plugin"),
                                    OrvexSettings::tr("Plug-in file (default: the installed one, else the built one)."),
                                    QStringLiteral("file"), defaultPluginFile(QStringLiteral(ORVEX_SETTINGS_DEFAULT_PLUGIN)));
    const HostOptions hostOptions;
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        OrvexSettings::tr("Save settings-tab1.png ... of every tab into dir and quit."),
                                        QStringLiteral("dir"));
    const QCommandLineOption autoClose(QStringLiteral("auto-close"),
                                       OrvexSettings::tr("Close the page after ms milliseconds."), QStringLiteral("ms"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      OrvexSettings::tr("The language of the output and of the page: sk or en (default for the "
                                                        "output: Slovak in a Slovak locale, else English; the page: its Slovak texts)."),
                                      QStringLiteral("sk|en"));
    const QCommandLineOption size(QStringLiteral("size"), OrvexSettings::tr("Window size, e.g. 1000x560."),
                                  QStringLiteral("WxH"));
    parser.addOption(plugin);
    hostOptions.addTo(parser);
    parser.addOptions({screenshot, autoClose, language, size});

    if (!parser.parse(arguments)) {
        errorText = parser.errorText();
        return false;
    }
    if (parser.isSet(help)) {
        helpText = parser.helpText();
        return true;
    }
    if (!checkArguments(parser, {&hostOptions.database}, errorText)
        || !hostOptions.read(parser, request.connection, request.settingsId, errorText))
        return false;
    // QPluginLoader looks up relative names in the library paths, not here.
    request.pluginPath = QFileInfo(parser.value(plugin)).absoluteFilePath();
    request.screenshotDir = parser.value(screenshot);
    request.language = parser.value(language);
    if (parser.isSet(autoClose) && !parseNumber(parser.value(autoClose), 0, request.autoCloseMs)) {
        errorText = OrvexSettings::tr("--auto-close \"%1\" is not a number of milliseconds").arg(parser.value(autoClose));
        return false;
    }
    if (parser.isSet(size)) {
        const QStringList parts = parser.value(size).split(QLatin1Char('x'));
        int width = 0, height = 0;
        if (parts.size() != 2 || !parseNumber(parts.at(0), 1, width) || !parseNumber(parts.at(1), 1, height)) {
            errorText = OrvexSettings::tr("--size \"%1\" is not WIDTHxHEIGHT").arg(parser.value(size));
            return false;
        }
        request.size = QSize(width, height);
    }
    return true;
}

