// The host's database server goes away in the middle of an export: a MariaDB
// server of this test's own is stopped from the message handler the moment a
// chosen line is logged. The export must not crash, and the clerk must learn
// that the file may be incomplete.

#include "hardeningcompany.h"
#include "logcapture.h"
#include "pluginhost.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int hostdb(const char* command)
{
    return QProcess::execute("bash", {ORVEX_SOURCE_DIR "/scripts/hostdb.sh", command, ORVEX_LOST_HOSTDB_DIR});
}

// Stops the server once when a logged line holds `marker`; every line goes on
// to the handler installed before (the LogCapture).
QString marker;
bool stopped = false;
QtMessageHandler forward = nullptr;
void stopServerOnMarker(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!stopped && message.contains(marker))
        stopped = hostdb("stop") >= 0;
    forward(type, context, message);
}

} // namespace

class TestHostConnectionLost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("ORVEX_MARIADB_DIR", ORVEX_LOST_HOSTDB_DIR);
        plugin.reset(new PluginHost);
        QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
    }
    void cleanupTestCase()
    {
        host.reset();
        hostdb("stop");
    }
    void serverStoppedMidExport_data();
    void serverStoppedMidExport();

private:
    QScopedPointer<TestHostDb> host;
    QScopedPointer<PluginHost> plugin;
};

void TestHostConnectionLost::serverStoppedMidExport_data()
{
    QTest::addColumn<QString>("stopAt");
    QTest::addColumn<QString>("failedTable"); // the first host table not read; empty: none
    QTest::addColumn<int>("lines");           // -2: any count, the file being flagged
    QTest::newRow("before the closure check") << "*** Orvexuniversal::makeExport() ***" << "people list" << 0;
    QTest::newRow("before loading") << "createSQLiteTables ~START" << "people" << 0;
    QTest::newRow("before the holidays") << "table [lholidays]" << "holidays" << -2;
    QTest::newRow("before the interruptions") << "table [latten_data]" << "atten_data" << -2;
    QTest::newRow("before the day records") << "table [latten]" << "atten" << -2;
    QTest::newRow("before the neighbouring months") << "table [latten_data_around]" << "atten_data" << -2;
    // Without the names every interruption falls back to daily rows: more
    // lines than a whole export, none to be trusted.
    QTest::newRow("before the interruption names") << "Naplnenie QHash iid2NameMap" << "inters" << -2;
    QTest::newRow("after loading") << "loadDataToSQLiteTables ~DONE" << QString() << 3 * HardeningLinesPerPerson;
}

// Each case starts a server with the company loaded afresh and stops it at its point.
void TestHostConnectionLost::serverStoppedMidExport()
{
    QFETCH(QString, stopAt);
    QFETCH(QString, failedTable);
    QFETCH(int, lines);
    QCOMPARE(hostdb("start"), 0);
    host.reset(new TestHostDb(QStringLiteral("t_hardening_lost")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    buildHardeningCompany(*host, {"7001", "7002", "7003"});
    plugin->exporter()->setDatabase(host->db());

    QTemporaryDir directory;
    QHash<QString, QVariant> result;
    LogCapture log;
    forward = qInstallMessageHandler(stopServerOnMarker);
    marker = stopAt;
    stopped = false;
    const int written = plugin->exporter()->makeExport(hardeningParameters("all", directory.path()), &result);
    qInstallMessageHandler(forward);
    QVERIFY2(stopped, "the marker was never logged");

    QCOMPARE(fileLines(directory.filePath(hardeningFileName)).size(), qMax(written, 0));
    if (lines == -2)
        QVERIFY2(written >= 0, QByteArray::number(written));
    else
        QCOMPARE(written, lines);
    const QString done = result.value("doneString").toString();
    if (failedTable == "people list") {
        QVERIFY(result.value("errorString").toString().startsWith(peopleListFailure));
        QVERIFY(log.contains("critical", "checkPeople() - SQL ERROR"));
    } else if (failedTable.isEmpty()) {
        QVERIFY(!result.contains("errorString"));
        QCOMPARE(done, QString());
    } else {
        QVERIFY(!result.contains("errorString"));
        QVERIFY2(done.contains(QStringLiteral("Chyba pri čítaní údajov z databázy hostiteľa (%1): export môže byť "
                                              "neúplný.").arg(failedTable)), qPrintable(done));
        QVERIFY(log.contains("warning", "loadDatatoSQLiteTables() ERROR")
                || log.contains("warning", "loadDataToSQLiteTables() ERROR"));
    }
}

QTEST_MAIN(TestHostConnectionLost)
#include "test_hostconnectionlost.moc"
