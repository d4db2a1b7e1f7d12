// Exports on a machine where a Qt SQL driver is missing. Before any driver is
// loaded the test points Qt's library paths at folders that hold only the
// drivers of the case; Qt never unloads a driver it has found, so the cases
// run in this order, and the case without SQLite runs in an executable of
// its own (ORVEX_DRIVERS_CASE 2).
//   1: no driver at all, then SQLite only (the host's MySQL driver missing)
//   2: MySQL only (the staging database's SQLite driver missing)

#include "hardeningcompany.h"
#include "logcapture.h"
#include "orvexuniversal.h"
#include "pluginhost.h"

#include <QDir>
#include <QLibraryInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char* const peopleListFailure = "Zoznam zamestnancov pre export nebolo možné načítať z databázy";
const char* const emptyListMessage = "Export neprebehol, pretože zoznam ľudí je prázdny!";

// A folder usable as a Qt library path that holds, under sqldrivers/, links
// to the installed drivers whose file names contain `driverPart`.
bool driverFolder(const QString& folder, const QString& driverPart)
{
    const QDir installed(QLibraryInfo::location(QLibraryInfo::PluginsPath) + QStringLiteral("/sqldrivers"));
    if (!QDir().mkpath(folder + QStringLiteral("/sqldrivers")))
        return false;
    bool linked = false;
    for (const QString& file : installed.entryList(QDir::Files)) {
        if (file.contains(driverPart))
            linked = QFile::link(installed.filePath(file), folder + QStringLiteral("/sqldrivers/") + file) || linked;
    }
    return linked;
}

QHash<QString, QVariant> testModeParameters(const QString& workPath)
{
    QHash<QString, QVariant> parameters = hardeningParameters("1", workPath);
    parameters.insert(QStringLiteral("mode"), QStringLiteral("test"));
    parameters.insert(QStringLiteral("testWorkPath"), workPath);
    parameters.insert(QStringLiteral("dbName"), QStringLiteral("prepared.db"));
    QVariantMap options = hardeningOptions();
    options.insert(QStringLiteral("Práca"), QVariantMap{{"0", 0}, {"1", 2}, {"2", 1}, {"3", 1}});
    parameters.insert(QStringLiteral("optWidget"), options);
    return parameters;
}

#if ORVEX_DRIVERS_CASE == 1
// A prepared TEST-mode staging file: one person (uid 1, personal number
// 5001) who worked 8 hours on 4 and 5 March 2024, and the interruption names.
bool prepareStagingFile(const QString& path)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prepare"));
        db.setDatabaseName(path);
        if (db.open()) {
            Orvexuniversal plugin;
            QSqlQuery query(db);
            plugin.createSQLiteTables(query, false);
            ok = query.exec("CREATE TABLE linters (iid INT, name TEXT)")
                 && query.exec("INSERT INTO linters VALUES (1, 'Práca')")
                 && query.exec("INSERT INTO lpeople (uid, pid, pamId) VALUES (1, 101, '5001')")
                 && query.exec("CREATE TABLE lintersSpans (id INTEGER PRIMARY KEY, uid INT, iid INT, kod TEXT, "
                               "sum REAL, sumDays REAL, begDay INT, endDay INT, month INT)")
                 && query.exec("CREATE TABLE lintersSpansAround (id INTEGER PRIMARY KEY, uid INT, iid INT, "
                               "kod TEXT, sum REAL, sumDays REAL, begDay INT, endDay INT, month INT)");
            for (int day = 4; day <= 5 && ok; ++day)
                ok = query.exec(QStringLiteral("INSERT INTO latten (uid, dom, fond, work, expFund) "
                                               "VALUES (1, %1, 28800, 28800, 0)")
                                    .arg(day));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("prepare"));
    return ok;
}

// The rows that a TEST-mode export wrote into its output database.
QStringList testModeRows(const QString& workPath)
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("read-out"));
        db.setDatabaseName(workPath + QStringLiteral("/TMP/tmp_outDatabase.db"));
        QSqlQuery query(db);
        if (db.open() && query.exec("SELECT item0, item1, item2, item3, item4, item5, item6 FROM export ORDER BY id"))
            while (query.next()) {
                QStringList fields;
                for (int i = 0; i < 7; ++i)
                    fields << query.value(i).toString();
                rows << fields.join('|');
            }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("read-out"));
    return rows;
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
};

void TestMissingDrivers::initTestCase()
{
    QVERIFY(folders.isValid());
    QVERIFY(QDir().mkpath(folders.filePath("empty")));
#if ORVEX_DRIVERS_CASE == 1
    QCoreApplication::setLibraryPaths({folders.filePath("empty")});
    QCOMPARE(QSqlDatabase::drivers(), QStringList());
#else
    if (!driverFolder(folders.filePath("mysql-only"), QStringLiteral("mysql")))
        QSKIP("the MySQL driver of Qt is not installed");
    QCoreApplication::setLibraryPaths({folders.filePath("mysql-only")});
    QVERIFY(QSqlDatabase::drivers().contains(QStringLiteral("QMYSQL")));
    QVERIFY(!QSqlDatabase::drivers().contains(QStringLiteral("QSQLITE")));
#endif
    plugin.reset(new PluginHost);
    QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
}

#if ORVEX_DRIVERS_CASE == 1

// Neither the host's connection nor the staging database can work: the
// people list failure reaches the clerk; TEST mode leaves the result alone.
void TestMissingDrivers::noDriverAtAll()
{
    LogCapture log;
    QSqlDatabase hostDb = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QStringLiteral("host-without-driver"));
    QVERIFY(!hostDb.isValid());
    plugin->exporter()->setDatabase(hostDb);

    QTemporaryDir directory;
    QHash<QString, QVariant> result;
    QCOMPARE(plugin->exporter()->makeExport(hardeningParameters("all", directory.path()), &result), 0);
    QVERIFY(result.value("errorString").toString().startsWith(QString::fromUtf8(peopleListFailure)));
    QVERIFY(result.value("doneString").toString().startsWith(QString::fromUtf8(emptyListMessage)));
    QVERIFY(log.contains("critical", "checkPeople() - SQL ERROR"));
    QVERIFY(log.contains("warning", "driver QSQLITE not available"));

    result = {{"untouched", true}};
    QCOMPARE(plugin->exporter()->makeExport(testModeParameters(directory.path()), &result), 0);
    QCOMPARE(result, (QHash<QString, QVariant>{{"untouched", true}}));
    QVERIFY(log.matching("warning", "driver QSQLITE not available").size() >= 2);
}

// TEST mode needs no host; the normal mode reports the people list failure.
void TestMissingDrivers::noMySqlDriver()
{
    if (!driverFolder(folders.filePath("sqlite-only"), QStringLiteral("sqlite")))
        QSKIP("the SQLite driver of Qt is not installed");
    QCoreApplication::setLibraryPaths({folders.filePath("empty"), folders.filePath("sqlite-only")});
    QVERIFY(QSqlDatabase::drivers().contains(QStringLiteral("QSQLITE")));
    QVERIFY(!QSqlDatabase::drivers().contains(QStringLiteral("QMYSQL")));

    QTemporaryDir work;
    QVERIFY(QDir().mkpath(work.filePath("DB_test_paterns")) && QDir().mkpath(work.filePath("TMP")));
    QVERIFY(prepareStagingFile(work.filePath("DB_test_paterns/prepared.db")));

    LogCapture log;
    QSqlDatabase hostDb = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QStringLiteral("host-without-driver"));
    plugin->exporter()->setDatabase(hostDb);
    QHash<QString, QVariant> result;
    QCOMPARE(plugin->exporter()->makeExport(hardeningParameters("all", work.path()), &result), 0);
    QVERIFY(result.value("errorString").toString().startsWith(QString::fromUtf8(peopleListFailure)));
    QVERIFY(log.contains("critical", "checkPeople() - SQL ERROR"));
    QVERIFY(log.contains("critical", "Driver not loaded"));

    QCOMPARE(plugin->exporter()->makeExport(testModeParameters(work.path()), &result), 0);
    QCOMPARE(testModeRows(work.path()),
             (QStringList{"2024|03|5001|1|8|04.03.2024|04.03.2024", "2024|03|5001|1|8|05.03.2024|05.03.2024"}));
}

#else

// The host answers, but there is no staging database: nothing can be
// exported. As the failure rules have it, the rows of `export` cannot be read,
// the file is left empty and the export answers 0; the log says why.
void TestMissingDrivers::noSqliteDriver()
{
    TestHostDb host(QStringLiteral("t_hardening_nosqlite"));
    QVERIFY2(host.isOpen(), qPrintable(host.errorText()));
    buildHardeningCompany(host, {"8001", "8002"});
    plugin->exporter()->setDatabase(host.db());

    // As in the host application, the host's database is also the
    // application's default connection: no staging statement may reach it.
    QSqlDatabase defaultDb = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"));
    defaultDb.setConnectOptions(TestHostDb::connectOptions());
    defaultDb.setUserName(QStringLiteral("root"));
    defaultDb.setDatabaseName(host.name());
    QVERIFY(defaultDb.open());
    const QStringList hostTables = defaultDb.tables();

    LogCapture log;
    QTemporaryDir directory;
    QHash<QString, QVariant> result;
    QCOMPARE(plugin->exporter()->makeExport(hardeningParameters("all", directory.path()), &result), 0);
    QVERIFY(!result.contains("errorString"));
    QCOMPARE(fileBytes(directory.filePath(hardeningFileName())), QByteArray());
    QVERIFY(log.contains("warning", "driver QSQLITE not available"));
    QVERIFY(log.contains("warning", "createCSVfile() ::: SQLite ERROR: (SELECT * FROM export )"));

    QCOMPARE(plugin->exporter()->makeExport(testModeParameters(directory.path()), &result), 0);
    QCOMPARE(defaultDb.tables(), hostTables);
}

#endif

QTEST_MAIN(TestMissingDrivers)
#include "test_missingdrivers.moc"
