// The export pipeline against a private host database (its staging
// connections in both modes) and the host settings read.

#include "exportpipeline.h"
#include "hostdatabase.h"
#include "logcapture.h"
#include "tenradbsettings.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QHash<QString, QVariant> marchParameters(const QString& mode)
{
    QHash<QString, QVariant> parameters = monthPeriod(2024, 3);
    parameters.insert("pamSettingsId", 12);
    parameters.insert("allPeople", true);
    parameters.insert("exportPath", QDir::tempPath());
    if (!mode.isEmpty())
        parameters.insert("mode", mode);
    return parameters;
}
} // namespace

class TestExportPipeline : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void normalMode_data();
    void normalMode();
    void testMode();
    void hostSettings();

private:
    QScopedPointer<TestHostDb> host;
};

void TestExportPipeline::initTestCase()
{
    host.reset(new TestHostDb("t_exportdriver"));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    for (const char* var : {"advancedOvertime=1", "someOther=x", "it's=quoted", "twice=first", "twice=second"})
        host->setVar(QString(var).section('=', 0, 0), QString(var).section('=', 1));
}

// Any mode but "test" runs on a fresh temporary staging database, also when
// the pipeline has run before; the host's overtime setting is read.
void TestExportPipeline::normalMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("no mode") << QString();
    QTest::newRow("TEST in capitals is the normal mode") << "TEST";
}

void TestExportPipeline::normalMode()
{
    QFETCH(QString, mode);
    ExportPipeline pipeline;
    QHash<QString, QVariant> result;
    RunContext run = runContextFromParameters(marchParameters(mode));
    QVERIFY(!run.testMode);
    QCOMPARE(run.exportFileName, QStringLiteral("ds032024_ID-12.txt"));
    pipeline.run(run, host->db(), &result);
    QVERIFY(run.advancedOvertime);
    const QSqlDatabase staging = QSqlDatabase::database("SQLiteConnectionDravo", false);
    // A private temporary database whose page cache is held to 16 MiB: a
    // large month spills to SQLite's own deleted file, not into memory.
    QVERIFY(staging.databaseName().isEmpty());
    QVERIFY(staging.isOpen());
    QSqlQuery cache(staging);
    QVERIFY(cache.exec("PRAGMA cache_size") && cache.next());
    QCOMPARE(cache.value(0).toInt(), -16 * 1024);
    QVERIFY(cache.exec("PRAGMA journal_mode") && cache.next());
    QCOMPARE(cache.value(0).toString(), QStringLiteral("off"));
    QSqlQuery(staging).exec("CREATE TABLE leftover (x INT)");
    RunContext again = runContextFromParameters(marchParameters(mode));
    pipeline.run(again, host->db(), &result);
    QVERIFY(!QSqlDatabase::database("SQLiteConnectionDravo", false).tables().contains("leftover"));
}

// "test" works on files under testWorkPath (a trailing "/" is not doubled);
// the returned value and the host's result are covered by tests/endtoend.
void TestExportPipeline::testMode()
{
    QTemporaryDir work;
    QHash<QString, QVariant> parameters = marchParameters("test");
    parameters.insert("dbName", "a.db");
    parameters.insert("testWorkPath", work.path() + "/");
    QVERIFY(QDir(work.path()).mkpath("TMP"));
    RunContext run = runContextFromParameters(parameters);
    QVERIFY(run.testMode);
    QCOMPARE(run.testInputDbPath, work.path() + "/DB_test_paterns/a.db");
    QCOMPARE(run.testOutputDbPath, work.path() + "/TMP/tmp_outDatabase.db");
    ExportPipeline pipeline;
    QHash<QString, QVariant> result;
    pipeline.run(run, QSqlDatabase(), &result);
    const QSqlDatabase output = QSqlDatabase::database("SQLiteConnectionDravo_out", false);
    QCOMPARE(output.databaseName(), run.testOutputDbPath);
    QVERIFY(output.tables().contains("export"));
}

// Only names present in `vars` come back; names are bound, a later row wins.
// A failed read gives nothing and two critical lines.
void TestExportPipeline::hostSettings()
{
    LogCapture log;
    const QMap<QString, QVariant> values = TenraDbSettings::variableGetMultiple(
        host->db(), {"advancedOvertime", "groupsPlanEnabled", "iidPN", "iidOCR", "iidMD", "iidUr", "iidKar",
                     "it's", "twice"});
    QCOMPARE(values.keys(), QStringList({"advancedOvertime", "it's", "twice"}));
    QCOMPARE(values.first().toString() + values.value("it's").toString() + values.last().toString(),
             QStringLiteral("1quotedsecond"));
    QVERIFY(TenraDbSettings::variableGetMultiple(host->db(), QStringList()).isEmpty());
    QCOMPARE(log.matching("critical", QString()), QStringList());

    QVERIFY(host->exec("RENAME TABLE vars TO vars_away"));
    QVERIFY(TenraDbSettings::variableGetMultiple(host->db(), {"advancedOvertime"}).isEmpty());
    QVERIFY(host->exec("RENAME TABLE vars_away TO vars"));
    const QStringList critical = log.matching("critical", QString());
    QCOMPARE(critical.size(), 2);
    QCOMPARE(critical.at(0), QStringLiteral("critical TenraDbSettings::variableGetMultiple - SQL ERROR:"));
    QVERIFY(critical.at(1).contains("vars"));
}

QTEST_MAIN(TestExportPipeline)
#include "tst_exportpipeline.moc"
