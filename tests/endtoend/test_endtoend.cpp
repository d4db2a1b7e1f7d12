// Whole exports as the host runs them: the built plug-in loaded through
// QPluginLoader, makeExport on a small company's month in the host database,
// the payroll file compared byte for byte with files worked out by hand
// (expected/DERIVATION.md tells how each line comes about).

#include "hostdatabase.h"
#include "pluginhost.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProgressDialog>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

const QString expectedDir = QStringLiteral(ORVEX_SOURCE_DIR "/tests/endtoend/expected/");

// One row-settings entry of the options record: export type, value, date from, date to.
struct RowOption
{
    const char* name;
    int type, value, from, to;
};

// An options record; `separator` null leaves the separator keys out.
QVariantMap settings(const char* separator, bool separatorOnEnd, const char* workCode,
                     std::initializer_list<RowOption> rows, const QVariantList& items)
{
    QVariantMap options{{"comboIntPN", "PN"}, {"comboIntOCR", QString::fromUtf8("OČR")},
                        {"comboIntKarPN", QString::fromUtf8("Karanténa PN")}, {"comboIntKarOCR", ""},
                        {"dateFormat", "dd.MM.yyyy"}, {"isNoPNWeekendsAndHolidays", true},
                        {"isNoPNstartDate", true}, {"isNoPNendDate", true}};
    if (separator) {
        options.insert("separator", separator);
        options.insert("isSeparatorOnEnd", separatorOnEnd);
    }
    for (const RowOption& r : rows)
        options.insert(QString::fromUtf8(r.name), QVariantMap{{"0", r.type}, {"1", r.value}, {"2", r.from}, {"3", r.to}});
    const QVariantMap inters{{"1", workCode}, {"3", "3"}, {"7", "9/19"}, {"14", "10"},
                             {"15", "11"}, {"16", "12"}, {"20", ""}};
    return {{"inters", inters}, {"items", items}, {"optWidget", options}};
}

// Every kind of row of the company's month; "|", none at the end.
QVariantMap mainSettings()
{
    return settings("|", false, "1",
                    {{"Práca", 2, 1, 2, 2}, {"PN", 1, 1, 3, 3}, {"OČR", 1, 1, 3, 3}, {"Dovolenka", 0, 3, 1, 1},
                     {"Lekár", 2, 2, 3, 3}, {"Záporné saldo (Absencia)", 1, 2, 2, 2}, {"Práca v sobotu", 1, 2, 2, 2},
                     {"Práca v noci", 0, 2, 1, 1}, {"Nadčasové hodiny", 1, 2, 2, 2},
                     {"Platené sviatky - hodiny", 1, 2, 2, 2}, {"Odpracované sviatky - hodiny", 1, 2, 2, 2},
                     {"Pohotovosť", 0, 2, 1, 1}, {"Stravné jednotky (lístky)", 1, 0, 2, 2},
                     {"Stravné jednotky (príspevok)", 1, 0, 2, 2}, {"Nadčas vo sviatky", 1, 2, 2, 2},
                     {"Plný fond", 1, 1, 2, 2}},
                    {"15", "84", "", "85", "2", "5", "7", "", "86", "192", "193", "82", "-1"});
}

// Work in spans, sick leave per day, care as a month total; ";" also at the end.
QVariantMap pairSettings()
{
    return settings(";", true, "1",
                    {{"Práca", 1, 2, 3, 3}, {"PN", 0, 1, 1, 1}, {"OČR", 2, 1, 3, 3}, {"Dovolenka", 0, 3, 1, 1},
                     {"Odpracované sviatky - hodiny", 0, 2, 1, 1}},
                    {"", "", "", "", "", "", "7", "", "", "", "", "", ""});
}

// Work per day with a days/hours code pair; no "separator" key.
QVariantMap dailySettings()
{
    return settings(nullptr, false, "1/101",
                    {{"Práca", 0, 3, 1, 1}, {"Dovolenka", 2, 1, 1, 1}, {"Lekár", 0, 4, 1, 0},
                     {"Práca v noci", 1, 3, 1, 2}, {"Pohotovosť", 1, 1, 2, 2}},
                    {"", "", "", "85", "", "", "", "", "86", "", "", "", ""});
}

// Day records of `uid` from `first` to `last`: 8 h fund on weekdays, none on
// weekends and on 29 March (a holiday, expected fund 8 h); `worked` says which
// weekdays hold 8 h of work and a meal voucher; `extra` overrides columns.
void addDays(TestHostDb& db, unsigned uid, const QDate& first, const QDate& last,
             const std::function<bool(const QDate&)>& worked,
             const QHash<int, QVariantHash>& extra = QHash<int, QVariantHash>())
{
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        QVariantHash columns;
        if (day == QDate(2024, 3, 29))
            columns = {{"hid", 1}, {"fond", 0}, {"expFund", 28800}};
        else if (day.dayOfWeek() < 6)
            columns = worked(day) ? QVariantHash{{"fond", 28800}, {"work", 28800}, {"vouchers", 1}}
                                  : QVariantHash{{"fond", 28800}};
        const QVariantHash more = extra.value(day.day());
        for (auto it = more.constBegin(); it != more.constEnd(); ++it)
            columns.insert(it.key(), it.value());
        db.addDay(uid, day, columns);
    }
}

// An 8-hour interruption on every day from `first` to `last`, starting at `start`.
void addDailyInterruption(TestHostDb& db, unsigned uid, unsigned iid, const QDate& first, const QDate& last,
                          const QTime& start)
{
    for (QDate day = first; day <= last; day = day.addDays(1))
        db.addInterruption(uid, iid, QDateTime(day, start), 28800);
}

void buildCompany(TestHostDb& db)
{
    db.setVar("advancedOvertime", "0");
    db.addGroup(1, QString::fromUtf8("Výroba"));
    db.addBranch(1, "Bratislava");
    db.addDepartment(1, QString::fromUtf8("Montáž"));
    const QStringList types{"Práca", "Lekár", "Dovolenka", "OČR", "PN", "Karanténa PN", "Služobná cesta"};
    const unsigned iids[] = {1, 3, 7, 14, 15, 16, 20};
    for (int i = 0; i < types.size(); ++i)
        db.addInterruptionType(iids[i], types.at(i));
    db.addHoliday(QDate(2024, 3, 29));
    db.addHoliday(QDate(2024, 4, 1));

    auto person = [&db](unsigned uid, const QVariant& pamId, const QString& surname, int tom) {
        db.addPerson(uid, int(100 + uid), {{"pamId", pamId}, {"surname", surname}, {"name", "Jana"}, {"gid", 1},
                                           {"bid", 1}, {"did", 1}, {"tom", tom}});
    };
    const QDate march1(2024, 3, 1), march31(2024, 3, 31);
    const QTime seven(7, 0);

    // A: leave, doctor, overtime, night, Saturday work, on call, tickets.
    person(1, "5001", "Adamová", 0);
    addDays(db, 1, march1, march31, [](const QDate&) { return true; },
            {{4, {{"work", 0}, {"vouchers", 0}}}, {5, {{"work", 14400}}}, {6, {{"work", 21600}}},
             {7, {{"work", 32400}, {"diff", 3600}}}, {8, {{"night", 7200}}}, {9, {{"work", 14400}, {"diff", 14400}}},
             {13, {{"readBegin", 79200}, {"readEnd", 21600}}}, {20, {{"work", 18000}}}});
    db.addInterruption(1, 7, QDateTime(QDate(2024, 3, 4), seven), 28800);
    db.addInterruption(1, 7, QDateTime(QDate(2024, 3, 5), QTime(11, 0)), 14400);
    db.addInterruption(1, 3, QDateTime(QDate(2024, 3, 6), seven), 7200);
    db.addInterruption(1, 3, QDateTime(QDate(2024, 3, 20), QTime(12, 0)), 10800);
    db.closeMonth(1, 202403, 21, 21, 0);

    // B: sick leave from February, works from the 13th and on the holiday.
    person(2, QVariant(QVariant::String), "Bielik", 1);
    addDays(db, 2, march1, march31, [](const QDate& d) { return d.day() >= 13; },
            {{29, {{"work", 28800}, {"diff", 28800}, {"vouchers", 1}}}});
    addDailyInterruption(db, 2, 15, QDate(2024, 2, 26), QDate(2024, 3, 12), seven);
    db.closeMonth(2, 202403, 21, 11, 10);

    // C: family care from the 25th into April, night work.
    person(3, "0", "Cibulová", 0);
    addDays(db, 3, march1, march31, [](const QDate& d) { return d.day() <= 22; },
            {{21, {{"night", 21600}}}, {22, {{"night", 21600}}}});
    addDailyInterruption(db, 3, 14, QDate(2024, 3, 25), QDate(2024, 4, 5), seven);
    db.closeMonth(3, 202403, 21, 21, 0);

    // D: left on the 15th, leave on the last day.
    person(4, "5004", "Dudek", 0);
    db.exec("UPDATE people SET `end` = ? WHERE uid = 4", {localMidnight(QDate(2024, 3, 16))});
    addDays(db, 4, march1, QDate(2024, 3, 15), [](const QDate& d) { return d.day() < 15; });
    db.addInterruption(4, 7, QDateTime(QDate(2024, 3, 15), seven), 28800);
    db.closeMonth(4, 202403, 11, 11, 0);

    // E left in February without closing; F has not closed March; H has no data.
    person(5, "5005", "Ernest", 0);
    db.exec("UPDATE people SET `end` = ? WHERE uid = 5", {localMidnight(QDate(2024, 2, 10))});
    person(6, "5006", "Fiala", 0);
    db.closeMonth(6, 202403, 21, 10, 5);
    person(7, "5007", "Hrubá", 0);
    db.closeMonth(7, 202403, 21, 21, 0);

    // I: October (winter time from the 27th), sick leave 21-31 starting at 00:30.
    person(8, "5008", "Ivanová", 0);
    addDays(db, 8, QDate(2024, 10, 1), QDate(2024, 10, 31), [](const QDate& d) { return d.day() <= 18; });
    addDailyInterruption(db, 8, 15, QDate(2024, 10, 21), QDate(2024, 10, 31), QTime(0, 30));
    db.closeMonth(8, 202410, 23, 23, 0);

    db.addPamSettings(QJsonDocument(QJsonObject::fromVariantMap(mainSettings())).toJson(QJsonDocument::Compact));
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file " + path.toUtf8() + ">");
}

QByteArray expectedBytes(const QString& name)
{
    QByteArray bytes = fileBytes(expectedDir + name);
#ifdef Q_OS_WIN
    bytes.replace("\n", "\r\n");
#endif
    return bytes;
}

QHash<QString, QVariant> parameters(const QVariantMap& settings, int month, const QString& people,
                                    const QString& exportPath)
{
    QHash<QString, QVariant> p = monthPeriod(2024, month);
    p.insert("pamSettingsId", 1);
    p.insert("allPeople", people == "all");
    p.insert("selPeople", people == "all" ? QString() : people);
    for (const char* key : {"inters", "items", "optWidget"})
        p.insert(key, settings.value(key));
    p.insert("exportPath", exportPath);
    return p;
}

// The run's progress dialog as a user sees it, if it is showing.
QProgressDialog* visibleProgressDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QProgressDialog*>(widget);
        if (dialog && dialog->isVisible() && dialog->labelText() == QLatin1String("Exportujem Orvexuniversal..."))
            return dialog;
    }
    return nullptr;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exports_data();
    void exports();
    void cancelDuringTheFirstPerson();
    void testModeReplaysAPreparedFile();

private:
    QScopedPointer<TestHostDb> host, emptyHost;
    QScopedPointer<PluginHost> plugin;
};

void TestEndToEnd::initTestCase()
{
    host.reset(new TestHostDb(QStringLiteral("t_endtoend_company")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    buildCompany(*host);
    emptyHost.reset(new TestHostDb(QStringLiteral("t_endtoend_empty")));
    QVERIFY2(emptyHost->isOpen(), qPrintable(emptyHost->errorText()));
    plugin.reset(new PluginHost);
    QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
}

void TestEndToEnd::exports_data()
{
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("people");
    QTest::addColumn<bool>("emptyDatabase");
    QTest::addColumn<QString>("expectedFile"); // empty: the file is written empty
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("message"); // doneString, or errorString when the export fails
    QTest::addColumn<int>("peopleCount"); // -1: the message is all the result holds

    const QString emptyList = QString::fromUtf8(
        "Export neprebehol, pretože zoznam ľudí je prázdny!  \nVšetci požadovaní ľudia boli možno vyradení z "
        "dôvodu neuzavretých dní.   \nPrekontrolujte prosím nastavenia a spustite export znovu.");
    const QString noData = QString::fromUtf8("Export neprebehol, pretože neexistujú žiadne data pre export! \n"
                                             "Prekontrolujte prosím nastavenia a spustite export znovu.");
    // The rows run in this order on one plug-in object: nothing may carry over.
    QTest::newRow("whole company, March with the change to summer time")
        << mainSettings() << 3 << "all" << false << "company-2024-03.txt" << 27
        << QString::fromUtf8("\nZamestnanci s ID: 5006,5008 boli vyradení z dôvodu neuzavretých dní.") << 5;
    QTest::newRow("spans, per day and month totals, ';' at the line end")
        << pairSettings() << 3 << "2,3" << false << "pair-bc-2024-03.txt" << 12 << QString() << 2;
    QTest::newRow("work per day with a code pair")
        << dailySettings() << 3 << "1" << false << "person-a-daily-2024-03.txt" << 23 << QString() << 1;
    QTest::newRow("October with the change to winter time")
        << mainSettings() << 10 << "8" << false << "person-i-2024-10.txt" << 4 << QString() << 1;
    QTest::newRow("all wanted people left out")
        << mainSettings() << 3 << "6" << false << QString() << 0 << emptyList << -1;
    QTest::newRow("a closed person without data")
        << mainSettings() << 3 << "7" << false << QString() << 0 << noData << 1;
    QTest::newRow("no people in the host database")
        << mainSettings() << 3 << "all" << true << QString() << 0 << emptyList << -1;
    QTest::newRow("output directory cannot be written")
        << mainSettings() << 3 << "all" << false << QString() << -1
        << QString::fromUtf8("Výstupný súbor sa nepodarilo otvoriť pre zápis! \nUistite sa, či nie je otvorený v "
                             "inom programe.")
        << -1;
}

void TestEndToEnd::exports()
{
    QFETCH(QVariantMap, settings);
    QFETCH(int, month);
    QFETCH(QString, people);
    QFETCH(bool, emptyDatabase);
    QFETCH(QString, expectedFile);
    QFETCH(int, lines);
    QFETCH(QString, message);
    QFETCH(int, peopleCount);

    QTemporaryDir directory;
    const QString exportPath = lines < 0 ? directory.filePath("no/such/directory") : directory.path();
    plugin->exporter()->setDatabase(emptyDatabase ? emptyHost->db() : host->db());
    QHash<QString, QVariant> result;
    QCOMPARE(plugin->exporter()->makeExport(parameters(settings, month, people, exportPath), &result), lines);
    const QString fileName = QStringLiteral("ds%1%2_ID-1.txt").arg(month, 2, 10, QLatin1Char('0')).arg(2024);
    if (lines >= 0)
        QCOMPARE(fileBytes(directory.filePath(fileName)),
                 expectedFile.isEmpty() ? QByteArray() : expectedBytes(expectedFile));
    const QString resultKey = lines < 0 ? "errorString" : "doneString";
    QCOMPARE(result.value(resultKey).toString(), message);
    if (peopleCount < 0) {
        QCOMPARE(result.keys(), QStringList{resultKey});
    } else {
        QVERIFY(!result.contains("errorString"));
        QCOMPARE(result.value("peopleCount").toInt(), peopleCount);
        QCOMPARE(result.value("fileName").toString(), fileName);
    }
}

// A cancel pressed during the first person: that person (5001) is finished and written.
void TestEndToEnd::cancelDuringTheFirstPerson()
{
    QTemporaryDir directory;
    QHash<QString, QVariant> result;
    plugin->exporter()->setDatabase(host->db());
    // Runs whenever the export lets events through; presses cancel once the
    // dialog moves on to the second person.
    QTimer probe;
    int maximum = -1;
    bool windowModal = false;
    connect(&probe, &QTimer::timeout, [&] {
        QProgressDialog* dialog = visibleProgressDialog();
        if (dialog && maximum < 0 && dialog->value() >= 1) {
            maximum = dialog->maximum();
            windowModal = dialog->windowModality() == Qt::WindowModal;
            dialog->cancel();
        }
    });
    probe.start(0);
    const int returned = plugin->exporter()->makeExport(parameters(mainSettings(), 3, "all", directory.path()), &result);
    QCOMPARE(maximum, 5);
    QVERIFY(windowModal);
    QByteArray first;
    for (const QByteArray& line : expectedBytes("company-2024-03.txt").split('\n'))
        if (line.startsWith("2024|03|5001|"))
            first += line + "\n";
    QCOMPARE(fileBytes(directory.filePath("ds032024_ID-1.txt")), first);
    QCOMPARE(returned, 11);
    QCOMPARE(result.value("peopleCount").toInt(), 5);
}

// orvex-prepare-test prepares the month into a staging file; a fresh plug-in
// object replays it in TEST mode (no dialog, result untouched) and its staged
// rows must be the lines of the normal export.
void TestEndToEnd::testModeReplaysAPreparedFile()
{
    QTemporaryDir work;
    QVERIFY(QDir(work.path()).mkpath("DB_test_paterns") && QDir(work.path()).mkpath("TMP"));
    QProcess tool;
    tool.start(QStringLiteral(ORVEX_PREPARE_TEST_TOOL),
               {"--socket", TestHostDb::connectOptions().mid(QStringLiteral("UNIX_SOCKET=").size()), "--user",
                "root", "--database", host->name(), "--month", "2024-03", "--people", "all", "--out",
                work.filePath("DB_test_paterns/company-2024-03.db"), "--params", work.filePath("params.json")});
    QVERIFY(tool.waitForFinished(120000));
    QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());

    delete plugin->object();
    plugin.reset(new PluginHost);
    QVERIFY(plugin->loaded());
    QFile paramsFile(work.filePath("params.json"));
    QVERIFY(paramsFile.open(QIODevice::ReadOnly));
    const QHash<QString, QVariant> p = QJsonDocument::fromJson(paramsFile.readAll()).object().toVariantHash();
    QCOMPARE(p.value("dbName").toString(), QStringLiteral("company-2024-03.db"));
    QCOMPARE(p.value("testWorkPath").toString(), QDir(work.path()).absolutePath());
    QHash<QString, QVariant> result{{"kept", true}};
    bool dialogSeen = false;
    QTimer probe;
    connect(&probe, &QTimer::timeout, [&] { dialogSeen = dialogSeen || visibleProgressDialog(); });
    probe.start(0);
    QCOMPARE(plugin->exporter()->makeExport(p, &result), 0);
    QVERIFY(!dialogSeen);
    QCOMPARE(result.keys(), QStringList{"kept"});

    // item7 is always empty: the seven other fields joined are the file's line.
    QByteArray rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "endtoend_testout");
        db.setDatabaseName(work.filePath("TMP/tmp_outDatabase.db"));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY2(query.exec("SELECT item0 || '|' || item1 || '|' || item2 || '|' || item3 || '|' || item4 || '|' || "
                            "item5 || '|' || item6 FROM export ORDER BY pid, item5"),
                 qPrintable(query.lastError().text()));
        while (query.next())
            rows += query.value(0).toString().toUtf8() + "\n";
    }
    QCOMPARE(rows, fileBytes(expectedDir + "company-2024-03.txt"));
}

QTEST_MAIN(TestEndToEnd)
#include "test_endtoend.moc"
