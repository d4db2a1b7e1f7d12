// The host's database server goes away in the middle of an export. A MariaDB
// server of this test's own (not the shared one of the other tests) is stopped
// from the message handler the moment a chosen step marker or debug line is
// logged; the export must not crash, and the clerk must learn that the file
// may be incomplete.

#include "hardeningcompany.h"
#include "logcapture.h"
#include "pluginhost.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString serverDir = QStringLiteral(ORVEX_LOST_HOSTDB_DIR);
const QString hostdbScript = QStringLiteral(ORVEX_SOURCE_DIR "/scripts/hostdb.sh");

int hostdb(const QString& command)
{
    return QProcess::execute(QStringLiteral("bash"), {hostdbScript, command, serverDir});
}

// Stops the server once, synchronously, when a logged line holds `marker`;
// every line goes on to the handler installed before (the LogCapture).
QString marker;
bool stopped = false;
QtMessageHandler forward = nullptr;

void stopServerOnMarker(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!stopped && !marker.isEmpty() && message.contains(marker)) {
        stopped = true;
        hostdb(QStringLiteral("stop"));
    }
    if (forward)
        forward(type, context, message);
}

QString readFailure(const QString& table)
{
    return QStringLiteral("Chyba pri čítaní údajov z databázy hostiteľa (%1): export môže byť neúplný.").arg(table);
}

const QVariantList personalNumbers{"7001", "7002", "7003"};

} // namespace

class TestHostConnectionLost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void serverStoppedMidExport_data();
    void serverStoppedMidExport();

private:
    QScopedPointer<TestHostDb> host;
    QScopedPointer<PluginHost> plugin;
};

void TestHostConnectionLost::initTestCase()
{
    QVERIFY(QDir().mkpath(serverDir));
    qputenv("ORVEX_MARIADB_DIR", serverDir.toLocal8Bit());
    plugin.reset(new PluginHost);
    QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
}

// Every case starts on a running server with the company loaded afresh.
void TestHostConnectionLost::init()
{
    QCOMPARE(hostdb(QStringLiteral("start")), 0);
    host.reset(new TestHostDb(QStringLiteral("t_hardening_lost")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    buildHardeningCompany(*host, personalNumbers);
    plugin->exporter()->setDatabase(host->db());
    marker.clear();
    stopped = false;
}

void TestHostConnectionLost::cleanupTestCase()
{
    host.reset();
    hostdb(QStringLiteral("stop"));
}

void TestHostConnectionLost::serverStoppedMidExport_data()
{
    QTest::addColumn<QString>("stopAt");
    // The first host table whose read fails; empty when none does.
    QTest::addColumn<QString>("failedTable");
    QTest::addColumn<int>("lines");

    const int all = 3 * HardeningLinesPerPerson;
    // The people list itself cannot be read: the clerk gets its error message.
    QTest::newRow("before the closure check") << "*** Orvexuniversal::makeExport() ***" << "people list" << 0;
    QTest::newRow("before loading") << "createSQLiteTables ~START" << "people" << 0;
    QTest::newRow("before the holidays") << "table [lholidays]" << "holidays" << -2;
    QTest::newRow("before the interruptions") << "table [latten_data]" << "atten_data" << -2;
    QTest::newRow("before the day records") << "table [latten]" << "atten" << -2;
    QTest::newRow("before the neighbouring months") << "table [latten_data_around]" << "atten_data" << -2;
    QTest::newRow("before the interruption names") << "Naplnenie QHash iid2NameMap" << "inters" << -2;
    QTest::newRow("after loading") << "loadDataToSQLiteTables ~DONE" << QString() << all;
}

// `lines` -2: whatever the export makes of what was read. Without the
// interruption names, for one, every interruption falls back to daily rows:
// more lines than a whole export, none of them to be trusted, hence the
// message.
void TestHostConnectionLost::serverStoppedMidExport()
{
    QFETCH(QString, stopAt);
    QFETCH(QString, failedTable);
    QFETCH(int, lines);

    QTemporaryDir directory;
    QHash<QString, QVariant> result;
    LogCapture log;
    forward = qInstallMessageHandler(stopServerOnMarker);
    marker = stopAt;
    const int written =
        plugin->exporter()->makeExport(hardeningParameters("all", directory.path()), &result);
    qInstallMessageHandler(forward);
    QVERIFY2(stopped, "the marker was never logged");

    const QString done = result.value(QStringLiteral("doneString")).toString();
    QCOMPARE(fileLines(directory.filePath(hardeningFileName())).size(), qMax(written, 0));
    if (failedTable == QLatin1String("people list")) {
        QCOMPARE(written, lines);
        QVERIFY(result.value(QStringLiteral("errorString"))
                    .toString()
                    .startsWith(QStringLiteral("Zoznam zamestnancov pre export nebolo možné načítať z databázy")));
        QVERIFY(log.contains(QStringLiteral("critical"), QStringLiteral("checkPeople() - SQL ERROR")));
        return;
    }
    QVERIFY(!result.contains(QStringLiteral("errorString")));
    if (failedTable.isEmpty()) {
        QCOMPARE(written, lines);
        QCOMPARE(done, QString());
        return;
    }
    if (lines == -2)
        QVERIFY2(written >= 0, QByteArray::number(written));
    else
        QCOMPARE(written, lines);
    QVERIFY2(done.contains(readFailure(failedTable)), qPrintable(done));
    QVERIFY(log.contains(QStringLiteral("warning"), QStringLiteral("loadDatatoSQLiteTables() ERROR"))
            || log.contains(QStringLiteral("warning"), QStringLiteral("loadDataToSQLiteTables() ERROR")));
}

QTEST_MAIN(TestHostConnectionLost)
#include "test_hostconnectionlost.moc"
