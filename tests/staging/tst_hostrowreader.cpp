// Host statements read ahead on reader threads: rows in the statement's order
// across many batches, and the order in which chained statements run: a later
// statement waits until the earlier one's rows are read, or only until its
// result has arrived when that result is small.

#include "hostdatabase.h"
#include "hostrowreader.h"

#include <QtTest>

#include <chrono>
#include <future>
#include <memory>

namespace {

const int numbers = 10000; // some twenty batches: the reader thread waits for the caller
const QString numbersSql = QStringLiteral("SELECT n FROM t_numbers ORDER BY n");
const QString marksSql = QStringLiteral("SELECT COUNT(*) FROM t_marks");

} // namespace

class TestHostRowReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chainedStatements_data();
    void chainedStatements();
    void laterGoneBeforeItRan();

private:
    std::unique_ptr<TestHostDb> host;
};

void TestHostRowReader::initTestCase()
{
    host.reset(new TestHostDb(QStringLiteral("t_hostrowreader")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    const QString fill = QStringLiteral("INSERT INTO t_numbers WITH RECURSIVE seq AS (SELECT 1 AS n UNION ALL "
                                       "SELECT n + 1 FROM seq WHERE n < %1) SELECT n FROM seq")
                             .arg(numbers);
    for (const QString& sql : {QStringLiteral("CREATE TABLE t_marks (id INT)"), QStringLiteral("CREATE TABLE t_numbers (n INT)"),
                               QStringLiteral("SET SESSION max_recursive_iterations = %1").arg(2 * numbers), fill})
        QVERIFY2(host->exec(sql), qPrintable(host->errorText()));
}

void TestHostRowReader::chainedStatements_data()
{
    QTest::addColumn<int>("smallResultRows");
    QTest::addColumn<int>("marksSeen"); // by the later statement; a mark is made after it may have run
    QTest::newRow("large earlier result: the later statement waits for its rows") << -1 << 1;
    QTest::newRow("small earlier result: the later statement runs once it has arrived") << numbers << 0;
}

void TestHostRowReader::chainedStatements()
{
    QFETCH(int, smallResultRows);
    QFETCH(int, marksSeen);
    QVERIFY(host->exec(QStringLiteral("DELETE FROM t_marks")));
    std::unique_ptr<HostRowReader> earlier(new HostRowReader(host->db(), numbersSql, {}, true, nullptr, smallResultRows));
    HostRowReader later(host->db(), marksSql, {}, true, earlier.get());

    if (marksSeen == 0) {
        // The later rows come while the earlier ones still wait to be read.
        std::future<int> marks = std::async(std::launch::async, [&later] { return later.next() ? later.value(0).toInt() : -1; });
        if (marks.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
            earlier.reset(); // lets the later statement run, so that the test ends
            marks.wait();
            QFAIL("the later statement waited for the earlier rows");
        }
        QCOMPARE(marks.get(), 0);
    } else {
        QTest::qWait(300); // time enough for a later statement that does not wait to run
    }
    QVERIFY(host->exec(QStringLiteral("INSERT INTO t_marks VALUES (1)")));

    int expected = 1;
    while (earlier->next()) {
        QCOMPARE(earlier->value(0).toInt(), expected);
        ++expected;
    }
    QVERIFY(!earlier->failed());
    QCOMPARE(expected - 1, numbers);
    if (marksSeen == 1) {
        QVERIFY(later.next());
        QCOMPARE(later.value(0).toInt(), marksSeen);
    }
    QVERIFY(!later.next());
    QVERIFY(!later.failed());
}

// An export that stops early drops its readers while a later one still waits
// for an earlier one that no one reads: neither may hang.
void TestHostRowReader::laterGoneBeforeItRan()
{
    HostRowReader earlier(host->db(), numbersSql, {}, true);
    QVERIFY(earlier.next());
    {
        HostRowReader later(host->db(), marksSql, {}, true, &earlier);
    }
    QCOMPARE(earlier.value(0).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestHostRowReader)
#include "tst_hostrowreader.moc"
