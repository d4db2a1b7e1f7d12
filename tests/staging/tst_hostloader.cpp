// Host data into staging, against private host databases: the people of an
// export (closure and employment check, selections), then loading: window
// bounds, local dates across daylight saving changes, tables and funds.

#include "hostdatabase.h"
#include "logcapture.h"
#include "hostloader.h"
#include "peoplestage.h"
#include "personids.h"
#include "stagingsql.h"
#include "stagingtestkit.h"

#include <QtTest>

namespace {
QHash<QString, QVariant> parametersFor(int year, int month, const QVariantHash& inters)
{
    QHash<QString, QVariant> parameters = monthPeriod(year, month);
    parameters.insert("inters", inters);
    return parameters;
}

// A run of the loading stage and its staging database.
struct Loaded
{
    RunContext run;
    StagingDatabase staging{freshConnectionName("staging")};
    ~Loaded() { staging.close(); }
};

// Runs the loading stage for the people `uids` on `host`.
void load(Loaded& loaded, TestHostDb& host, const QHash<QString, QVariant>& parameters, const QString& uids)
{
    openStaging(loaded.staging);
    loaded.run = runContextFromParameters(parameters);
    loaded.run.testMode = false;
    loaded.run.selectedUids = uids;
    for (const QString& uid : uids.split(','))
        loaded.run.peopleUids << uid.toUInt();
    loadHostData(loaded.run, loaded.staging, host.db());
}

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

class TestHostLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void closure_data();
    void closure();
    void selectedInterruptionsAndItems();
    void testModeSelection();
    void windowsAndLocalDates_data();
    void windowsAndLocalDates();
    void tablesAndFunds();
    void failedStagingInsertStopsLoading();

private:
    QScopedPointer<TestHostDb> people;
};

void TestHostLoader::initTestCase()
{
    people.reset(new TestHostDb("t_staging_people"));
    QVERIFY2(people->isOpen(), qPrintable(people->errorText()));
    const QHash<QString, QVariant> march = monthPeriod(2024, 3);
    const unsigned begin = march.value("beginDay").toUInt(), end = march.value("endDay").toUInt();
    // uid: March closed as (days, checks, oks), days -1 for no closure row; pid = 100 + uid.
    const struct { unsigned uid; int days, checks, oks; QVariantHash columns; } persons[] = {
        {1, 20, 20, 0, {}}, {2, 20, 15, 5, {}}, {3, 20, 15, 4, {{"pamId", "O'3"}}}, {4, -1, 0, 0, {}},
        {5, 0, 0, 0, {}}, {6, -1, 0, 0, {{"status", 0}}}, {7, -1, 0, 0, {{"end", begin - 1}}},
        {8, -1, 0, 0, {{"end", begin}}}, {9, -1, 0, 0, {{"rsBegin", begin - 1}}},
        {10, -1, 0, 0, {{"rsBegin", begin - 1}, {"rsEnd", end}}}, {11, 20, 20, 0, {{"end", begin - 1}}},
        {12, -1, 0, 0, {{"rsBegin", begin}}}, {13, -1, 0, 0, {{"pamId", "0"}}},
        {14, 20, 20, 0, {{"pamId", "0"}, {"name", "<anonym>"}}}};
    for (const auto& person : persons) {
        QVariantHash columns = person.columns;
        if (!columns.contains("name"))
            columns.insert("name", "N");
        people->addPerson(person.uid, int(100 + person.uid), columns);
        if (person.days >= 0)
            people->closeMonth(person.uid, 202403, person.days, person.checks, person.oks);
    }
    people->closeMonth(13, 202402, 20, 20, 0);
}

// Closed people are exported, the others reported unless out of
// employment; a selection that is not a list of ids never reaches SQL.
void TestHostLoader::closure_data()
{
    QTest::addColumn<bool>("allPeople");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("exported");
    QTest::addColumn<QStringList>("reported");
    QTest::newRow("all people") << true << "" << true << "1,2,11,14"
                                << QStringList{"O'3", "104", "105", "108", "110", "112", "113"};
    QTest::newRow("selection with blanks") << false << " 1 , 3,7 " << true << "1" << QStringList{"O'3"};
    QTest::newRow("nobody closed") << false << "4,5" << true << "" << QStringList{"104", "105"};
    QTest::newRow("not a list of ids") << false << "1) OR (1=1" << false << "1) OR (1=1" << QStringList();
    QTest::newRow("empty selection") << false << "" << false << "" << QStringList();
}

void TestHostLoader::closure()
{
    QFETCH(bool, allPeople);
    QFETCH(QString, selection);
    QFETCH(bool, ok);
    QFETCH(QString, exported);
    QFETCH(QStringList, reported);
    RunContext run = runContextFromParameters(monthPeriod(2024, 3));
    run.allPeople = allPeople;
    run.selectedUids = selection;
    run.peopleUids = {99};
    run.excludedPeople = QStringList{"old"};
    if (allPeople) {
        // As the export does: every person but "<anonym>", pamId "0" listed under the pid.
        selectAllPeople(run, people->db());
        QCOMPARE(run.selectedUids, QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13"));
        QCOMPARE(run.pamPidByUid.value(13), QStringLiteral("113"));
        QVERIFY(!run.pamPidByUid.contains(14));
    }
    QHash<QString, QVariant> result;
    LogCapture log;
    QCOMPARE(checkClosure(run, people->db(), result), ok);
    QCOMPARE(run.selectedUids, exported);
    QCOMPARE(run.excludedPeople, reported);
    QCOMPARE(personIdsText(run.peopleUids), ok ? exported : QString());
    if (ok) {
        QVERIFY(!result.contains("errorString"));
        for (const unsigned uid : run.peopleUids)
            QCOMPARE(run.pamPidByUid.value(uid), QString::number(100 + uid));
        return;
    }
    QVERIFY(log.contains("critical", "Orvexuniversal::checkPeople() - SQL ERROR ["));
    QVERIFY(result.value("errorString").toString().startsWith(
        QString::fromUtf8("Zoznam zamestnancov pre export nebolo možné načítať z databázy (interná chyba SQL: ")));
    // The loading step refuses such a selection too, with a warning.
    Loaded loader;
    load(loader, *people, parametersFor(2024, 3, {}), selection);
    QVERIFY(log.contains("warning", selection.isEmpty() ? "selectedUids is empty! Export cannot continue."
                                                        : "selectedUids is not a list of person ids"));
    QCOMPARE(stagingRows(loader.staging.db(), "SELECT uid FROM lpeople"), QStringList());
}

// Interruptions with a code as two-digit ids sorted as text, items with a code by index.
void TestHostLoader::selectedInterruptionsAndItems()
{
    const QHash<QString, QVariant> parameters{
        {"inters", QVariantHash{{"1", "1"}, {"2", ""}, {"14", "10"}, {"3", "3"}, {"120", "x"}}},
        {"items", QVariantList{"A", "", "", "", "B", "", "", "", "", "", "", "", "C"}}};
    const RunContext run = runContextFromParameters(parameters);
    QCOMPARE(run.selectedInterruptions, QStringList({"01", "03", "120", "14"}));
    QCOMPARE(run.selectedItems, QList<int>({0, 4, 12}));
}

// TEST mode keeps order and duplicates ("" is id 0), payroll numbers from staging.
void TestHostLoader::testModeSelection()
{
    Loaded loaded;
    openStaging(loaded.staging);
    QSqlQuery(loaded.staging.db()).exec("INSERT INTO lpeople (uid, pid, pamId) VALUES (7, 107, '0'), (12, 112, 'P')");
    RunContext& run = loaded.run;
    run.testMode = true;
    run.selectedUids = "12,7,12";
    selectAllPeople(run, loaded.staging.db());
    QCOMPARE(run.peopleUids, QVector<unsigned>({12, 7, 12}));
    QCOMPARE(run.pamPidByUid.value(7) + run.pamPidByUid.value(12), QStringLiteral("107P"));
    run.selectedUids.clear();
    selectAllPeople(run, loaded.staging.db());
    QCOMPARE(run.peopleUids, QVector<unsigned>({0}));
}

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
    TestHostDb host("t_staging_windows");
    QVERIFY2(host.isOpen(), qPrintable(host.errorText()));
    host.addPerson(1, 101);
    QSet<QDate> days;
    for (int i = 0; i < starts.size(); ++i) {
        host.addInterruption(1, unsigned(2 + i), starts.at(i), 1800);
        days.insert(starts.at(i).date());
    }
    for (const QDate& day : days)
        host.addDay(1, day, {{"fond", 28800}});
    QVariantHash codes;
    for (int iid = 2; iid <= 9; ++iid)
        codes.insert(QString::number(iid), QString("C%1").arg(iid));
    Loaded plugin;
    load(plugin, host, parametersFor(year, month, codes), "1");
    const QString columns = "SELECT iid, dom, month, dow, fund FROM %1 ORDER BY id";
    QCOMPARE(stagingRows(plugin.staging.db(), columns.arg("latten_data")), period);
    QCOMPARE(stagingRows(plugin.staging.db(), columns.arg("latten_data_around")), around);
}

// Every staging table from one host: names and codes with apostrophes,
// funds and their fallbacks, deleted and out-of-window records left out.
void TestHostLoader::tablesAndFunds()
{
    TestHostDb host("t_staging_tables");
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
    host.addDay(1, QDate(2024, 3, 29),
                {{"fond", 0}, {"expFund", 28800}, {"vouchers", 1.0 / 3}, {"overtimeNote", "it's"}});
    host.addDay(1, QDate(2024, 3, 31), {{"fond", 27000}, {"expFund", 1}, {"vouchers", 1}});
    host.addDay(1, QDate(2024, 2, 15), {{"fond", 28800}});
    host.addDay(2, QDate(2024, 4, 10), {{"fond", 0}, {"expFund", 25200}});

    Loaded plugin;
    QHash<QString, QVariant> parameters = parametersFor(2024, 3, {{"1", "W"}, {"5", "S'K"}, {"7", ""}});
    parameters.insert("items", QVariantList{"a", ""});
    parameters.insert("optWidget", QVariantHash{{"separator", ";"}});
    LogCapture log;
    load(plugin, host, parameters, "1,2,3");
    const QSqlDatabase db = plugin.staging.db();
    const QString march29 = QString::number(localMidnight(QDate(2024, 3, 29)));
    const QString march31 = QString::number(localMidnight(QDate(2024, 3, 31)));
    QCOMPARE(stagingRows(db, "SELECT uid, pid, pamId, gid, bid, did, refFund, fullName, grpName, branchName, "
                             "depName FROM lpeople ORDER BY uid"),
             QStringList({"1|101|P'1|1|1|1|27000|O'Brien Ann |Grp'A|Br'anch|D'ep", "2|102||2|0|0|0|Novak|G2||",
                          "3|103|0|0|0|0|0||||"}));
    QCOMPARE(stagingRows(db, "SELECT date, hid FROM lholidays ORDER BY id"),
             QStringList({march29 + "|1", march31 + "|0"}));
    QCOMPARE(stagingRows(db, "SELECT name, value FROM lvars ORDER BY id"),
             QStringList({"advancedOvertime|1", "groupsPlanEnabled|0",
                          "inters|{\"1\":\"W\",\"5\":\"S'K\",\"7\":\"\"}", "items|[\"a\",\"\"]",
                          "optWidget|{\"separator\":\";\"}"}));
    QCOMPARE(stagingRows(db, "SELECT uid, iid, dom, month, dow, hol, kod, duration, fund FROM latten_data "
                             "ORDER BY id"),
             QStringList({"1|5|15|3|5|0|S'K|28800|NULL", "2|5|15|3|5|0|S'K|28800|NULL",
                          "1|5|29|3|5|1|S'K|28800|28800", "1|5|31|3|7|0|S'K|14400|27000"}));
    QCOMPARE(stagingRows(db, "SELECT uid, datum, dom, fond, expFund, vouchers, tom, overtimeNote FROM latten "
                             "ORDER BY id"),
             QStringList({"1|" + march29 + "|29|0|28800|0.333333|1|it's", "1|" + march31 + "|31|27000|1|1|1|"}));
    QCOMPARE(stagingRows(db, "SELECT uid, iid, kod, dom, month, fund FROM latten_data_around ORDER BY id"),
             QStringList({"1|7||15|2|27000", "2|8||10|4|25200"}));
    QCOMPARE(stagingRows(db, "SELECT uid, iid, kod, sum, sumDays, begDay, endDay, month FROM lintersSpans "
                             "ORDER BY id"),
             QStringList({"1|5|S'K|8|1|15|15|3", "1|5|S'K|8|1|29|29|3", "2|5|S'K|8|1|15|15|3",
                          "1|5|S'K|4|0.533333|31|31|3"}));
    // The kept days as latten holds them, each person's handed over once:
    // a second time the caller reads latten.
    QVector<LoadedDay> days;
    QVERIFY(plugin.staging.loadedDays().take(1, &days));
    QCOMPARE(days.size(), 2);
    QCOMPARE(QList<int>({days.at(0).dom, days.at(0).fond, days.at(0).expFund, days.at(0).tom}),
             QList<int>({29, 0, 28800, 1}));
    QCOMPARE(days.at(1).vouchers, 1.0);
    QVERIFY(!plugin.staging.loadedDays().take(1, &days));
    QVERIFY(plugin.staging.loadedDays().take(3, &days));
    QVERIFY(days.isEmpty());
    QCOMPARE(plugin.run.iid2NameMap.value(5), QStringLiteral("Sick'leave"));
    QCOMPARE(plugin.run.name2iidMap.value("Other"), 7u);
    QCOMPARE(log.matching("warning", "Orvexuniversal"), QStringList());
}

// Staging that refuses the period's day records: the first refused row stops
// the loading with one logged failure, not one per row, and nothing after it
// is loaded.
void TestHostLoader::failedStagingInsertStopsLoading()
{
    TestHostDb host("t_staging_refused");
    QVERIFY2(host.isOpen(), qPrintable(host.errorText()));
    host.addInterruptionType(5, "Sick");
    for (unsigned uid = 1; uid <= 3; ++uid) {
        host.addPerson(uid, int(100 + uid));
        for (int day = 1; day <= 10; ++day)
            host.addDay(uid, QDate(2024, 3, day), {{"fond", 28800}});
        host.addInterruption(uid, 5, QDateTime(QDate(2024, 2, 20), QTime(8, 0)), 28800);
    }
    Loaded plugin;
    openStaging(plugin.staging);
    QSqlQuery sabotage(plugin.staging.db());
    QVERIFY(sabotage.exec("CREATE TRIGGER refuse_days BEFORE INSERT ON latten BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    plugin.run = runContextFromParameters(parametersFor(2024, 3, {{"5", "S"}}));
    plugin.run.testMode = false;
    plugin.run.selectedUids = "1,2,3";
    plugin.run.peopleUids = {1, 2, 3};
    LogCapture log;
    SqlFailureWatch watch;
    loadHostData(plugin.run, plugin.staging, host.db());
    QVERIFY(watch.failed());
    QCOMPARE(log.matching("warning", "INSERT INTO [latten]").size(), 1);
    QCOMPARE(stagingRows(plugin.staging.db(), "SELECT COUNT(*) FROM latten_data_around"), QStringList("0"));
}

QTEST_MAIN(TestHostLoader)
#include "tst_hostloader.moc"
