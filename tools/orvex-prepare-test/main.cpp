// orvex-prepare-test: one month of a host database as a prepared staging file
// for the plug-in's TEST mode.
//
//   orvex-prepare-test --database tenra --socket /run/mysqld/mysqld.sock --user export
//       --month 2024-03 --out DB_test_paterns/customer-2024-03.db [--people all|12,15]
//       [--settings-id 7] [--params params.json] [--time-zone Europe/Bratislava]
//
// Exit status: 0 written, 1 the data could not be read or written, 2 usage,
// an unknown time zone or an output folder that does not exist.

#include "exportparameters.h"
#include "fileaccess.h"
#include "preparerequest.h"
#include "preparetext.h"
#include "processzone.h"
#include "stagingfile.h"
#include "storedsettings.h"
#include "toollanguage.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

enum ExitStatus { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

const char* const hostConnectionName = "orvex-prepare-test-host";

// The zone given is made the process's zone; without one, the system's zone
// is used and named in a warning when it is UTC. The month, "previous" and
// "current" included, is then read in that zone.
bool chooseTimeZone(PrepareRequest& request, QByteArray& zone, QString& errorText)
{
    QString warning;
    if (!chooseProcessZone(request.selection.timeZone, zone, warning, errorText)
        || !parseMonth(request.selection.monthArgument, QDate::currentDate(), request.year, request.month, errorText)
        || !periodFitsHostTimes(request.year, request.month, errorText))
        return false;
    if (!warning.isEmpty())
        QTextStream(stderr) << "orvex-prepare-test: " << OrvexPrepareTest::tr("warning: ") << warning << "\n";
    return request.selection.timeZone.isEmpty()
           || localTimeFollowsZone(zone, QDate(request.year, request.month, 1), errorText);
}

// Both files go into folders that exist: nothing is written otherwise.
bool checkOutputPaths(const PrepareRequest& request, QString& errorText)
{
    for (const QString& path : {request.outFile, request.parametersFile}) {
        if (path.isEmpty())
            continue;
        const QFileInfo file(path);
        if (!file.absoluteDir().exists())
            errorText = OrvexPrepareTest::tr("the folder of \"%1\" does not exist").arg(path);
        else if (file.isDir())
            errorText = OrvexPrepareTest::tr("\"%1\" is a folder, not a file").arg(path);
        else
            continue;
        return false;
    }
    return true;
}

// The parameters of a TEST run on the written file: "dbName" is its name, and
// when it lies in a folder DB_test_paterns, that folder's parent is the
// working path. "timeZone" names the zone of the period, for a replay.
bool writeParameters(const QString& path, const QString& stagingFile, const QHash<QString, QVariant>& parameters,
                     const QByteArray& zone, QString& errorText)
{
    QHash<QString, QVariant> testParameters = parameters;
    testParameters.insert(QStringLiteral("mode"), QStringLiteral("test"));
    if (!zone.isEmpty())
        testParameters.insert(QStringLiteral("timeZone"), QString::fromLatin1(zone));
    const QFileInfo staging(stagingFile);
    testParameters.insert(QStringLiteral("dbName"), staging.fileName());
    QDir folder = staging.absoluteDir();
    if (folder.dirName() == QLatin1String("DB_test_paterns") && folder.cdUp())
        testParameters.insert(QStringLiteral("testWorkPath"), folder.absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(QJsonDocument(QJsonObject::fromVariantHash(testParameters)).toJson()) < 0) {
        errorText = OrvexPrepareTest::tr("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

void printSummary(QTextStream& out, const PrepareRequest& request, const QByteArray& zone,
                  const PreparedStaging& prepared)
{
    out << OrvexPrepareTest::tr("month %1 in the time zone %2: %n people in the run", nullptr, prepared.peopleCount)
               .arg(QStringLiteral("%1-%2").arg(request.year).arg(request.month, 2, 10, QLatin1Char('0')),
                    zone.isEmpty() ? QStringLiteral("unknown") : QString::fromLatin1(zone))
        << "\n";
    if (!prepared.excludedPeople.isEmpty())
        out << OrvexPrepareTest::tr("left out for unclosed days: %1").arg(prepared.excludedPeople.join(QLatin1Char(',')))
            << "\n";
    for (const auto& table : prepared.tableRows)
        out << "  " << table.first << ": "
            << (table.second < 0 ? OrvexPrepareTest::tr("not created") : OrvexPrepareTest::tr("%n rows", nullptr, table.second)) << "\n";
    out << OrvexPrepareTest::tr("written %1").arg(request.outFile) << "\n";
}

} // namespace

int main(int argc, char* argv[])
{
    // The loading step shows a progress dialog; without a display it is drawn
    // off screen.
    hideQtStartupNoise();
    renderOffscreenWithoutDisplay("orvex-prepare-test");
    // The staging file and the parameters hold the customer's personal data.
    restrictNewFiles();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString language;
    if (!chooseToolLanguage(languageArgument(app.arguments()), QLocale::system().uiLanguages(), language)) {
        err << "orvex-prepare-test: " << QStringLiteral("--language takes sk or en, not \"%1\"").arg(language) << "\n";
        return ExitUsage;
    }
    installToolTranslation(language);

    PrepareRequest request;
    QString errorText;
    bool helpShown = false;
    if (!parsePrepareArguments(app.arguments(), request, errorText, helpShown)) {
        err << "orvex-prepare-test: " << errorText << "\n" << OrvexPrepareTest::tr("(see --help)") << "\n";
        return ExitUsage;
    }
    if (helpShown)
        return ExitOk;
    QByteArray zone;
    if (!chooseTimeZone(request, zone, errorText) || !checkOutputPaths(request, errorText)) {
        err << "orvex-prepare-test: " << errorText << "\n";
        return ExitUsage;
    }

    QString password;
    if (!hostPassword(request.connection, password, errorText)) {
        err << "orvex-prepare-test: " << errorText << "\n";
        return ExitUsage;
    }
    QSqlDatabase hostDb;
    StoredSettings settings;
    if (!openHostDatabase(request.connection, password, QLatin1String(hostConnectionName), hostDb, errorText)
        || !readStoredSettings(hostDb, pluginSettingsType(), request.settingsId, settings, errorText)) {
        err << "orvex-prepare-test: " << errorText << "\n";
        return ExitFailed;
    }
    const QHash<QString, QVariant> parameters = exportParameters(request.year, request.month,
        request.selection.allPeople, request.selection.peopleIds, settings);

    PreparedStaging prepared;
    if (!writeStagingFile(hostDb, parameters, request.outFile, prepared, errorText)) {
        err << "orvex-prepare-test: " << errorText << "\n";
        return ExitFailed;
    }
    if (!prepared.hostError.isEmpty()) {
        err << "orvex-prepare-test: " << OrvexPrepareTest::tr("the people could not be read: %1").arg(prepared.hostError)
            << "\n";
        return ExitFailed;
    }
    if (!request.parametersFile.isEmpty() && !writeParameters(request.parametersFile, request.outFile, parameters, zone, errorText)) {
        err << "orvex-prepare-test: " << errorText << "\n";
        return ExitFailed;
    }
    restrictToOwnerAndGroup(request.outFile);
    if (!request.parametersFile.isEmpty())
        restrictToOwnerAndGroup(request.parametersFile);
    printSummary(out, request, zone, prepared);
    return ExitOk;
}
