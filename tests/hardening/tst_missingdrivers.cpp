// Exports where a Qt SQL driver is missing: before any driver loads, Qt's library path
// points at a folder with only the other driver. Qt never unloads a driver, hence a
// process per case: ORVEX_MISSING_DRIVER names the driver missing, QMYSQL (the host's)
// or QSQLITE; CTest runs this executable once for each.

#include "../staging/stagingtestkit.h"
#include "hardeningcompany.h"
#include "stagingdatabase.h"
#include "pluginhost.h"

#include <QSqlQuery>
#include <QtTest>

class TestMissingDrivers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noMySqlDriver();
    void noSqliteDriver();

private:
    int exportInTestMode();
    QString missing; // the driver hidden in this process
    QTemporaryDir folders;
    QScopedPointer<PluginHost> plugin;
    QHash<QString, QVariant> result;
};

// TEST mode of uid 1 on DB_test_paterns/prepared.db in `folders`, work written per day.
int TestMissingDrivers::exportInTestMode()
{
    QVariantMap options = hardeningOptions();
    options.insert(QStringLiteral("Práca"), hardeningRow(0, 2, 1, 1));
    QHash<QString, QVariant> parameters = hardeningParameters("1", folders.path(), options);
    parameters.unite({{"mode", "test"}, {"testWorkPath", folders.path()}, {"dbName", "prepared.db"}});
    return plugin->exporter()->makeExport(parameters, &result);
}

void TestMissingDrivers::initTestCase()
{
    missing = QString::fromLatin1(qgetenv("ORVEX_MISSING_DRIVER"));
    if (missing != "QMYSQL" && missing != "QSQLITE")
        QSKIP("ORVEX_MISSING_DRIVER names the driver to hide: QMYSQL or QSQLITE");
    // Its file name, the driver kept, the driver missing.
    const QStringList driver = missing == "QMYSQL" ? QStringList{"sqlite", "QSQLITE", "QMYSQL"}
                                                   : QStringList{"mysql", "QMYSQL", "QSQLITE"};
    const QDir installed(QLibraryInfo::location(QLibraryInfo::PluginsPath) + "/sqldrivers");
    QVERIFY(QDir().mkpath(folders.filePath("plugins/sqldrivers")));
    bool linked = false;
    for (const QString& file : installed.entryList(QDir::Files))
        if (file.contains(driver.at(0)))
            linked |= QFile::link(installed.filePath(file), folders.filePath("plugins/sqldrivers/" + file));
    if (!linked)
        QSKIP("the Qt SQL driver that the case keeps is not installed");
    QCoreApplication::setLibraryPaths({folders.filePath("plugins")});
    QVERIFY(QSqlDatabase::drivers().contains(driver.at(1)) && !QSqlDatabase::drivers().contains(driver.at(2)));
    plugin.reset(new PluginHost);
    QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
}

// The normal mode fails naming the missing driver and writes no file; TEST mode
// needs no host and exports its staging file: 5001 worked 8 hours on 4 and 5 March.
void TestMissingDrivers::noMySqlDriver()
{
    if (missing != "QMYSQL")
        QSKIP("the process of ORVEX_MISSING_DRIVER=QMYSQL tests it");
    QVERIFY(QDir().mkpath(folders.filePath("DB_test_paterns")) && QDir().mkpath(folders.filePath("TMP")));
    StagingDatabase prepared(QStringLiteral("DB_test_paterns/prepared.db"));
    QVERIFY(prepared.open(folders.filePath("DB_test_paterns/prepared.db")));
    prepared.createTables(false);
    QSqlQuery query(prepared.db());
    const QString spans = "(id INTEGER PRIMARY KEY, uid INT, iid INT, kod TEXT, sum REAL, sumDays REAL, "
                          "begDay INT, endDay INT, month INT)";
    const QStringList statements{
        "CREATE TABLE linters (iid INT, name TEXT)", "INSERT INTO linters VALUES (1, 'Práca')",
        "INSERT INTO lpeople (uid, pid, pamId) VALUES (1, 101, '5001')", "CREATE TABLE lintersSpans " + spans,
        "CREATE TABLE lintersSpansAround " + spans,
        "INSERT INTO latten (uid, dom, fond, work, expFund) VALUES (1, 4, 28800, 28800, 0), (1, 5, 28800, 28800, 0)"
    };
    for (const QString& statement : statements)
        QVERIFY2(query.exec(statement), qPrintable(statement));

    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("checkPeople\\(\\) - SQL ERROR .*Driver not loaded"));
    plugin->exporter()->setDatabase(QSqlDatabase::addDatabase("QMYSQL", "host-without-driver"));
    QCOMPARE(plugin->exporter()->makeExport(hardeningParameters("1", folders.path()), &result), -1);
    QVERIFY2(result.value("errorString").toString().startsWith(
                 peopleListFailure + " (interná chyba SQL: ovládač databázy QMYSQL nie je nainštalovaný)!"),
             qPrintable(result.value("errorString").toString()));
    QVERIFY(!QFile::exists(folders.filePath(hardeningFileName)));

    QCOMPARE(exportInTestMode(), 0);
    QSqlDatabase output = QSqlDatabase::addDatabase("QSQLITE", "output");
    output.setDatabaseName(folders.filePath("TMP/tmp_outDatabase.db"));
    QVERIFY(output.open());
    QCOMPARE(stagingRows(output, "SELECT item0, item1, item2, item3, item4, item5, item6 FROM export ORDER BY id"),
             (QStringList{"2024|03|5001|1|8|04.03.2024|04.03.2024", "2024|03|5001|1|8|05.03.2024|05.03.2024"}));
}
// No staging database: no file, the export answers -1 and says why, and so does TEST mode
// (no output database). No staging statement may reach the host's database, which is
// also the default connection, as in the host.
void TestMissingDrivers::noSqliteDriver()
{
    if (missing != "QSQLITE")
        QSKIP("the process of ORVEX_MISSING_DRIVER=QSQLITE tests it");
    TestHostDb host(QStringLiteral("t_hardening_nosqlite"));
    QVERIFY2(host.isOpen(), qPrintable(host.errorText()));
    buildHardeningCompany(host, {"8001", "8002"});
    plugin->exporter()->setDatabase(host.db());
    const QSqlDatabase defaultDb = host.openAsDefaultConnection();
    QVERIFY(defaultDb.isOpen());
    const QStringList hostTables = defaultDb.tables();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("driver QSQLITE not available"));
    QCOMPARE(plugin->exporter()->makeExport(hardeningParameters("all", folders.path()), &result), -1);
    QCOMPARE(result.keys(), QStringList{"errorString"});
    QVERIFY2(result.value("errorString").toString().startsWith(
                 "Export sa nepodaril, zlyhal krok: otvorenie pomocnej databázy SQLite (driver QSQLITE not available"),
             qPrintable(result.value("errorString").toString()));
    QVERIFY(!QFile::exists(folders.filePath(hardeningFileName)));
    result = {{"untouched", true}};
    QCOMPARE(exportInTestMode(), -1);
    QCOMPARE(result.keys().size(), 2);
    QVERIFY(result.value("errorString").toString().contains("otvorenie výstupnej databázy testu"));
    QCOMPARE(defaultDb.tables(), hostTables);
}

QTEST_MAIN(TestMissingDrivers)
#include "tst_missingdrivers.moc"
