// The host's database server goes away in the middle of an export: a MariaDB
// server of this test's own is stopped from the message handler the moment a
// chosen line is logged. The export must not crash, and the clerk must learn
// that the file may be incomplete.

#include "hardeningcompany.h"
#include "logcapture.h"
#include "pluginhost.h"

#include <QtTest>

namespace {

int hostdb(const char* command)
{
    return QProcess::execute("bash", {ORVEX_SOURCE_DIR "/scripts/hostdb.sh", command, ORVEX_LOST_HOSTDB_DIR});
}

// Stops the server once, when a logged line holds `marker`; every line goes on
// to the handler installed before (a LogCapture).
QString marker;
QtMessageHandler forward = nullptr;
void stopServerOnMarker(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!marker.isEmpty() && message.contains(marker)) {
        marker.clear();
        hostdb("stop");
    }
    forward(type, context, message);
}

} // namespace

class TestHostConnectionLost : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { hostdb("stop"); }
    void serverStoppedMidExport_data();
    void serverStoppedMidExport();
};

void TestHostConnectionLost::serverStoppedMidExport_data()
{
    QTest::addColumn<QString>("stopAt");
    QTest::addColumn<QString>("failedTable"); // the first host table not read; empty: none
    QTest::addColumn<int>("lines");           // -1: any count, the file being flagged as incomplete
    QTest::newRow("before the closure check") << "*** Orvexuniversal::makeExport() ***" << "people list" << 0;
    QTest::newRow("before loading") << "createSQLiteTables ~START" << "people" << 0;
    QTest::newRow("before the holidays") << "table [lholidays]" << "holidays" << -1;
    QTest::newRow("before the interruptions") << "table [latten_data]" << "atten_data" << -1;
    QTest::newRow("before the day records") << "table [latten]" << "atten" << -1;
    QTest::newRow("before the neighbouring months") << "table [latten_data_around]" << "atten_data" << -1;
    // Without the names every interruption falls back to daily rows: more
    // lines than a whole export, none to be trusted.
    QTest::newRow("before the interruption names") << "Naplnenie QHash iid2NameMap" << "inters" << -1;
    QTest::newRow("after loading") << "loadDataToSQLiteTables ~DONE" << QString() << 3 * HardeningLinesPerPerson;
}

// Each case starts the server with the company afresh and stops it at its point.
void TestHostConnectionLost::serverStoppedMidExport()
{
    QFETCH(QString, stopAt);
    QFETCH(QString, failedTable);
    QFETCH(int, lines);
    qputenv("ORVEX_MARIADB_DIR", ORVEX_LOST_HOSTDB_DIR);
    QCOMPARE(hostdb("start"), 0);
    TestHostDb host(QStringLiteral("t_hardening_lost"));
    QVERIFY2(host.isOpen(), qPrintable(host.errorText()));
    buildHardeningCompany(host, {"7001", "7002", "7003"});
    PluginHost plugin;
    QVERIFY2(plugin.loaded(), qPrintable(plugin.errorText()));
    plugin.exporter()->setDatabase(host.db());

    QTemporaryDir directory;
    QHash<QString, QVariant> result;
    LogCapture log;
    marker = stopAt;
    forward = qInstallMessageHandler(stopServerOnMarker);
    const int written = plugin.exporter()->makeExport(hardeningParameters("all", directory.path()), &result);
    qInstallMessageHandler(forward);
    QVERIFY2(marker.isEmpty(), "the marker was never logged");
    QCOMPARE(fileLines(directory.filePath(hardeningFileName)).size(), qMax(written, 0));
    QVERIFY2(lines == -1 ? written >= 0 : written == lines, QByteArray::number(written));
    const QString done = result.value("doneString").toString();
    if (failedTable == "people list") {
        QVERIFY(result.value("errorString").toString().startsWith(peopleListFailure));
        QVERIFY(log.contains("critical", "checkPeople() - SQL ERROR"));
        return;
    }
    QVERIFY(!result.contains("errorString"));
    if (failedTable.isEmpty()) {
        QCOMPARE(done, QString());
        return;
    }
    QVERIFY2(done.contains(QStringLiteral("Chyba pri čítaní údajov z databázy hostiteľa (%1): export môže byť neúplný.")
                               .arg(failedTable)), qPrintable(done));
    QVERIFY(log.contains("warning", "loadDatatoSQLiteTables() ERROR")
            || log.contains("warning", "loadDataToSQLiteTables() ERROR"));
}

QTEST_MAIN(TestHostConnectionLost)
#include "test_hostconnectionlost.moc"
