// Host statements asked for by a worker thread and served in parts of people
// by the thread that owns the host's connection: the rows are those of the
// statement run whole, person by person in the statement's order; a stop
// wakes a worker that waits; a part that fails is a failed read.

#include "hostdatabase.h"
#include "hostreads.h"
#include "hostrowreader.h"

#include <QtTest>

#include <QThread>
#include <functional>
#include <memory>

namespace {

const int people = 3000;
const int rowsPerPerson = 7;
const QString rowsSql = QStringLiteral("SELECT uid, n FROM t_rows WHERE uid IN (%1) AND n >= ? ORDER BY n");

// The rows as "uid:n" texts, grouped by person in the order they came.
QHash<unsigned, QStringList> rowsByPerson(HostRowReader& reader)
{
    QHash<unsigned, QStringList> rows;
    while (reader.next())
        rows[reader.value(0).toUInt()] << reader.value(1).toString();
    return rows;
}

class Worker : public QThread
{
public:
    explicit Worker(const std::function<void()>& work) : work(work) {}

protected:
    void run() override { work(); }

private:
    std::function<void()> work;
};

// Serves `reads` on this thread until `worker` is done; the longest time
// one serving pass took, in milliseconds.
qint64 serveUntilDone(HostReads& reads, Worker& worker)
{
    qint64 longest = 0;
    QElapsedTimer pass;
    while (!worker.isFinished()) {
        pass.start();
        const bool served = reads.serveOnePart();
        longest = qMax(longest, pass.elapsed());
        if (!served)
            worker.wait(2);
    }
    return longest;
}

} // namespace

class TestHostReads : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void servedInParts_data();
    void servedInParts();
    void servedByKey_data();
    void servedByKey();
    void stopWakesWaitingWorker();
    void failedPart_data();
    void failedPart();

private:
    std::unique_ptr<TestHostDb> host;
    QVector<unsigned> ids;
};

void TestHostReads::initTestCase()
{
    host.reset(new TestHostDb(QStringLiteral("t_hostreads")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    QVERIFY2(host->exec(QStringLiteral("CREATE TABLE t_rows (uid INT, n INT, KEY (uid, n))")), qPrintable(host->errorText()));
    QVERIFY2(host->exec(QStringLiteral("SET SESSION max_recursive_iterations = %1").arg(people * rowsPerPerson * 2)),
             qPrintable(host->errorText()));
    // Person p has the numbers p*10+k for k < rowsPerPerson: a person's rows
    // interleave with the next person's in the statement's order.
    QVERIFY2(host->exec(QStringLiteral("INSERT INTO t_rows WITH RECURSIVE seq AS (SELECT 0 AS i UNION ALL SELECT i + 1 "
                                       "FROM seq WHERE i < %1) SELECT i DIV %2 + 1, (i DIV %2 + 1) * 3 + i MOD %2 FROM seq")
                            .arg(people * rowsPerPerson - 1)
                            .arg(rowsPerPerson)),
             qPrintable(host->errorText()));
    for (unsigned uid = people; uid >= 1; --uid)
        ids << uid;
    QVERIFY2(host->exec(QStringLiteral("CREATE TABLE t_people (uid INT PRIMARY KEY, name VARCHAR(20))")),
             qPrintable(host->errorText()));
    QVERIFY2(host->exec(QStringLiteral("INSERT INTO t_people SELECT DISTINCT uid, CONCAT('p''', uid) FROM t_rows")),
             qPrintable(host->errorText()));
}

void TestHostReads::servedInParts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("from");
    QTest::newRow("no people") << 0 << 0;
    QTest::newRow("one person") << 1 << 0;
    QTest::newRow("all people, many parts") << people << 0;
    QTest::newRow("rows of some people only") << people << 4000;
}

void TestHostReads::servedInParts()
{
    QFETCH(int, count);
    QFETCH(int, from);
    const QVector<unsigned> asked = ids.mid(0, count);
    QHash<unsigned, QStringList> whole;
    if (count > 0) {
        HostRowReader direct(nullptr, host->db(), rowsSql, {from}, &asked);
        whole = rowsByPerson(direct);
        QVERIFY(!direct.failed());
    }

    HostReads reads(host->db(), 1);
    QHash<unsigned, QStringList> served;
    bool failed = true;
    Worker worker([&]() {
        HostRowReader reader(&reads, host->db(), rowsSql, {from}, &asked);
        served = rowsByPerson(reader);
        failed = reader.failed();
    });
    worker.start();
    serveUntilDone(reads, worker);
    QVERIFY(!failed);
    QCOMPARE(served.size(), whole.size());
    QCOMPARE(served, whole);
}

void TestHostReads::servedByKey_data()
{
    QTest::addColumn<int>("from");
    QTest::newRow("whole table, many parts") << 0;
    QTest::newRow("no row") << people + 1;
    QTest::newRow("one row") << people;
}

// A statement over a whole table, served in parts of rows by its key: the
// rows of the whole statement, in the key's order.
void TestHostReads::servedByKey()
{
    QFETCH(int, from);
    const QString sql = QStringLiteral("SELECT p.uid, p.name FROM t_people p LEFT JOIN t_rows r ON r.uid = p.uid "
                                       "AND r.n = p.uid * 3 WHERE p.uid >= ?");
    QStringList whole;
    HostRowReader direct(nullptr, host->db(), sql + QStringLiteral(" ORDER BY p.uid"), {from});
    while (direct.next())
        whole << direct.value(0).toString() + QLatin1Char(':') + direct.value(1).toString();
    QVERIFY(!direct.failed());

    HostReads reads(host->db());
    QStringList served;
    bool failed = true;
    Worker worker([&]() {
        HostRowReader reader(&reads, host->db(), sql, {from}, nullptr, QStringLiteral("uid"));
        while (reader.next())
            served << reader.value(0).toString() + QLatin1Char(':') + reader.value(1).toString();
        failed = reader.failed();
    });
    worker.start();
    serveUntilDone(reads, worker);
    QVERIFY(!failed);
    QCOMPARE(served, whole);
}

void TestHostReads::stopWakesWaitingWorker()
{
    HostReads reads(host->db());
    bool failed = false;
    Worker worker([&]() {
        HostRowReader reader(&reads, host->db(), rowsSql, {0}, &ids);
        while (reader.next()) {
        }
        failed = reader.failed();
    });
    worker.start();
    // Nothing is served: the worker waits for its first rows until stopped.
    QVERIFY(!worker.wait(100));
    reads.stop();
    QVERIFY(worker.wait(5000));
    QVERIFY(failed);
    QVERIFY(!reads.serveOnePart());
}

void TestHostReads::failedPart_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("executed");
    QTest::newRow("statement that never runs")
        << QStringLiteral("SELECT uid, n FROM t_missing WHERE uid IN (%1) AND n >= ?") << false;
    // Person 2 makes the division fail once its part runs: rows came before.
    QTest::newRow("a later part fails")
        << QStringLiteral("SELECT uid, IF(uid = 2, (SELECT n FROM t_rows), n) FROM t_rows WHERE uid IN (%1) AND n >= ?")
        << true;
}

void TestHostReads::failedPart()
{
    QFETCH(QString, sql);
    QFETCH(bool, executed);
    const QVector<unsigned> asked = {people, people - 1, people - 2, 2, 1};
    HostReads reads(host->db(), 1);
    bool failed = false;
    bool ran = false;
    QString error;
    Worker worker([&]() {
        HostRowReader reader(&reads, host->db(), sql, {0}, &asked);
        while (reader.next()) {
        }
        failed = reader.failed();
        ran = reader.executed();
        error = reader.error();
    });
    worker.start();
    serveUntilDone(reads, worker);
    QVERIFY(failed);
    QCOMPARE(ran, executed);
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestHostReads)
#include "tst_hostreads.moc"
