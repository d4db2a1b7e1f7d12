// The export driver against a private host database (modes, staging
// connections, step markers, file name, result hash) and the host settings read.

#include "hostdatabase.h"
#include "logcapture.h"
#include "orvexuniversal.h"
#include "tenradbsettings.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
QHash<QString, QVariant> marchParameters(const QString& mode = QString())
{
    QHash<QString, QVariant> parameters = monthPeriod(2024, 3);
    parameters.insert(QStringLiteral("pamSettingsId"), 12);
    parameters.insert(QStringLiteral("allPeople"), true);
    parameters.insert(QStringLiteral("exportPath"), QDir::tempPath());
    if (!mode.isEmpty())
        parameters.insert(QStringLiteral("mode"), mode);
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
        host.reset(new TestHostDb(QStringLiteral("t_exportdriver")));
        QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
        host->setVar(QStringLiteral("advancedOvertime"), QStringLiteral("1"));
        host->setVar(QStringLiteral("someOther"), QStringLiteral("x"));
        host->setVar(QStringLiteral("it's"), QStringLiteral("quoted"));
        host->setVar(QStringLiteral("twice"), QStringLiteral("first"));
        host->setVar(QStringLiteral("twice"), QStringLiteral("second"));
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
        for (const QString& line : log.matching(QStringLiteral("debug"), QString()))
            if (line.contains(QStringLiteral("~")) || line.contains(QStringLiteral("***")))
                markers << line.mid(6);
        QCOMPARE(markers, QStringList({"*** Orvexuniversal::makeExport() ***", "createSQLiteTables ~START",
                                       "createSQLiteTables ~DONE", "loadDataToSQLiteTables ~START",
                                       "loadDataToSQLiteTables ~DONE", "spansCalc ~START", "spansCalc ~DONE",
                                       "runExport ~START", "runExport ~DONE"}));
        QVERIFY(!plugin.testMode);
        QCOMPARE(plugin.exportFileName, QStringLiteral("ds032024_ID-12.txt"));
        QCOMPARE(plugin.monthText, QStringLiteral("03"));
        QCOMPARE(plugin.stagingDb.connectionName(), QStringLiteral("SQLiteConnectionDravo"));
        QCOMPARE(plugin.stagingDb.databaseName(), QStringLiteral(":memory:"));
        QVERIFY(plugin.stagingDb.isOpen());

        QSqlQuery(plugin.stagingDb).exec(QStringLiteral("CREATE TABLE leftover (x INT)"));
        plugin.makeExport(marchParameters(mode), &result);
        QVERIFY(!plugin.stagingDb.tables().contains(QStringLiteral("leftover")));
    }

    // "test" works on files under testWorkPath and leaves the host's result alone.
    void testMode_data()
    {
        QTest::addColumn<bool>("trailingSlash");
        QTest::newRow("without /") << false;
        QTest::newRow("with /") << true;
    }

    void testMode()
    {
        QFETCH(bool, trailingSlash);
        QTemporaryDir work;
        QDir(work.path()).mkpath(QStringLiteral("TMP"));
        QHash<QString, QVariant> parameters = marchParameters(QStringLiteral("test"));
        parameters.insert(QStringLiteral("dbName"), QStringLiteral("a.db"));
        parameters.insert(QStringLiteral("testWorkPath"), work.path() + (trailingSlash ? "/" : ""));
        Orvexuniversal plugin;
        QHash<QString, QVariant> result{{QStringLiteral("kept"), 42}};
        QCOMPARE(plugin.makeExport(parameters, &result), 0);
        QCOMPARE(result, (QHash<QString, QVariant>{{QStringLiteral("kept"), 42}}));
        QVERIFY(plugin.testMode);
        QCOMPARE(plugin.testInputDbPath, work.path() + QStringLiteral("/DB_test_paterns/a.db"));
        QCOMPARE(plugin.testOutputDbPath, work.path() + QStringLiteral("/TMP/tmp_outDatabase.db"));
        QCOMPARE(plugin.testOutDb.connectionName(), QStringLiteral("SQLiteConnectionDravo_out"));
        QVERIFY(plugin.testOutDb.tables().contains(QStringLiteral("export")));
    }

    // Only names present in `vars` come back; names are bound, a later row wins.
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
        QCOMPARE(log.matching(QStringLiteral("critical"), QString()), QStringList());
    }

    void hostSettingsQueryFails()
    {
        TestHostDb broken(QStringLiteral("t_hostsettings_broken"));
        QVERIFY(broken.exec(QStringLiteral("DROP TABLE vars")));
        LogCapture log;
        QVERIFY(TenraDbSettings::variableGetMultiple(broken.db(), {QStringLiteral("advancedOvertime")}).isEmpty());
        const QStringList critical = log.matching(QStringLiteral("critical"), QString());
        QCOMPARE(critical.size(), 2);
        QCOMPARE(critical.at(0), QStringLiteral("critical TenraDbSettings::variableGetMultiple - SQL ERROR:"));
        QVERIFY(critical.at(1).contains(QStringLiteral("vars")));
    }
};

QTEST_MAIN(TestExportDriver)
#include "test_exportdriver.moc"
