// Exports on a machine where a Qt SQL driver is missing: before any driver
// loads, Qt's library paths are pointed at folders holding only the drivers of
// the case. Qt never unloads a driver it has found, hence the order of the
// cases and a second executable (ORVEX_DRIVERS_CASE 2):
//   1: no driver at all, then SQLite only (the host's MySQL driver missing)
//   2: MySQL only (the staging database's SQLite driver missing)

#include "hardeningcompany.h"
#include "logcapture.h"
#include "orvexuniversal.h"
#include "pluginhost.h"

#include <QDir>
#include <QLibraryInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A Qt library path holding under sqldrivers/ links to the installed drivers
// whose file names contain `driver`; false when there is none.
bool driverFolder(const QString& folder, const QString& driver)
{
    const QDir installed(QLibraryInfo::location(QLibraryInfo::PluginsPath) + "/sqldrivers");
    bool linked = false;
    if (QDir().mkpath(folder + "/sqldrivers"))
        for (const QString& file : installed.entryList({"*" + driver + "*"}, QDir::Files))
            linked = QFile::link(installed.filePath(file), folder + "/sqldrivers/" + file) || linked;
    return linked;
}

// A TEST-mode export of uid 1 from `workPath`, work written per day.
QHash<QString, QVariant> testModeParameters(const QString& workPath)
{
    QVariantMap options = hardeningOptions();
    options.insert(QStringLiteral("Práca"), hardeningRow(0, 2, 1, 1));
    QHash<QString, QVariant> parameters = hardeningParameters("1", workPath, options);
    parameters.insert("mode", "test");
    parameters.insert("testWorkPath", workPath);
    parameters.insert("dbName", "prepared.db");
    return parameters;
}

#if ORVEX_DRIVERS_CASE == 1
// A query on the SQLite file `path`; the connection stays open.
QSqlQuery sqlite(const QString& path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", path);
    db.setDatabaseName(path);
    db.open();
    return QSqlQuery(db);
}
#endif

} // namespace

class TestMissingDrivers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
#if ORVEX_DRIVERS_CASE == 1
    void noDriverAtAll();
    void noMySqlDriver();
#else
    void noSqliteDriver();
#endif

private:
    QTemporaryDir folders;
    QScopedPointer<PluginHost> plugin;
    QHash<QString, QVariant> result;
};

void TestMissingDrivers::initTestCase()
{
    QVERIFY(QDir().mkpath(folders.filePath("empty")));
#if ORVEX_DRIVERS_CASE == 1
    QCoreApplication::setLibraryPaths({folders.filePath("empty")});
    QCOMPARE(QSqlDatabase::drivers(), QStringList());
#else
    if (!driverFolder(folders.filePath("mysql-only"), "mysql"))
        QSKIP("the MySQL driver of Qt is not installed");
    QCoreApplication::setLibraryPaths({folders.filePath("mysql-only")});
    QVERIFY(QSqlDatabase::drivers().contains("QMYSQL") && !QSqlDatabase::drivers().contains("QSQLITE"));
#endif
    plugin.reset(new PluginHost);
    QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
}

#if ORVEX_DRIVERS_CASE == 1

// Neither the host's connection nor the staging database works: the people
// list failure reaches the clerk; TEST mode leaves the result alone.
void TestMissingDrivers::noDriverAtAll()
{
    LogCapture log;
    QSqlDatabase hostDb = QSqlDatabase::addDatabase("QMYSQL", "host-without-driver");
    QVERIFY(!hostDb.isValid());
    plugin->exporter()->setDatabase(hostDb);
    QTemporaryDir directory;
    QCOMPARE(plugin->exporter()->makeExport(hardeningParameters("all", directory.path()), &result), 0);
    QVERIFY(result.value("errorString").toString().startsWith(peopleListFailure));
    QVERIFY(result.value("doneString").toString().startsWith(
        QStringLiteral("Export neprebehol, pretože zoznam ľudí je prázdny!")));
    QVERIFY(log.contains("critical", "checkPeople() - SQL ERROR"));
    QVERIFY(log.contains("warning", "driver QSQLITE not available"));

    result = {{"untouched", true}};
    QCOMPARE(plugin->exporter()->makeExport(testModeParameters(directory.path()), &result), 0);
    QCOMPARE(result, (QHash<QString, QVariant>{{"untouched", true}}));
    QVERIFY(log.matching("warning", "driver QSQLITE not available").size() >= 2);
}

// TEST mode needs no host and exports the prepared staging file (one person,
// 5001, who worked 8 hours on 4 and 5 March); the normal mode reports the
// people list failure.
void TestMissingDrivers::noMySqlDriver()
{
    if (!driverFolder(folders.filePath("sqlite-only"), "sqlite"))
        QSKIP("the SQLite driver of Qt is not installed");
    QCoreApplication::setLibraryPaths({folders.filePath("empty"), folders.filePath("sqlite-only")});
    QVERIFY(QSqlDatabase::drivers().contains("QSQLITE") && !QSqlDatabase::drivers().contains("QMYSQL"));

    QTemporaryDir work;
    QVERIFY(QDir().mkpath(work.filePath("DB_test_paterns")) && QDir().mkpath(work.filePath("TMP")));
    QSqlQuery staging = sqlite(work.filePath("DB_test_paterns/prepared.db"));
    Orvexuniversal().createSQLiteTables(staging, false);
    QStringList statements{"CREATE TABLE linters (iid INT, name TEXT)", "INSERT INTO linters VALUES (1, 'Práca')",
                           "INSERT INTO lpeople (uid, pid, pamId) VALUES (1, 101, '5001')"};
    for (const char* table : {"lintersSpans", "lintersSpansAround"})
        statements << QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, uid INT, iid INT, kod TEXT, sum REAL, "
                                     "sumDays REAL, begDay INT, endDay INT, month INT)").arg(table);
    for (int day = 4; day <= 5; ++day)
        statements << QStringLiteral("INSERT INTO latten (uid, dom, fond, work, expFund) VALUES (1, %1, 28800, 28800, 0)")
                          .arg(day);
    for (const QString& statement : statements)
        QVERIFY2(staging.exec(statement), qPrintable(statement));

    LogCapture log;
    plugin->exporter()->setDatabase(QSqlDatabase::addDatabase("QMYSQL", "host-without-driver"));
    QCOMPARE(plugin->exporter()->makeExport(hardeningParameters("all", work.path()), &result), 0);
    QVERIFY(result.value("errorString").toString().startsWith(peopleListFailure));
    QVERIFY(log.contains("critical", "checkPeople() - SQL ERROR"));
    QVERIFY(log.contains("critical", "Driver not loaded"));

    QCOMPARE(plugin->exporter()->makeExport(testModeParameters(work.path()), &result), 0);
    QSqlQuery written = sqlite(work.filePath("TMP/tmp_outDatabase.db"));
    QVERIFY(written.exec("SELECT item0 || '|' || item1 || '|' || item2 || '|' || item3 || '|' || item4 || '|' || item5 "
                         "|| '|' || item6 FROM export ORDER BY id"));
    QStringList rows;
    while (written.next())
        rows << written.value(0).toString();
    QCOMPARE(rows, (QStringList{"2024|03|5001|1|8|04.03.2024|04.03.2024", "2024|03|5001|1|8|05.03.2024|05.03.2024"}));
}

#else

// The host answers but there is no staging database: the rows of `export`
// cannot be read, the file is left empty, the export answers 0 and the log
// says why. The host's database is also the default connection, as in the
// host application: no staging statement may reach it.
void TestMissingDrivers::noSqliteDriver()
{
    TestHostDb host(QStringLiteral("t_hardening_nosqlite"));
    QVERIFY2(host.isOpen(), qPrintable(host.errorText()));
    buildHardeningCompany(host, {"8001", "8002"});
    plugin->exporter()->setDatabase(host.db());
    QSqlDatabase defaultDb = QSqlDatabase::addDatabase("QMYSQL");
    defaultDb.setConnectOptions(TestHostDb::connectOptions());
    defaultDb.setUserName("root");
    defaultDb.setDatabaseName(host.name());
    QVERIFY(defaultDb.open());
    const QStringList hostTables = defaultDb.tables();

    LogCapture log;
    QTemporaryDir directory;
    QCOMPARE(plugin->exporter()->makeExport(hardeningParameters("all", directory.path()), &result), 0);
    QVERIFY(!result.contains("errorString"));
    QCOMPARE(fileBytes(directory.filePath(hardeningFileName)), QByteArray());
    QVERIFY(log.contains("warning", "driver QSQLITE not available"));
    QVERIFY(log.contains("warning", "createCSVfile() ::: SQLite ERROR: (SELECT * FROM export )"));
    QCOMPARE(plugin->exporter()->makeExport(testModeParameters(directory.path()), &result), 0);
    QCOMPARE(defaultDb.tables(), hostTables);
}

#endif

QTEST_MAIN(TestMissingDrivers)
#include "test_missingdrivers.moc"
