// The per-person run on prepared staging data: progress dialog, cancel,
// TEST mode, an empty list of people.

#include "logcapture.h"
#include "orvexuniversal.h"
#include "progressprobe.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    explicit Run(const QString& connection)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QStringLiteral(":memory:"));
        db.open();
        plugin.stagingDb = db;
        plugin.stagingQuery = QSqlQuery(db);
        plugin.createSQLiteTables(plugin.stagingQuery, false);
        plugin.exportFileName = QStringLiteral("ds032024_ID-7.txt");
        plugin.periodDate = QDate(2024, 3, 1);
        plugin.yearText = QStringLiteral("2024");
        plugin.monthText = QStringLiteral("03");
    }

    void addPeople(int count)
    {
        for (int i = 1; i <= count; ++i) {
            plugin.stagingQuery.exec(QStringLiteral("INSERT INTO lpeople (uid, pid, pamId) VALUES (%1, %2, '')")
                                         .arg(i)
                                         .arg(100 + i));
            plugin.peopleUids << unsigned(i);
            plugin.pamPidByUid.insert(unsigned(i), QString::number(100 + i));
        }
    }

    int run()
    {
        QHash<QString, QVariant> parameters;
        parameters.insert(QStringLiteral("exportPath"), directory.path());
        return plugin.runExport(parameters, result);
    }

    // People whose generators ran: one listDaysOfPN line each.
    static int peopleHandled(const LogCapture& log)
    {
        return log.matching(QStringLiteral("debug"), QStringLiteral("Orvexuniversal::runExport() ::: listDaysOfPN")).size();
    }

    Orvexuniversal plugin;
    QHash<QString, QVariant> result;
    QTemporaryDir directory;
};

} // namespace

class TestExportRun : public QObject
{
    Q_OBJECT

private slots:
    void progressAndCancel_data();
    void progressAndCancel();
    void testModeShowsNoDialogAndWritesNoFile();
    void emptyListStillCallsTheFileWriter();
};

void TestExportRun::progressAndCancel_data()
{
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<int>("handled");
    QTest::addColumn<int>("lastPid");
    QTest::newRow("not cancelled") << -1 << 3 << 103;
    // Pressed while the first person is handled: the press is seen when the
    // dialog moves on to the second person, so only the first is exported.
    QTest::newRow("cancel during the first person") << 1 << 1 << 101;
    QTest::newRow("cancel during the second person") << 2 << 2 << 102;
}

void TestExportRun::progressAndCancel()
{
    QFETCH(int, cancelAt);
    QFETCH(int, handled);
    QFETCH(int, lastPid);
    Run run(QStringLiteral("exportrun_cancel"));
    run.addPeople(3);
    ProgressProbe probe(cancelAt);
    LogCapture log;
    run.run();
    QVERIFY(probe.seen);
    QVERIFY(probe.windowModal);
    QCOMPARE(probe.maximum, 3);
    QCOMPARE(Run::peopleHandled(log), handled);
    QCOMPARE(run.plugin.currentPid, lastPid);
    // The file is written all the same, with what the handled people gave.
    QVERIFY(QFile::exists(run.directory.filePath(run.plugin.exportFileName)));
    QCOMPARE(run.result.value(QStringLiteral("peopleCount")).toInt(), 3);
    // The dialog is gone when the run returns.
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<QProgressDialog*>(widget));
}

void TestExportRun::testModeShowsNoDialogAndWritesNoFile()
{
    Run run(QStringLiteral("exportrun_test"));
    run.addPeople(3);
    run.plugin.testMode = true;
    ProgressProbe probe(0);
    LogCapture log;
    QCOMPARE(run.run(), 0);
    QVERIFY(!probe.seen);
    QCOMPARE(Run::peopleHandled(log), 3);
    QVERIFY(run.result.isEmpty());
    QCOMPARE(QDir(run.directory.path()).entryList(QDir::Files), QStringList());
}

void TestExportRun::emptyListStillCallsTheFileWriter()
{
    Run run(QStringLiteral("exportrun_empty"));
    ProgressProbe probe;
    LogCapture log;
    QCOMPARE(run.run(), 0);
    QCOMPARE(probe.maximum, 0);
    QCOMPARE(Run::peopleHandled(log), 0);
    QVERIFY(run.result.value(QStringLiteral("doneString")).toString().startsWith(
        QString::fromUtf8("Export neprebehol, pretože zoznam ľudí je prázdny!")));
}

QTEST_MAIN(TestExportRun)
#include "test_exportrun.moc"
