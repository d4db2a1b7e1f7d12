// The host's server lost in the middle of an export, at each step of the host reads: the
// export fails naming the step, writes no file and keeps the earlier one. The server is a
// MariaDB server of this test's own (under the build tree), killed with SIGKILL.

#include "hardeningcompany.h"
#include "logcapture.h"
#include "pluginhost.h"

#include <QtTest>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <csignal>
#include <signal.h>
#endif

namespace {

// The test's own server: start or stop.
int hostdb(const char* command)
{
    return QProcess::execute("bash", {ORVEX_SOURCE_DIR "/scripts/hostdb.sh", command, ORVEX_LOST_HOSTDB_DIR});
}

// Starts the test's own server. InnoDB's recovery after the SIGKILL of the row before
// can fail by itself ("Data structure corruption"); no row needs the data of another, so
// the server then starts once more on a new data folder.
bool startServer()
{
    if (hostdb("start") == 0)
        return true;
    qWarning("the server did not recover from the kill: starting it on a new data folder");
    QDir(ORVEX_LOST_HOSTDB_DIR "/data").removeRecursively();
    return hostdb("start") == 0;
}

// Kills the server of hostdb() (SIGKILL: no shutdown, the connection simply
// breaks) and waits until it is gone.
void killServer()
{
#ifdef Q_OS_UNIX
    QFile pidFile(ORVEX_LOST_HOSTDB_DIR "/pid");
    const qint64 pid = pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toLongLong() : 0;
    if (pid <= 0 || ::kill(pid_t(pid), SIGKILL) != 0)
        return;
    for (int i = 0; i < 200 && ::kill(pid_t(pid), 0) == 0; ++i)
        QThread::msleep(25);
#else
    hostdb("stop");
#endif
}

// Kills the server of hostdb() when a line logged holds `marker`; hands the line on.
QString marker;
QtMessageHandler forward = nullptr;
void killServerOnMarker(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!marker.isEmpty() && message.contains(marker)) {
        marker.clear();
        killServer();
    }
    forward(type, context, message);
}

// People 4 .. `last` as copies of person 1 (their days, interruptions and closure), made by
// the server itself: a company large enough that every step has thousands of rows to read.
void addCopiesOfPersonOne(TestHostDb& db, int last)
{
    const QString people = QStringLiteral("seq_4_to_%1").arg(last);
    const QStringList statements{
        "INSERT INTO people (uid, pid, pamId, surname, gid) SELECT seq, 100 + seq, 70000 + seq, CONCAT('Osoba ', seq), 1 "
        "FROM " + people,
        "INSERT INTO atten (uid, `date`, dom, dow, fond, work, night) SELECT s.seq, a.`date`, a.dom, a.dow, a.fond, "
        "a.work, a.night FROM " + people + " s JOIN atten a ON a.uid = 1",
        "INSERT INTO atten_data (uid, iid, `from`, duration, del) SELECT s.seq, d.iid, d.`from`, d.duration, d.del "
        "FROM " + people + " s JOIN atten_data d ON d.uid = 1",
        "INSERT INTO atten_month (uid, month, days, checks, oks) SELECT seq, 202403, 21, 21, 0 FROM " + people};
    for (const QString& statement : statements)
        QVERIFY2(db.exec(statement), qPrintable(db.errorText()));
}

} // namespace

class TestServerLost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void serverKilledMidExport_data();
    void serverKilledMidExport();
    void cleanupTestCase();

private:
    int exportTo(const QHash<QString, QVariant>& parameters)
    {
        result.clear();
        return plugin->exporter()->makeExport(parameters, &result);
    }
    QScopedPointer<PluginHost> plugin;
    QHash<QString, QVariant> result;
};

void TestServerLost::initTestCase()
{
    plugin.reset(new PluginHost);
    QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
}

void TestServerLost::serverKilledMidExport_data()
{
    QTest::addColumn<QString>("people");
    QTest::addColumn<QString>("killAt");
    // Named in errorString, any one of them; none: the export is not touched. The month's records
    // are asked for ahead and read in parts: the first of them whose rows were still coming when
    // the server went is named, or the interruption names (read last) when all of them had come.
    QTest::addColumn<QStringList>("steps");
    const QString hostRead = QStringLiteral("Export sa nepodaril, zlyhal krok: čítanie údajov z databázy hostiteľa (%1)");
    const QStringList monthRead = {hostRead.arg("atten_data"), hostRead.arg("atten"), hostRead.arg("inters")};
    QTest::newRow("before the people list")
        << "all" << "*** Orvexuniversal::makeExport() ***"
        << QStringList("Export sa nepodaril, zlyhal krok: čítanie zoznamu zamestnancov z databázy hostiteľa");
    QTest::newRow("before the closure check") << "1,2,3" << "*** Orvexuniversal::makeExport() ***"
                                              << QStringList("Zoznam zamestnancov pre export nebolo možné načítať z "
                                                             "databázy (interná chyba SQL: 20");
    QTest::newRow("before loading") << "all" << "createSQLiteTables ~START" << QStringList(hostRead.arg("people"));
    QTest::newRow("before the holidays") << "all" << "table [lholidays]" << QStringList(hostRead.arg("holidays"));
    QTest::newRow("before the settings") << "all" << "table [lvars]" << QStringList(hostRead.arg("vars"));
    QTest::newRow("before the interruptions") << "all" << "table [latten_data]" << monthRead;
    QTest::newRow("before the day records") << "all" << "table [latten]" << monthRead;
    QTest::newRow("before the neighbouring months") << "all" << "table [latten_data_around]" << monthRead;
    QTest::newRow("before the interruption names") << "all" << "Naplnenie QHash iid2NameMap"
                                                   << QStringList(hostRead.arg("inters"));
    // The month is read in parts: the closure is checked once more after it.
    QTest::newRow("before the closure is checked again")
        << "all" << "loadDataToSQLiteTables ~DONE"
        << QStringList("Export sa nepodaril, zlyhal krok: kontrola uzávierky mesiaca");
    QTest::newRow("after the host reads") << "all" << "spansCalc ~START" << QStringList();
}

// A MariaDB server of its own, started with a large company afresh and killed when the
// case's line is logged. No file, the earlier one kept byte for byte.
void TestServerLost::serverKilledMidExport()
{
    QFETCH(QString, people);
    QFETCH(QString, killAt);
    QFETCH(QStringList, steps);
    const int company = 1500;
    qputenv("ORVEX_MARIADB_DIR", ORVEX_LOST_HOSTDB_DIR);
    QVERIFY(startServer());
    TestHostDb host(QStringLiteral("t_hardening_lost"));
    QVERIFY2(host.isOpen(), qPrintable(host.errorText()));
    buildHardeningCompany(host, {"7001", "7002", "7003"});
    addCopiesOfPersonOne(host, company);
    plugin->exporter()->setDatabase(host.db());
    QTemporaryDir directory;
    const QString path = directory.filePath(hardeningFileName);
    const QByteArray earlier = QByteArray("2024|03|7001|1|136||\n").repeated(50);
    QFile earlierFile(path);
    QVERIFY(earlierFile.open(QIODevice::WriteOnly) && earlierFile.write(earlier) == earlier.size());
    earlierFile.close();
    LogCapture log;
    marker = killAt;
    forward = qInstallMessageHandler(killServerOnMarker);
    const int written = exportTo(hardeningParameters(people, directory.path()));
    qInstallMessageHandler(forward);
    QVERIFY2(marker.isEmpty(), "the marker was never logged");
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden), QStringList(hardeningFileName));
    if (steps.isEmpty()) {
        QCOMPARE(written, company * HardeningLinesPerPerson);
        QCOMPARE(fileLines(path).size(), written);
        QVERIFY(!result.contains("errorString") && result.value("doneString").toString().isEmpty());
        return;
    }
    QCOMPARE(written, -1);
    QCOMPARE(result.keys(), QStringList{"errorString"});
    const QString error = result.value("errorString").toString();
    const auto namesStep = [&error](const QString& step) { return error.startsWith(step); };
    QVERIFY2(std::any_of(steps.cbegin(), steps.cend(), namesStep) && error.endsWith("Výstupný súbor nebol zapísaný, predchádzajúci súbor zostal "
                                                      "nezmenený."),
             qPrintable(error));
    QCOMPARE(textFileBytes(path), earlier);
    QVERIFY(log.contains("critical", "export stopped, no file written"));
    QVERIFY(log.contains("critical", "checkPeople() - SQL ERROR") || log.contains("warning", "ERROR (SELECT"));
}

void TestServerLost::cleanupTestCase()
{
    hostdb("stop");
}

QTEST_MAIN(TestServerLost)
#include "tst_serverlost.moc"
