// A staging read that ends on an error after some rows (here: a view whose
// column overflows from the second row on) must fail the step that watches
// it, like a statement that fails at once: the rows after the error would be
// missing from the file without a word. Lookups, spans and record generators;
// and a failed insert of a TEST run's rows stops the inserts.

#include "bonusitemlist.h"
#include "exportrowsink.h"
#include "logcapture.h"
#include "recordgenerators.h"
#include "stagingsql.h"
#include "stagingtestkit.h"

#include <QtTest>

namespace {

enum class Read {
    ReferenceFunds,
    Holidays,
    HostSwitches,
    InterruptionSpans,
    Interruption, // the generator of interruption 7 with the export type of the row
    Work          // the generator of work (iid 1)
};

// Makes the rows of `table` fail (integer overflow) from the row with id 2
// on (the read's second row: Qt's driver fetches the first one when the
// statement runs): a view of them whose `column` overflows, or, for `column` "*", a
// generated column added to the table itself (read by "SELECT *"; a table
// keeps the indexes that the span steps create on it).
void failFromSecondRow(Staged& s, const QString& table, const QString& column)
{
    const QString overflow = QStringLiteral("CASE WHEN id >= 2 THEN abs(id - id - 9223372036854775807 - 1) ELSE %1 END");
    QStringList statements;
    if (column == "*") {
        statements << QStringLiteral("ALTER TABLE %1 ADD COLUMN failing AS (%2)").arg(table, overflow.arg(0));
    } else {
        QStringList columns;
        for (const QString& row : s.rows(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table)))
            columns << (row == column ? overflow.arg(column) + " AS " + column : row);
        statements << QStringLiteral("ALTER TABLE %1 RENAME TO %1_rows").arg(table)
                   << QStringLiteral("CREATE VIEW %1 AS SELECT %2 FROM %1_rows").arg(table, columns.join(','));
    }
    QSqlQuery query(s.staging.db());
    for (const QString& sql : statements)
        QVERIFY2(query.exec(sql), qPrintable(sql + ": " + query.lastError().text()));
}

} // namespace

Q_DECLARE_METATYPE(Read)

class TestStagingReadErrors : public QObject
{
    Q_OBJECT

private slots:
    void readEndsOnError_data();
    void readEndsOnError();
    void firstFailedInsertStops();
};

void TestStagingReadErrors::readEndsOnError_data()
{
    QTest::addColumn<Read>("read");
    QTest::addColumn<int>("exportType"); // of a generator's row: 0 daily, 2 summary (a sorted read of spans fails when it runs)
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::newRow("reference funds") << Read::ReferenceFunds << 0 << "lpeople" << "refFund";
    QTest::newRow("holidays") << Read::Holidays << 0 << "lholidays" << "hid";
    QTest::newRow("host switches") << Read::HostSwitches << 0 << "lvars" << "value";
    QTest::newRow("interruption spans") << Read::InterruptionSpans << 0 << "latten_data" << "*";
    QTest::newRow("interruption, daily") << Read::Interruption << 0 << "latten_data" << "duration";
    QTest::newRow("interruption, summary") << Read::Interruption << 2 << "latten_data" << "duration";
    QTest::newRow("work, daily") << Read::Work << 0 << "latten" << "work";
    QTest::newRow("work, summary") << Read::Work << 2 << "latten" << "work";
}

void TestStagingReadErrors::readEndsOnError()
{
    QFETCH(Read, read);
    QFETCH(int, exportType);
    QFETCH(QString, table);
    QFETCH(QString, column);
    Staged s;
    RunContext& run = s.run;
    s.exec("INSERT INTO lpeople (uid, pid, pamId, refFund) VALUES(2, 8, 'P13', 0)", {});
    s.exec("INSERT INTO lholidays (date, hid) VALUES(?, 1), (?, 1)",
           {QDateTime(QDate(2024, 3, 29), QTime(0, 0)).toSecsSinceEpoch(),
            QDateTime(QDate(2024, 3, 31), QTime(0, 0)).toSecsSinceEpoch()});
    s.exec("INSERT INTO lvars (name, value) VALUES('groupsPlanEnabled', 0), ('advancedOvertime', 1)", {});
    for (const char* record : {"4 28800 28800 11", "5 28800 28800 11", "6 28800 28800 11"})
        s.addInterruption(7, record);
    for (const char* day : {"4 work=28800", "5 work=28800 bonus=3600", "6 work=28800 bonus=3600"})
        s.addDay(day);
    for (unsigned iid : {1u, 7u})
        for (const char* span : {"4 4 8 1 11", "5 6 16 2 11"})
            s.addSpan("lintersSpans", iid, 3, span);
    run.iid2NameMap = {{1, QStringLiteral("Práca")}, {7, QStringLiteral("Iná")}};
    const QVariantHash settings{{"0", exportType}, {"1", 1}, {"2", 0}, {"3", 0}};
    run.options = ExportOptions::fromRecord({{"Práca", settings}, {"Iná", settings},
                                             {bonusItemSourceNames().value(0), settings}});
    run.interruptionCodes = {{"7", "11"}, {"1", "1/2"}};
    for (int index = 0; index < 13; ++index)
        run.itemCodes << QStringLiteral("c%1").arg(index);
    failFromSecondRow(s, table, column);

    QHash<QDate, bool> holidays{{QDate(2024, 3, 1), true}}; // what an earlier run learned
    bool advancedOvertime = false;
    ExportRowSink sink(s.staging, run);
    SqlFailureWatch watch;
    switch (read) {
    case Read::ReferenceFunds: s.staging.referenceFundOf(1); break;
    case Read::Holidays:
        QVERIFY(!s.staging.readHolidays(holidays));
        QCOMPARE(holidays.keys(), QList<QDate>{QDate(2024, 3, 1)}); // kept whole
        break;
    case Read::HostSwitches: QVERIFY(!s.staging.readAdvancedOvertime(advancedOvertime)); break;
    case Read::InterruptionSpans: calculateInterruptionSpans(s.staging, run.periodDate, {1}, false); break;
    case Read::Interruption:
    case Read::Work: {
        RecordGenerators generators(run, s.staging, sink);
        generators.startPerson(1);
        generators.exportInterruption(read == Read::Work ? 1 : 7);
        break;
    }
    }
    QVERIFY2(watch.failed(), "the read that ended on an error was taken as complete");
    QVERIFY2(watch.firstReason().contains("overflow"), qPrintable(watch.firstReason()));
}

// The rows of a TEST run go to the table export; once an insert has failed
// (and failed the run), the next rows are not tried.
void TestStagingReadErrors::firstFailedInsertStops()
{
    Staged s;
    QVERIFY(QSqlQuery(s.staging.db()).exec("DROP TABLE export"));
    ExportRowSink sink(s.staging, s.run);
    LogCapture log;
    ExportRow row;
    row.year = "2024";
    row.month = "03";
    row.personalNumber = "P12";
    row.code = "11";
    for (int i = 0; i < 3; ++i)
        sink.write(row);
    QVERIFY(s.run.failed());
    QCOMPARE(log.matching("warning", "insertToExport").size(), 1);
}

QTEST_GUILESS_MAIN(TestStagingReadErrors)
#include "tst_stagingreaderrors.moc"
