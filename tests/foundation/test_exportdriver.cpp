// The export driver against a private host database (modes, staging
// connections, step markers, file name) and the host settings read.

#include "hostdatabase.h"
#include "logcapture.h"
#include "orvexuniversal.h"
#include "tenradbsettings.h"

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

class TestExportDriver : public QObject
{
    Q_OBJECT
    QScopedPointer<TestHostDb> host;

private slots:
    void initTestCase()
    {
        host.reset(new TestHostDb("t_exportdriver"));
        QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
        for (const char* var : {"advancedOvertime=1", "someOther=x", "it's=quoted", "twice=first", "twice=second"})
            host->setVar(QString(var).section('=', 0, 0), QString(var).section('=', 1));
    }

    // Any mode but "test" runs the steps in order on a fresh in-memory staging
    // database, also when the plug-in has exported before.
    void normalMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("no mode") << QString();
        QTest::newRow("TEST in capitals is the normal mode") << "TEST";
    }
    void normalMode()
    {
        QFETCH(QString, mode);
        Orvexuniversal plugin;
        plugin.setDatabase(host->db());
        QHash<QString, QVariant> result;
        LogCapture log;
        plugin.makeExport(marchParameters(mode), &result);
        QStringList markers;
        for (const QString& line : log.matching("debug", QString()))
            if (line.contains("~") || line.contains("***"))
                markers << line.mid(6);
        QCOMPARE(markers, QStringList({"*** Orvexuniversal::makeExport() ***", "createSQLiteTables ~START",
                                       "createSQLiteTables ~DONE", "loadDataToSQLiteTables ~START",
                                       "loadDataToSQLiteTables ~DONE", "spansCalc ~START", "spansCalc ~DONE",
                                       "runExport ~START", "runExport ~DONE"}));
        QVERIFY(!plugin.testMode);
        QCOMPARE(plugin.exportFileName, QStringLiteral("ds032024_ID-12.txt"));
        QCOMPARE(plugin.stagingDb.connectionName(), QStringLiteral("SQLiteConnectionDravo"));
        QCOMPARE(plugin.stagingDb.databaseName(), QStringLiteral(":memory:"));
        QVERIFY(plugin.stagingDb.isOpen());
        QSqlQuery(plugin.stagingDb).exec("CREATE TABLE leftover (x INT)");
        plugin.makeExport(marchParameters(mode), &result);
        QVERIFY(!plugin.stagingDb.tables().contains("leftover"));
    }

    // "test" works on files under testWorkPath (a trailing "/" is not doubled);
    // the returned value and the host's result are covered by tests/endtoend.
    void testMode()
    {
        QTemporaryDir work;
        QHash<QString, QVariant> parameters = marchParameters("test");
        parameters.insert("dbName", "a.db");
        parameters.insert("testWorkPath", work.path() + "/");
        QVERIFY(QDir(work.path()).mkpath("TMP"));
        Orvexuniversal plugin;
        QHash<QString, QVariant> result;
        plugin.makeExport(parameters, &result);
        QVERIFY(plugin.testMode);
        QCOMPARE(plugin.testInputDbPath, work.path() + "/DB_test_paterns/a.db");
        QCOMPARE(plugin.testOutputDbPath, work.path() + "/TMP/tmp_outDatabase.db");
        QCOMPARE(plugin.testOutDb.connectionName(), QStringLiteral("SQLiteConnectionDravo_out"));
        QVERIFY(plugin.testOutDb.tables().contains("export"));
    }

    // Only names present in `vars` come back; names are bound, a later row
    // wins. A failed read gives nothing and two critical lines.
    void hostSettings()
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
};

QTEST_MAIN(TestExportDriver)
#include "test_exportdriver.moc"
