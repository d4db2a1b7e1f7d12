// makeExport: the fixed sequence of one export. No step is skipped because an
// earlier one failed; failures are logged and later steps work with whatever
// the earlier ones left.

#include "orvexuniversal.h"

#include "stagingsql.h"
#include "tenradbsettings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlResult>

namespace {

const char* const stagingConnectionName = "SQLiteConnectionDravo";
const char* const testOutConnectionName = "SQLiteConnectionDravo_out";

// Working directory of TEST mode, always ending in "/".
QString normalisedWorkPath(const QString& given)
{
    QString path = given.isEmpty() ? QCoreApplication::applicationDirPath() : given;
    if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('"')))
        path += QLatin1Char('/');
    return path;
}

bool sqliteAvailable()
{
    return QSqlDatabase::drivers().contains(QStringLiteral("QSQLITE"));
}

QSqlError missingSqliteError()
{
    return QSqlError(QStringLiteral("driver QSQLITE not available"), QString(), QSqlError::ConnectionError);
}

// The statements of a connection without its driver: each one fails.
class MissingSqliteResult : public QSqlResult
{
public:
    explicit MissingSqliteResult(const QSqlDriver* driver) : QSqlResult(driver) {}

protected:
    QVariant data(int) override { return QVariant(); }
    bool isNull(int) override { return true; }
    bool reset(const QString&) override
    {
        setLastError(missingSqliteError());
        return false;
    }
    bool fetch(int) override { return false; }
    bool fetchFirst() override { return false; }
    bool fetchLast() override { return false; }
    int size() override { return -1; }
    int numRowsAffected() override { return -1; }
};

// Stands in for the SQLite driver when Qt offers none. Without it the staging
// connection would be invalid, and a query on an invalid connection runs on
// the application's default connection instead, which in the host is the
// host's own database: the staging statements (DROP TABLE, CREATE TABLE,
// INSERT) would reach it. A connection on this driver is valid, opens nothing
// and runs no statement.
class MissingSqliteDriver : public QSqlDriver
{
public:
    bool hasFeature(DriverFeature) const override { return false; }
    bool open(const QString&, const QString&, const QString&, const QString&, int, const QString&) override
    {
        setOpenError(true);
        setLastError(missingSqliteError());
        return false;
    }
    void close() override {}
    QSqlResult* createResult() const override { return new MissingSqliteResult(this); }
};

// Registers a fresh SQLite connection under `name`, replacing the connection
// of an earlier export. `handle` is the member that held the earlier one: it
// lets go first, so the old connection is removed quietly. Without the
// SQLite driver the connection fails to open, and says why.
QSqlDatabase registerSqlite(QSqlDatabase& handle, const char* name)
{
    handle = QSqlDatabase();
    QSqlDatabase::removeDatabase(QLatin1String(name));
    if (!sqliteAvailable())
        return QSqlDatabase::addDatabase(new MissingSqliteDriver, QLatin1String(name));
    return QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(name));
}

// A prepared staging file may carry the host's interruption names in the
// table `linters` (written by the tool that prepares such files). With them a
// TEST run finds the row settings and the special interruptions by itself
// instead of depending on what an earlier export left in the maps.
bool readInterruptionNamesFromStaging(Orvexuniversal& plugin)
{
    if (!plugin.stagingDb.tables().contains(QStringLiteral("linters"))) {
        qDebug() << "Orvexuniversal::makeExport() ::: no table [linters] in the test database, "
                    "interruption names are those of an earlier export";
        return false;
    }
    QSqlQuery query(plugin.stagingDb);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT iid, name FROM linters ORDER BY rowid"))) {
        qWarning() << "Orvexuniversal::makeExport() ::: SQLite ERROR: (SELECT iid, name FROM linters ) :: "
                   << query.lastError().text();
        return false;
    }
    while (query.next()) {
        const unsigned iid = query.value(0).toUInt();
        const QString name = query.value(1).toString();
        plugin.iid2NameMap.insert(iid, name);
        plugin.name2iidMap.insert(name, iid);
    }
    return true;
}

} // namespace

int Orvexuniversal::makeExport(const QHash<QString, QVariant>& parameters,
                               QHash<QString, QVariant>* result)
{
    qDebug() << "*** Orvexuniversal::makeExport() ***";

    testMode = parameters.value(QStringLiteral("mode")).toString() == QLatin1String("test");
    testWorkPath = normalisedWorkPath(parameters.value(QStringLiteral("testWorkPath")).toString());
    exportWarnings.clear();
    runFailure = RunFailure();
    // Statements prepared on the staging connection of an earlier export go
    // before that connection is replaced.
    dropStagingStatements();

    initExportVariables(parameters);
    if (!testMode)
        readAdvancedOvertimeFromHost();

    monthText = periodDate.toString(QStringLiteral("MM"));
    exportFileName = QStringLiteral("ds%1%2_ID-%3.txt")
                         .arg(monthText, yearText,
                              QString::number(parameters.value(QStringLiteral("pamSettingsId")).toUInt()));

    int returnValue = 0;
    if (testMode)
        runTestMode(parameters, result, returnValue);
    else
        runNormalMode(parameters, result, returnValue);
    return returnValue;
}

// A host setting that cannot be read falls back to its default: the export
// goes on.
void Orvexuniversal::readAdvancedOvertimeFromHost()
{
    const QStringList names = {
        QStringLiteral("advancedOvertime"), QStringLiteral("groupsPlanEnabled"), QStringLiteral("iidPN"),
        QStringLiteral("iidOCR"), QStringLiteral("iidMD"), QStringLiteral("iidUr"), QStringLiteral("iidKar")};
    const QMap<QString, QVariant> vars = TenraDbSettings::variableGetMultiple(hostDb, names);
    advancedOvertime = vars.value(QStringLiteral("advancedOvertime"), false).toBool();
}

// Opens a fresh staging connection on `databaseName`; false (logged) when it
// cannot be opened.
bool Orvexuniversal::openStaging(const QString& databaseName)
{
    stagingQuery = QSqlQuery();
    stagingDb = registerSqlite(stagingDb, stagingConnectionName);
    stagingDb.setDatabaseName(databaseName);
    const bool opened = stagingDb.open();
    if (!opened)
        qWarning() << "Orvexuniversal::makeExport() ::: SQLite ERROR: " << stagingDb.lastError().text();
    stagingQuery = QSqlQuery(stagingDb);
    return opened;
}

// Runs a step on the staging database unless the export has failed already;
// a statement of the step that failed (a row or a span lost) fails the export.
void Orvexuniversal::runStagingStep(const QString& step, const std::function<void()>& work)
{
    if (runFailed())
        return;
    SqlFailureWatch watch;
    work();
    if (watch.failed())
        failRun(step, watch.firstReason());
}

void Orvexuniversal::runNormalMode(const QHash<QString, QVariant>& parameters,
                                   QHash<QString, QVariant>* result, int& returnValue)
{
    // The host always passes a result hash; one of our own keeps a careless
    // caller from crashing the export.
    QHash<QString, QVariant> ownResult;
    QHash<QString, QVariant>& hostResult = result ? *result : ownResult;

    QSqlQuery hostQuery(hostDb);
    getAllPeopleSelected();
    const QString wantedUids = selectedUids;
    if (!runFailed())
        checkPeople(selectedUids, parameters, hostQuery, hostResult);
    if (!runFailed() && !allPeople)
        reportUnknownSelectedIds(wantedUids);

    if (!runFailed() && !openStaging(QStringLiteral(":memory:")))
        failRun(tr("otvorenie pomocnej databázy SQLite"), stagingDb.lastError().text());

    runStagingStep(tr("vytvorenie pomocných tabuliek"), [this]() {
        qDebug() << "createSQLiteTables ~START";
        createSQLiteTables(stagingQuery, false);
        qDebug() << "createSQLiteTables ~DONE";
    });
    runStagingStep(tr("príprava údajov na export"), [this, &parameters]() {
        qDebug() << "loadDataToSQLiteTables ~START";
        loadDataToSQLiteTables(parameters);
        qDebug() << "loadDataToSQLiteTables ~DONE";
    });
    runStagingStep(tr("výpočet úsekov"), [this, &parameters]() {
        qDebug() << "spansCalc ~START";
        spansCalc(stagingQuery, true);
        spansCalcWork(stagingQuery, parameters);
        qDebug() << "spansCalc ~DONE";
    });

    QHash<QString, QVariant> runResult;
    if (!runFailed()) {
        getHolidaysMap();
        resolveSpecialInterruptions();
        reportPersonalNumbers();
        qDebug() << "runExport ~START";
        returnValue = runExport(parameters, runResult);
        qDebug() << "runExport ~DONE";
    }
    if (runFailed()) {
        // No file: the earlier one stays as it was, and the clerk learns why.
        hostResult.clear();
        hostResult.insert(QStringLiteral("errorString"), runFailureMessage(runFailure));
        returnValue = -1;
        return;
    }

    const QString errorKey = QStringLiteral("errorString");
    if (!runResult.contains(errorKey) && hostResult.contains(errorKey))
        runResult.insert(errorKey, hostResult.value(errorKey));
    hostResult = runResult;
}

void Orvexuniversal::resolveSpecialInterruptions()
{
    iidPN = name2iidMap.value(exportOptions.value(QStringLiteral("comboIntPN")).toString(), 0);
    iidOCR = name2iidMap.value(exportOptions.value(QStringLiteral("comboIntOCR")).toString(), 0);
    iidKarPN = name2iidMap.value(exportOptions.value(QStringLiteral("comboIntKarPN")).toString(), 0);
    iidKarOCR = name2iidMap.value(exportOptions.value(QStringLiteral("comboIntKarOCR")).toString(), 0);
}

void Orvexuniversal::runTestMode(const QHash<QString, QVariant>& parameters, QHash<QString, QVariant>* result,
                                 int& returnValue)
{
    testInputDbPath = testWorkPath + QStringLiteral("DB_test_paterns/")
                      + parameters.value(QStringLiteral("dbName")).toString();
    testOutputDbPath = testWorkPath + QStringLiteral("TMP/") + QStringLiteral("tmp_outDatabase.db");

    testOutDb = registerSqlite(testOutDb, testOutConnectionName);
    testOutDb.setDatabaseName(testOutputDbPath);
    if (testOutDb.open()) {
        createSQLiteTables(QSqlQuery(testOutDb), true);
    } else {
        qWarning() << "Orvexuniversal::makeExport() ::: SQLite ldbOut.open() ERROR: " << testOutDb.lastError().text();
        // Without its output database the run would only log a failed
        // insert per row.
        failRun(tr("otvorenie výstupnej databázy testu %1").arg(testOutputDbPath), testOutDb.lastError().text());
    }

    if (!runFailed()) {
        openStaging(testInputDbPath);
        readAdvancedOvertimeFromStaging();
        // The prepared file holds the period's holidays; the special
        // interruptions are resolved when it also holds the interruption names.
        getHolidaysMap();
        if (readInterruptionNamesFromStaging(*this))
            resolveSpecialInterruptions();
        getAllPeopleSelected();

        QHash<QString, QVariant> runResult;
        runExport(parameters, runResult);
        qDebug() << "Orvexuniversal::makeExport() - Plugin mode: TEST ";
    }
    // The host's result is touched only to say why the run failed.
    if (runFailed()) {
        if (result)
            result->insert(QStringLiteral("errorString"), runFailureMessage(runFailure));
        returnValue = -1;
    }
}

void Orvexuniversal::readAdvancedOvertimeFromStaging()
{
    if (!stagingQuery.exec(QStringLiteral(
            "SELECT name, value FROM lvars WHERE name='advancedOvertime' OR name= 'groupsPlanEnabled' "
            "OR name= 'exportUseXLSX'"))) {
        qWarning() << "Orvexuniversal::initExportVariables() ::: SQLite ERROR: (SELECT name, value FROM lvars ) :: "
                   << stagingQuery.lastError().text();
        return;
    }
    while (stagingQuery.next()) {
        if (stagingQuery.value(QStringLiteral("name")).toString() == QLatin1String("advancedOvertime"))
            advancedOvertime = stagingQuery.value(QStringLiteral("value")).toInt() == 1;
    }
}
