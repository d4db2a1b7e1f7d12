// Loading host data into staging, against a private host database per case:
// window bounds and local dates (daylight saving changes included), funds and
// their fallbacks, people and their names, codes, apostrophes, selections.

#include "hostdatabase.h"
#include "logcapture.h"
#include "stagingtestkit.h"

#include <QtTest>

class TestHostLoader : public QObject
{
    Q_OBJECT

private slots:
    void windowsAndLocalDates_data();
    void windowsAndLocalDates();
    void tablesAndFunds();
    void selectionNotLoaded_data();
    void selectionNotLoaded();
};

namespace {

QHash<QString, QVariant> parametersFor(int year, int month, const QVariantHash& inters)
{
    QHash<QString, QVariant> parameters = monthPeriod(year, month);
    parameters.insert(QStringLiteral("inters"), inters);
    return parameters;
}

// Runs the loading step of `plugin` for the people `uids` on the host `host`.
void load(Orvexuniversal& plugin, TestHostDb& host, const QHash<QString, QVariant>& parameters, const QString& uids)
{
    static int connections = 0;
    openStaging(plugin, QStringLiteral("staging_%1_%2").arg(host.name()).arg(++connections));
    plugin.setDatabase(host.db());
    plugin.testMode = false;
    plugin.initExportVariables(parameters);
    plugin.selectedUids = uids;
    for (const QString& uid : uids.split(QLatin1Char(',')))
        plugin.peopleUids << uid.toUInt();
    plugin.loadDataToSQLiteTables(parameters);
}

QVariantHash codes(int fromIid, int toIid)
{
    QVariantHash inters;
    for (int iid = fromIid; iid <= toIid; ++iid)
        inters.insert(QString::number(iid), QStringLiteral("C%1").arg(iid));
    return inters;
}

} // namespace

namespace {
// Records at each bound of both windows and one minute after it: the previous
// bound, beginDay, endDay and the next bound.
QList<QDateTime> boundStarts(int year, int month)
{
    QList<QDateTime> starts;
    for (int offset = -1; offset <= 2; ++offset) {
        const QDateTime bound(QDate(year, month, 1).addMonths(offset), QTime(0, 0));
        starts << bound << bound.addSecs(60);
    }
    return starts;
}
} // namespace

void TestHostLoader::windowsAndLocalDates_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QList<QDateTime>>("starts"); // interruption types 2, 3, ... in this order
    QTest::addColumn<QStringList>("period");      // iid|dom|month|dow|fund
    QTest::addColumn<QStringList>("around");
    // Day records (fond 28800) on every date of a record: the one at beginDay
    // funds both windows, the one at endDay neither.
    QTest::newRow("March") << 2024 << 3 << boundStarts(2024, 3) << QStringList{"5|1|3|5|28800", "6|1|4|1|NULL"}
                           << QStringList{"3|1|2|4|NULL", "4|1|3|5|28800", "7|1|4|1|NULL", "8|1|5|3|28800"};
    QTest::newRow("January asks December")
        << 2024 << 1 << boundStarts(2024, 1) << QStringList{"5|1|1|1|28800", "6|1|2|4|NULL"}
        << QStringList{"3|1|12|5|NULL", "4|1|1|1|28800", "7|1|2|4|NULL", "8|1|3|5|28800"};
    QTest::newRow("December asks January")
        << 2024 << 12 << boundStarts(2024, 12) << QStringList{"5|1|12|7|28800", "6|1|1|3|NULL"}
        << QStringList{"3|1|11|5|NULL", "4|1|12|7|28800", "7|1|1|3|NULL", "8|1|2|6|28800"};
    const QDate march31(2024, 3, 31), october27(2024, 10, 27);
    QTest::newRow("summer time begins")
        << 2024 << 3
        << QList<QDateTime>{{march31, QTime(0, 30)}, {march31, QTime(23, 30)}, {QDate(2024, 4, 1), QTime(0, 30)}}
        << QStringList{"2|31|3|7|28800", "3|31|3|7|28800"} << QStringList{"4|1|4|1|NULL"};
    QTest::newRow("summer time ends")
        << 2024 << 10
        << QList<QDateTime>{{QDate(2024, 9, 30), QTime(23, 30)}, {QDate(2024, 10, 1), QTime(0, 30)},
                            {october27, QTime(0, 30)}, {october27, QTime(23, 30)}}
        << QStringList{"3|1|10|2|28800", "4|27|10|7|28800", "5|27|10|7|28800"} << QStringList{"2|30|9|1|28800"};
}

void TestHostLoader::windowsAndLocalDates()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QList<QDateTime>, starts);
    QFETCH(QStringList, period);
    QFETCH(QStringList, around);
    TestHostDb host(QStringLiteral("t_staging_windows"));
    QVERIFY2(host.isOpen(), qPrintable(host.errorText()));
    host.addPerson(1, 101);
    QSet<QDate> days;
    for (int i = 0; i < starts.size(); ++i) {
        host.addInterruption(1, unsigned(2 + i), starts.at(i), 1800);
        days.insert(starts.at(i).date());
    }
    for (const QDate& day : days)
        host.addDay(1, day, {{"fond", 28800}});

    Orvexuniversal plugin;
    load(plugin, host, parametersFor(year, month, codes(2, 9)), QStringLiteral("1"));
    const QString columns = QStringLiteral("SELECT iid, dom, month, dow, fund FROM %1 ORDER BY id");
    QCOMPARE(stagingRows(plugin.stagingDb, columns.arg("latten_data")), period);
    QCOMPARE(stagingRows(plugin.stagingDb, columns.arg("latten_data_around")), around);
}

void TestHostLoader::tablesAndFunds()
{
    TestHostDb host(QStringLiteral("t_staging_tables"));
    QVERIFY2(host.isOpen(), qPrintable(host.errorText()));
    host.addGroup(1, "Grp'A", 1, 27000, 1);
    host.addGroup(2, "G2", 1, 25000, 0);
    host.addBranch(1, "Br'anch");
    host.addDepartment(1, "D'ep");
    host.addPerson(1, 101, {{"pamId", "P'1"}, {"surname", "O'Brien"}, {"name", "Ann"}, {"title2", ""},
                            {"gid", 1}, {"bid", 1}, {"did", 1}, {"tom", 1}});
    host.addPerson(2, 102, {{"surname", "Novak"}, {"gid", 2}});
    host.addPerson(3, 103, {{"pamId", "0"}});
    host.addHoliday(QDate(2024, 3, 29), 1);
    host.addHoliday(QDate(2024, 3, 31), 0);
    host.addHoliday(QDate(2024, 4, 1), 1);
    host.setVar("advancedOvertime", "1");
    host.setVar("groupsPlanEnabled", "0");
    host.setVar("otherSetting", "5");
    host.addInterruptionType(5, "Sick'leave");
    host.addInterruptionType(7, "Other");
    host.addInterruption(1, 5, QDateTime(QDate(2024, 3, 29), QTime(8, 0)), 28800);
    host.addInterruption(1, 5, QDateTime(QDate(2024, 3, 31), QTime(8, 0)), 14400);
    host.addInterruption(1, 5, QDateTime(QDate(2024, 3, 15), QTime(8, 0)), 28800);
    host.addInterruption(2, 5, QDateTime(QDate(2024, 3, 15), QTime(9, 0)), 28800);
    for (unsigned iid : {1u, 7u, 8u, 1000u})
        host.addInterruption(1, iid, QDateTime(QDate(2024, 3, 14), QTime(8, 0)), 3600);
    host.addInterruption(1, 5, QDateTime(QDate(2024, 3, 13), QTime(8, 0)), 3600, 1);
    host.addInterruption(1, 7, QDateTime(QDate(2024, 2, 15), QTime(8, 0)), 3600);
    host.addInterruption(2, 8, QDateTime(QDate(2024, 4, 10), QTime(8, 0)), 3600);
    host.addDay(1, QDate(2024, 3, 29), {{"fond", 0}, {"expFund", 28800}, {"vouchers", 1.0 / 3}, {"overtimeNote", "it's"}});
    host.addDay(1, QDate(2024, 3, 31), {{"fond", 27000}, {"expFund", 1}, {"vouchers", 1}});
    host.addDay(1, QDate(2024, 2, 15), {{"fond", 28800}});
    host.addDay(2, QDate(2024, 4, 10), {{"fond", 0}, {"expFund", 25200}});

    Orvexuniversal plugin;
    QHash<QString, QVariant> parameters = parametersFor(2024, 3, {{"1", "W"}, {"5", "S'K"}, {"7", ""}});
    parameters.insert(QStringLiteral("items"), QVariantList{"a", ""});
    parameters.insert(QStringLiteral("optWidget"), QVariantHash{{"separator", ";"}});
    LogCapture log;
    load(plugin, host, parameters, QStringLiteral("1,2,3"));

    const QSqlDatabase db = plugin.stagingDb;
    QCOMPARE(stagingRows(db, "SELECT uid, pid, pamId, gid, bid, did, refFund, fullName, grpName, branchName, depName "
                             "FROM lpeople ORDER BY uid"),
             QStringList({"1|101|P'1|1|1|1|27000|O'Brien Ann |Grp'A|Br'anch|D'ep", "2|102||2|0|0|0|Novak|G2||",
                          "3|103|0|0|0|0|0||||"}));
    QCOMPARE(stagingRows(db, "SELECT date, hid FROM lholidays ORDER BY id"),
             QStringList({QStringLiteral("%1|1").arg(localMidnight(QDate(2024, 3, 29))),
                          QStringLiteral("%1|0").arg(localMidnight(QDate(2024, 3, 31)))}));
    QCOMPARE(stagingRows(db, "SELECT name, value FROM lvars ORDER BY id"),
             QStringList({"advancedOvertime|1", "groupsPlanEnabled|0", "inters|{\"1\":\"W\",\"5\":\"S'K\",\"7\":\"\"}",
                          "items|[\"a\",\"\"]", "optWidget|{\"separator\":\";\"}"}));
    QCOMPARE(stagingRows(db, "SELECT uid, iid, dom, month, dow, hol, kod, duration, fund FROM latten_data ORDER BY id"),
             QStringList({"1|5|15|3|5|0|S'K|28800|NULL", "2|5|15|3|5|0|S'K|28800|NULL", "1|5|29|3|5|1|S'K|28800|28800",
                          "1|5|31|3|7|0|S'K|14400|27000"}));
    QCOMPARE(stagingRows(db, "SELECT uid, datum, dom, fond, expFund, vouchers, tom, overtimeNote FROM latten ORDER BY id"),
             QStringList({QStringLiteral("1|%1|29|0|28800|0.333333|1|it's").arg(localMidnight(QDate(2024, 3, 29))),
                          QStringLiteral("1|%1|31|27000|1|1|1|").arg(localMidnight(QDate(2024, 3, 31)))}));
    QCOMPARE(stagingRows(db, "SELECT uid, iid, kod, dom, month, fund FROM latten_data_around ORDER BY id"),
             QStringList({"1|7||15|2|27000", "2|8||10|4|25200"}));
    QCOMPARE(stagingRows(db, "SELECT uid, iid, kod, sum, sumDays, begDay, endDay, month FROM lintersSpans ORDER BY id"),
             QStringList({"1|5|S'K|8|1|15|15|3", "1|5|S'K|8|1|29|29|3", "2|5|S'K|8|1|15|15|3",
                          "1|5|S'K|4|0.533333|31|31|3"}));
    QCOMPARE(plugin.iid2NameMap.value(5), QStringLiteral("Sick'leave"));
    QCOMPARE(plugin.name2iidMap.value(QStringLiteral("Other")), 7u);
    QStringList tables;
    for (const QString& line : log.matching(QStringLiteral("debug"), QString()))
        if (line.startsWith(QLatin1String("debug table [")) || line.contains(QLatin1String("Naplnenie")))
            tables << line.mid(6);
    QCOMPARE(tables, QStringList({"table [lpeople]", "table [lholidays]", "table [lvars]", "table [latten_data]",
                                  "table [latten]", "table [latten_data_around]",
                                  "Naplnenie QHash iid2NameMap a name2iidMap"}));
    QCOMPARE(log.matching(QStringLiteral("warning"), QStringLiteral("Orvexuniversal")), QStringList());
}

void TestHostLoader::selectionNotLoaded_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("warning");
    QTest::newRow("empty") << "" << "selectedUids is empty! Export cannot continue.";
    QTest::newRow("not ids") << "1) OR (1=1" << "selectedUids is not a list of person ids";
}

void TestHostLoader::selectionNotLoaded()
{
    QFETCH(QString, selection);
    QFETCH(QString, warning);
    TestHostDb host(QStringLiteral("t_staging_selection"));
    host.addPerson(1, 101);
    Orvexuniversal plugin;
    LogCapture log;
    load(plugin, host, parametersFor(2024, 3, {}), selection);
    QVERIFY(log.contains(QStringLiteral("warning"), warning));
    QCOMPARE(stagingRows(plugin.stagingDb, "SELECT uid FROM lpeople"), QStringList());
}

QTEST_MAIN(TestHostLoader)
#include "test_hostloader.moc"
