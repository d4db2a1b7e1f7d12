// orvex-settings: the export's settings page, shown the way the attendance
// host shows it.
//
//   ORVEX_DB_PASSWORD=... orvex-settings --database NAME [--socket PATH | --host H --port P] [--user U]
//                  [--settings-id ID] [--plugin FILE] [--language en]
//                  [--screenshot DIR] [--auto-close MS] [--size WxH]
//
// The host's steps, in its order: the database becomes the application's
// default connection, the plug-in file is loaded through QPluginLoader, the
// page comes from getOptionsWidget(), is loaded with the stored options
// record ("optWidget") through setOptionsData() and shown. When it is closed
// the record as the page left it (optionsData()) is printed as JSON.

#include "commandoptions.h"
#include "hostconnection.h"
#include "pamexportinterface.h"
#include "pamoptionswidget.h"
#include "settingssession.h"
#include "settingstext.h"
#include "storedsettings.h"
#include "toollanguage.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPluginLoader>
#include <QPixmap>
#include <QScopedPointer>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

enum ExitCode { Done = 0, UsageError = 1, HostError = 2, ScreenshotError = 3 };

int fail(ExitCode code, const QString& text)
{
    QTextStream(stderr) << "orvex-settings: " << text << '\n';
    return code;
}

// Every tab as its own PNG: settings-tab1.png, settings-tab2.png, ...
bool saveTabScreenshots(QWidget* page, const QString& dirPath, QString& errorText)
{
    QTabWidget* tabs = page->findChild<QTabWidget*>(QStringLiteral("tabWidget"));
    if (!tabs) {
        errorText = OrvexSettings::tr("the settings page has no tabs");
        return false;
    }
    if (!QDir().mkpath(dirPath)) {
        errorText = OrvexSettings::tr("cannot create the folder %1").arg(dirPath);
        return false;
    }
    const int shown = tabs->currentIndex();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        // Item views lay out their cell widgets on a zero timer.
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
        const QString path = QDir(dirPath).filePath(QStringLiteral("settings-tab%1.png").arg(i + 1));
        if (!page->grab().save(path, "PNG")) {
            errorText = OrvexSettings::tr("cannot write %1").arg(path);
            return false;
        }
        QTextStream(stderr) << QStringLiteral("orvex-settings: ") << OrvexSettings::tr("saved %1").arg(path) << '\n';
    }
    tabs->setCurrentIndex(shown);
    return true;
}

void printRecord(const QHash<QString, QVariant>& record)
{
    const QByteArray json = QJsonDocument(QJsonObject::fromVariantHash(record)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    // Without any display the page is rendered offscreen: enough for
    // --screenshot and --auto-close, and for the usage messages.
    hideQtStartupNoise();
    const bool headless = renderOffscreenWithoutDisplay("orvex-settings");
    const QStringList arguments = commandLineArguments(argc, argv);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("orvex-settings"));
    // The host's dialogs use the 9-point Windows dialog font; the page's rows
    // (24 pixels) are laid out for it.
    QFont font = QApplication::font();
    font.setPointSize(9);
    QApplication::setFont(font);

    QString language;
    if (!chooseToolLanguage(languageArgument(arguments), QLocale::system().uiLanguages(), language))
        return fail(UsageError, QStringLiteral("--language takes sk or en, not \"%1\"").arg(language));
    installToolTranslation(language);

    SettingsRequest request;
    QString helpText, errorText;
    if (!parseSettingsArguments(arguments, request, helpText, errorText))
        return fail(UsageError, errorText + OrvexSettings::tr(" (see --help)"));
    if (!helpText.isEmpty()) {
        QTextStream(stdout) << helpText;
        return Done;
    }
    if (headless && request.screenshotDir.isEmpty() && request.autoCloseMs < 0)
        return fail(UsageError, OrvexSettings::tr("there is no display to show the page on: give --screenshot or "
                                               "--auto-close, or run under a display (e.g. xvfb-run)"));

    // The options page reads the stored settings through the application's
    // default connection, as in the host.
    QString password;
    if (!hostPassword(request.connection, password, errorText))
        return fail(UsageError, errorText);
    QSqlDatabase hostDb;
    if (!openHostDatabase(request.connection, password, QLatin1String(QSqlDatabase::defaultConnection), hostDb,
                          errorText))
        return fail(HostError, errorText);

    QPluginLoader loader(request.pluginPath);
    PamExportInterface* exporter = qobject_cast<PamExportInterface*>(loader.instance());
    if (!exporter)
        return fail(HostError, OrvexSettings::tr("cannot load the plug-in %1: %2")
                                   .arg(request.pluginPath, loader.errorString()));
    exporter->setDatabase(hostDb);

    // The translations are compiled into the module; they are reachable once it is loaded.
    QTranslator translator;
    if (!request.language.isEmpty()) {
        const QString qm = QStringLiteral(":/translations/orvexuniversal_%1.qm").arg(request.language);
        if (!translator.load(qm))
            return fail(UsageError, OrvexSettings::tr("the plug-in has no translation \"%1\" (%2)")
                                        .arg(request.language, qm));
        QApplication::installTranslator(&translator);
    }

    // Without a record of the plug-in's type the page starts from an empty one.
    StoredSettings settings;
    switch (lookUpStoredSettings(hostDb, pluginSettingsType(), request.settingsId, settings, errorText)) {
    case SettingsLookup::Failed:
        return fail(HostError, errorText);
    case SettingsLookup::NoneOfType:
        QTextStream(stderr) << QStringLiteral("orvex-settings: ")
                            << OrvexSettings::tr("no stored settings of type %1; the page starts from an empty record")
                                   .arg(pluginSettingsType())
                            << '\n';
        break;
    case SettingsLookup::Found:
        break;
    }

    QScopedPointer<PamOptionsWidget> page(exporter->getOptionsWidget());
    if (!page)
        return fail(HostError, OrvexSettings::tr("the plug-in gave no settings page"));
    page->setOptionsData(settings.optWidget);
    page->setWindowTitle(QStringLiteral("%1 - nastavenia exportu").arg(exporter->getType()));
    if (request.size.isValid())
        page->resize(request.size);
    page->show();

    if (!request.screenshotDir.isEmpty()) {
        const bool saved = saveTabScreenshots(page.data(), request.screenshotDir, errorText);
        printRecord(page->optionsData());
        return saved ? Done : fail(ScreenshotError, errorText);
    }
    if (request.autoCloseMs >= 0)
        QTimer::singleShot(request.autoCloseMs, page.data(), &QWidget::close);
    app.exec();
    printRecord(page->optionsData());
    return Done;
}
