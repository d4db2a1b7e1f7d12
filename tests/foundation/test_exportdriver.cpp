// The export driver's sequence: modes, staging connections, step markers,
// file name and the result hash.

#include "hostdatabase.h"
#include "logcapture.h"
#include "orvexuniversal.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

class TestExportDriver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void normalModeRunsStepsInOrder_data();
    void normalModeRunsStepsInOrder();
    void fileNameFromPeriodAndSettingsId();
    void testModePaths_data();
    void testModePaths();
    void testModeLeavesHostResultUntouched();
    void secondExportStartsWithEmptyStaging();

private:
    QScopedPointer<TestHostDb> host;
    QHash<QString, QVariant> marchParameters() const;
};

void TestExportDriver::initTestCase()
{
    host.reset(new TestHostDb(QStringLiteral("t_exportdriver")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
}

QHash<QString, QVariant> TestExportDriver::marchParameters() const
{
    QHash<QString, QVariant> parameters = monthPeriod(2024, 3);
    parameters.insert(QStringLiteral("pamSettingsId"), 12);
    parameters.insert(QStringLiteral("allPeople"), true);
    parameters.insert(QStringLiteral("exportPath"), QDir::tempPath());
    return parameters;
}

void TestExportDriver::normalModeRunsStepsInOrder_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("no mode") << QString();
    QTest::newRow("TEST in capitals is the normal mode") << "TEST";
}

void TestExportDriver::normalModeRunsStepsInOrder()
{
    QFETCH(QString, mode);
    Orvexuniversal plugin;
    plugin.setDatabase(host->db());
    QHash<QString, QVariant> parameters = marchParameters();
    if (!mode.isEmpty())
        parameters.insert(QStringLiteral("mode"), mode);
    QHash<QString, QVariant> result;
    LogCapture log;
    plugin.makeExport(parameters, &result);

    QStringList markers;
    for (const QString& line : log.matching(QStringLiteral("debug"), QString()))
        if (line.contains(QStringLiteral("~")) || line.contains(QStringLiteral("***")))
            markers << line.mid(6);
    QCOMPARE(markers, QStringList({"*** Orvexuniversal::makeExport() ***", "createSQLiteTables ~START",
                                   "createSQLiteTables ~DONE", "loadDataToSQLiteTables ~START",
                                   "loadDataToSQLiteTables ~DONE", "spansCalc ~START", "spansCalc ~DONE",
                                   "runExport ~START", "runExport ~DONE"}));
    QVERIFY(!plugin.testMode);
    QCOMPARE(plugin.stagingDb.connectionName(), QStringLiteral("SQLiteConnectionDravo"));
    QCOMPARE(plugin.stagingDb.databaseName(), QStringLiteral(":memory:"));
    QVERIFY(plugin.stagingDb.isOpen());
}

void TestExportDriver::fileNameFromPeriodAndSettingsId()
{
    Orvexuniversal plugin;
    plugin.setDatabase(host->db());
    QHash<QString, QVariant> result;
    plugin.makeExport(marchParameters(), &result);
    QCOMPARE(plugin.exportFileName, QStringLiteral("ds032024_ID-12.txt"));
    QCOMPARE(plugin.monthText, QStringLiteral("03"));
}

void TestExportDriver::testModePaths_data()
{
    QTest::addColumn<bool>("trailingSlash");
    QTest::newRow("without /") << false;
    QTest::newRow("with /") << true;
}

void TestExportDriver::testModePaths()
{
    QFETCH(bool, trailingSlash);
    QTemporaryDir work;
    QDir(work.path()).mkpath(QStringLiteral("TMP"));
    QHash<QString, QVariant> parameters = marchParameters();
    parameters.insert(QStringLiteral("mode"), QStringLiteral("test"));
    parameters.insert(QStringLiteral("dbName"), QStringLiteral("a.db"));
    parameters.insert(QStringLiteral("testWorkPath"), work.path() + (trailingSlash ? "/" : ""));
    Orvexuniversal plugin;
    QHash<QString, QVariant> result;
    plugin.makeExport(parameters, &result);
    QVERIFY(plugin.testMode);
    QCOMPARE(plugin.testInputDbPath, work.path() + QStringLiteral("/DB_test_paterns/a.db"));
    QCOMPARE(plugin.testOutputDbPath, work.path() + QStringLiteral("/TMP/tmp_outDatabase.db"));
    QCOMPARE(plugin.testOutDb.connectionName(), QStringLiteral("SQLiteConnectionDravo_out"));
    QVERIFY(plugin.testOutDb.tables().contains(QStringLiteral("export")) || plugin.testOutDb.isOpen());
}

void TestExportDriver::testModeLeavesHostResultUntouched()
{
    QTemporaryDir work;
    QHash<QString, QVariant> parameters = marchParameters();
    parameters.insert(QStringLiteral("mode"), QStringLiteral("test"));
    parameters.insert(QStringLiteral("testWorkPath"), work.path());
    QHash<QString, QVariant> result;
    result.insert(QStringLiteral("kept"), 42);
    Orvexuniversal plugin;
    QCOMPARE(plugin.makeExport(parameters, &result), 0);
    QCOMPARE(result.size(), 1);
    QCOMPARE(result.value(QStringLiteral("kept")).toInt(), 42);
}

void TestExportDriver::secondExportStartsWithEmptyStaging()
{
    Orvexuniversal plugin;
    plugin.setDatabase(host->db());
    QHash<QString, QVariant> result;
    plugin.makeExport(marchParameters(), &result);
    QSqlQuery(plugin.stagingDb).exec(QStringLiteral("CREATE TABLE leftover (x INT)"));
    plugin.makeExport(marchParameters(), &result);
    QVERIFY(!plugin.stagingDb.tables().contains(QStringLiteral("leftover")));
}

QTEST_MAIN(TestExportDriver)
#include "test_exportdriver.moc"
