// Whole exports as the host runs them: the built plug-in loaded through
// QPluginLoader, makeExport on a small company's month in the host database,
// the payroll file compared byte for byte with files worked out by hand
// (expected/DERIVATION.md tells how each line comes about).

#include "hostdatabase.h"
#include "logcapture.h"
#include "pluginhost.h"
#include "progressprobe.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

const QString expectedDir = QStringLiteral(ORVEX_SOURCE_DIR "/tests/endtoend/expected/");

QVariantMap rowSettings(int type, int value, int from, int to)
{
    return {{"0", type}, {"1", value}, {"2", from}, {"3", to}};
}

QVariantMap interCodes(const QString& workCode)
{
    return {{"1", workCode}, {"3", "3"}, {"7", "9/19"}, {"14", "10"}, {"15", "11"}, {"16", "12"}, {"20", ""}};
}

QVariantMap specialInterruptions()
{
    return {{"comboIntPN", "PN"},
            {"comboIntOCR", QString::fromUtf8("OČR")},
            {"comboIntKarPN", QString::fromUtf8("Karanténa PN")},
            {"comboIntKarOCR", ""},
            {"dateFormat", "dd.MM.yyyy"},
            {"isNoPNWeekendsAndHolidays", true},
            {"isNoPNstartDate", true},
            {"isNoPNendDate", true}};
}

// Every kind of row of the company's month.
QVariantMap mainSettings()
{
    QVariantMap options = specialInterruptions();
    options.insert("separator", "|");
    options.insert("isSeparatorOnEnd", false);
    options.insert(QString::fromUtf8("Práca"), rowSettings(2, 1, 2, 2));
    options.insert("PN", rowSettings(1, 1, 3, 3));
    options.insert(QString::fromUtf8("OČR"), rowSettings(1, 1, 3, 3));
    options.insert("Dovolenka", rowSettings(0, 3, 1, 1));
    options.insert(QString::fromUtf8("Lekár"), rowSettings(2, 2, 3, 3));
    options.insert(QString::fromUtf8("Záporné saldo (Absencia)"), rowSettings(1, 2, 2, 2));
    options.insert(QString::fromUtf8("Práca v sobotu"), rowSettings(1, 2, 2, 2));
    options.insert(QString::fromUtf8("Práca v noci"), rowSettings(0, 2, 1, 1));
    options.insert(QString::fromUtf8("Nadčasové hodiny"), rowSettings(1, 2, 2, 2));
    options.insert(QString::fromUtf8("Platené sviatky - hodiny"), rowSettings(1, 2, 2, 2));
    options.insert(QString::fromUtf8("Odpracované sviatky - hodiny"), rowSettings(1, 2, 2, 2));
    options.insert(QString::fromUtf8("Pohotovosť"), rowSettings(0, 2, 1, 1));
    options.insert(QString::fromUtf8("Stravné jednotky (lístky)"), rowSettings(1, 0, 2, 2));
    options.insert(QString::fromUtf8("Stravné jednotky (príspevok)"), rowSettings(1, 0, 2, 2));
    options.insert(QString::fromUtf8("Nadčas vo sviatky"), rowSettings(1, 2, 2, 2));
    options.insert(QString::fromUtf8("Plný fond"), rowSettings(1, 1, 2, 2));
    return {{"inters", interCodes("1")},
            {"items", QVariantList{"15", "84", "", "85", "2", "5", "7", "", "86", "192", "193", "82", "-1"}},
            {"optWidget", options}};
}

// Work in spans, sick leave per day, care as a month total; ";" also at the end.
QVariantMap pairSettings()
{
    QVariantMap options = specialInterruptions();
    options.insert("separator", ";");
    options.insert("isSeparatorOnEnd", true);
    options.insert(QString::fromUtf8("Práca"), rowSettings(1, 2, 3, 3));
    options.insert("PN", rowSettings(0, 1, 1, 1));
    options.insert(QString::fromUtf8("OČR"), rowSettings(2, 1, 3, 3));
    options.insert("Dovolenka", rowSettings(0, 3, 1, 1));
    options.insert(QString::fromUtf8("Odpracované sviatky - hodiny"), rowSettings(0, 2, 1, 1));
    return {{"inters", interCodes("1")},
            {"items", QVariantList{"", "", "", "", "", "", "7", "", "", "", "", "", ""}},
            {"optWidget", options}};
}

// Work per day with a days/hours code pair; no "separator" key.
QVariantMap dailySettings()
{
    QVariantMap options = specialInterruptions();
    options.insert(QString::fromUtf8("Práca"), rowSettings(0, 3, 1, 1));
    options.insert("Dovolenka", rowSettings(2, 1, 1, 1));
    options.insert(QString::fromUtf8("Lekár"), rowSettings(0, 4, 1, 0));
    options.insert(QString::fromUtf8("Práca v noci"), rowSettings(1, 3, 1, 2));
    options.insert(QString::fromUtf8("Pohotovosť"), rowSettings(1, 1, 2, 2));
    return {{"inters", interCodes("1/101")},
            {"items", QVariantList{"", "", "", "85", "", "", "", "", "86", "", "", "", ""}},
            {"optWidget", options}};
}

bool isWeekday(const QDate& date)
{
    return date.dayOfWeek() < 6;
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
        const bool holiday = day == QDate(2024, 3, 29);
        if (holiday) {
            columns = {{"hid", 1}, {"fond", 0}, {"expFund", 28800}};
        } else if (isWeekday(day)) {
            columns = {{"fond", 28800}};
            if (worked(day)) {
                columns.insert("work", 28800);
                columns.insert("vouchers", 1);
            }
        }
        for (auto it = extra.value(day.day()).constBegin(); it != extra.value(day.day()).constEnd(); ++it)
            columns.insert(it.key(), it.value());
        db.addDay(uid, day, columns);
    }
}

void addDailyInterruption(TestHostDb& db, unsigned uid, unsigned iid, const QDate& first, const QDate& last,
                          int hour, int minute = 0)
{
    for (QDate day = first; day <= last; day = day.addDays(1))
        db.addInterruption(uid, iid, QDateTime(day, QTime(hour, minute)), 28800);
}

void buildCompany(TestHostDb& db)
{
    db.setVar("advancedOvertime", "0");
    db.addGroup(1, QString::fromUtf8("Výroba"));
    db.addBranch(1, "Bratislava");
    db.addDepartment(1, QString::fromUtf8("Montáž"));
    db.addInterruptionType(1, QString::fromUtf8("Práca"));
    db.addInterruptionType(3, QString::fromUtf8("Lekár"));
    db.addInterruptionType(7, "Dovolenka");
    db.addInterruptionType(14, QString::fromUtf8("OČR"));
    db.addInterruptionType(15, "PN");
    db.addInterruptionType(16, QString::fromUtf8("Karanténa PN"));
    db.addInterruptionType(20, QString::fromUtf8("Služobná cesta"));
    db.addHoliday(QDate(2024, 3, 29));
    db.addHoliday(QDate(2024, 4, 1));

    auto person = [&db](unsigned uid, const QVariant& pamId, const QString& surname, int tom) {
        db.addPerson(uid, int(100 + uid),
                     {{"pamId", pamId}, {"surname", surname}, {"name", "Jana"}, {"gid", 1}, {"bid", 1},
                      {"did", 1}, {"tom", tom}});
    };
    const QDate march1(2024, 3, 1), march31(2024, 3, 31);

    // A: leave, doctor, overtime, night, Saturday work, on call, tickets.
    person(1, "5001", "Adamová", 0);
    addDays(db, 1, march1, march31, [](const QDate&) { return true; },
            {{4, {{"work", 0}, {"vouchers", 0}}},
             {5, {{"work", 14400}}},
             {6, {{"work", 21600}}},
             {7, {{"work", 32400}, {"diff", 3600}}},
             {8, {{"night", 7200}}},
             {9, {{"work", 14400}, {"diff", 14400}}},
             {13, {{"readBegin", 79200}, {"readEnd", 21600}}},
             {20, {{"work", 18000}}}});
    db.addInterruption(1, 7, QDateTime(QDate(2024, 3, 4), QTime(7, 0)), 28800);
    db.addInterruption(1, 7, QDateTime(QDate(2024, 3, 5), QTime(11, 0)), 14400);
    db.addInterruption(1, 3, QDateTime(QDate(2024, 3, 6), QTime(7, 0)), 7200);
    db.addInterruption(1, 3, QDateTime(QDate(2024, 3, 20), QTime(12, 0)), 10800);
    db.closeMonth(1, 202403, 21, 21, 0);

    // B: sick leave from February, works from the 13th and on the holiday.
    person(2, QVariant(QVariant::String), "Bielik", 1);
    addDays(db, 2, march1, march31, [](const QDate& d) { return d.day() >= 13; },
            {{29, {{"work", 28800}, {"diff", 28800}, {"vouchers", 1}}}});
    addDailyInterruption(db, 2, 15, QDate(2024, 2, 26), QDate(2024, 3, 12), 7);
    db.closeMonth(2, 202403, 21, 11, 10);

    // C: family care from the 25th into April, night work.
    person(3, "0", "Cibulová", 0);
    addDays(db, 3, march1, march31, [](const QDate& d) { return d.day() <= 22; },
            {{21, {{"night", 21600}}}, {22, {{"night", 21600}}}});
    addDailyInterruption(db, 3, 14, QDate(2024, 3, 25), QDate(2024, 4, 5), 7);
    db.closeMonth(3, 202403, 21, 21, 0);

    // D: left on the 15th, leave on the last day.
    person(4, "5004", "Dudek", 0);
    db.exec("UPDATE people SET `end` = ? WHERE uid = 4", {localMidnight(QDate(2024, 3, 16))});
    addDays(db, 4, march1, QDate(2024, 3, 15), [](const QDate& d) { return d.day() < 15; });
    db.addInterruption(4, 7, QDateTime(QDate(2024, 3, 15), QTime(7, 0)), 28800);
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
    addDailyInterruption(db, 8, 15, QDate(2024, 10, 21), QDate(2024, 10, 31), 0, 30);
    db.closeMonth(8, 202410, 23, 23, 0);

    db.addPamSettings(QJsonDocument(QJsonObject::fromVariantMap(mainSettings())).toJson(QJsonDocument::Compact));
}

QByteArray expectedBytes(const QString& name)
{
    QFile file(expectedDir + name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing expected file ") + name.toUtf8() + ">";
    QByteArray bytes = file.readAll();
#ifdef Q_OS_WIN
    bytes.replace("\n", "\r\n");
#endif
    return bytes;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

QString leftOut(const char* text)
{
    return QString::fromUtf8(text);
}

const char* const emptyListMessage =
    "Export neprebehol, pretože zoznam ľudí je prázdny!  \nVšetci požadovaní ľudia boli možno vyradení z "
    "dôvodu neuzavretých dní.   \nPrekontrolujte prosím nastavenia a spustite export znovu.";
const char* const noDataMessage =
    "Export neprebehol, pretože neexistujú žiadne data pre export! \nPrekontrolujte prosím nastavenia a "
    "spustite export znovu.";

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exports_data();
    void exports();
    void noPeopleInTheHostDatabase();
    void outputDirectoryCannotBeWritten();
    void cancelDuringTheFirstPerson();
    void twoExportsInARowOnOneObject();
    void testModeReplaysAPreparedFile();

private:
    QHash<QString, QVariant> parameters(const QVariantMap& settings, int year, int month, const QString& people,
                                        const QString& exportPath) const;
    QScopedPointer<TestHostDb> host;
    QScopedPointer<PluginHost> plugin;
    QTemporaryDir out;
};

void TestEndToEnd::initTestCase()
{
    host.reset(new TestHostDb(QStringLiteral("t_endtoend_company")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    buildCompany(*host);
    plugin.reset(new PluginHost);
    QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
    plugin->exporter()->setDatabase(host->db());
}

QHash<QString, QVariant> TestEndToEnd::parameters(const QVariantMap& settings, int year, int month,
                                                  const QString& people, const QString& exportPath) const
{
    QHash<QString, QVariant> p = monthPeriod(year, month);
    p.insert("pamSettingsId", 1);
    p.insert("allPeople", people == "all");
    p.insert("selPeople", people == "all" ? QString() : people);
    p.insert("inters", settings.value("inters"));
    p.insert("items", settings.value("items"));
    p.insert("optWidget", settings.value("optWidget"));
    p.insert("exportPath", exportPath);
    return p;
}

void TestEndToEnd::exports_data()
{
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("people");
    QTest::addColumn<QString>("expectedFile");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("doneString");
    QTest::addColumn<int>("peopleCount");

    QTest::newRow("whole company, March with the change to summer time")
        << mainSettings() << 3 << "all" << "company-2024-03.txt" << 27
        << leftOut("\nZamestnanci s ID: 5006,5008 boli vyradení z dôvodu neuzavretých dní.") << 5;
    QTest::newRow("spans, per day and month totals, ';' at the line end")
        << pairSettings() << 3 << "2,3" << "pair-bc-2024-03.txt" << 12 << QString() << 2;
    QTest::newRow("work per day with a code pair")
        << dailySettings() << 3 << "1" << "person-a-daily-2024-03.txt" << 23 << QString() << 1;
    QTest::newRow("October with the change to winter time")
        << mainSettings() << 10 << "8" << "person-i-2024-10.txt" << 4 << QString() << 1;
    QTest::newRow("all wanted people left out") << mainSettings() << 3 << "6" << QString() << 0
                                                << leftOut(emptyListMessage) << -1;
    QTest::newRow("a closed person without data") << mainSettings() << 3 << "7" << QString() << 0
                                                  << leftOut(noDataMessage) << 1;
}

void TestEndToEnd::exports()
{
    QFETCH(QVariantMap, settings);
    QFETCH(int, month);
    QFETCH(QString, people);
    QFETCH(QString, expectedFile);
    QFETCH(int, lines);
    QFETCH(QString, doneString);
    QFETCH(int, peopleCount);

    QTemporaryDir directory;
    QHash<QString, QVariant> result;
    const int returned = plugin->exporter()->makeExport(parameters(settings, 2024, month, people, directory.path()),
                                                        &result);
    const QString fileName =
        QStringLiteral("ds%1%2_ID-1.txt").arg(month, 2, 10, QLatin1Char('0')).arg(QStringLiteral("2024"));
    QCOMPARE(fileBytes(directory.filePath(fileName)),
             expectedFile.isEmpty() ? QByteArray() : expectedBytes(expectedFile));
    QCOMPARE(returned, lines);
    QCOMPARE(result.value("doneString").toString(), doneString);
    QVERIFY(!result.contains("errorString"));
    if (peopleCount < 0) {
        QCOMPARE(result.keys(), QStringList{"doneString"});
    } else {
        QCOMPARE(result.value("peopleCount").toInt(), peopleCount);
        QCOMPARE(result.value("fileName").toString(), fileName);
    }
}

void TestEndToEnd::noPeopleInTheHostDatabase()
{
    TestHostDb empty(QStringLiteral("t_endtoend_empty"));
    QVERIFY2(empty.isOpen(), qPrintable(empty.errorText()));
    PamExportInterface* exporter = plugin->exporter();
    exporter->setDatabase(empty.db());
    QHash<QString, QVariant> result;
    const int returned = exporter->makeExport(parameters(mainSettings(), 2024, 3, "all", out.path()), &result);
    exporter->setDatabase(host->db());
    QCOMPARE(returned, 0);
    QCOMPARE(result.keys(), QStringList{"doneString"});
    QCOMPARE(result.value("doneString").toString(), leftOut(emptyListMessage));
    QCOMPARE(fileBytes(out.filePath("ds032024_ID-1.txt")), QByteArray());
}

void TestEndToEnd::outputDirectoryCannotBeWritten()
{
    QHash<QString, QVariant> result;
    LogCapture log;
    const int returned = plugin->exporter()->makeExport(
        parameters(mainSettings(), 2024, 3, "all", out.filePath("no/such/directory")), &result);
    QCOMPARE(returned, -1);
    QCOMPARE(result.keys(), QStringList{"errorString"});
    QCOMPARE(result.value("errorString").toString(),
             leftOut("Výstupný súbor sa nepodarilo otvoriť pre zápis! \nUistite sa, či nie je otvorený v inom "
                     "programe."));
    QVERIFY(log.contains("critical", "Vystupny subor sa nepodarilo otvorit!"));
}

// The press is seen when the dialog moves on to the second person (uid 2);
// the first person (uid 1, personal number 5001) is finished and written.
void TestEndToEnd::cancelDuringTheFirstPerson()
{
    QTemporaryDir directory;
    QHash<QString, QVariant> result;
    ProgressProbe probe(1);
    const int returned =
        plugin->exporter()->makeExport(parameters(mainSettings(), 2024, 3, "all", directory.path()), &result);
    QVERIFY(probe.cancelled);
    QVERIFY(probe.windowModal);
    QCOMPARE(probe.maximum, 5);
    const QList<QByteArray> all = expectedBytes("company-2024-03.txt").split('\n');
    QByteArray first;
    for (const QByteArray& line : all)
        if (line.startsWith("2024|03|5001|"))
            first += line + "\n";
    QCOMPARE(fileBytes(directory.filePath("ds032024_ID-1.txt")), first);
    QCOMPARE(returned, 11);
    QCOMPARE(result.value("peopleCount").toInt(), 5);
}

void TestEndToEnd::twoExportsInARowOnOneObject()
{
    QTemporaryDir first, second;
    QHash<QString, QVariant> result;
    PamExportInterface* exporter = plugin->exporter();
    QCOMPARE(exporter->makeExport(parameters(mainSettings(), 2024, 3, "all", first.path()), &result), 27);
    QCOMPARE(exporter->makeExport(parameters(pairSettings(), 2024, 3, "2,3", second.path()), &result), 12);
    QCOMPARE(fileBytes(second.filePath("ds032024_ID-1.txt")), expectedBytes("pair-bc-2024-03.txt"));
    QCOMPARE(result.value("doneString").toString(), QString());
    QCOMPARE(exporter->makeExport(parameters(mainSettings(), 2024, 3, "all", second.path()), &result), 27);
    QCOMPARE(fileBytes(second.filePath("ds032024_ID-1.txt")), expectedBytes("company-2024-03.txt"));
}

// The month is prepared into a staging file by orvex-prepare-test; a fresh
// plug-in object replays it in TEST mode and must produce the rows of the
// normal export of that month.
void TestEndToEnd::testModeReplaysAPreparedFile()
{
    QTemporaryDir work;
    QVERIFY(QDir(work.path()).mkpath("DB_test_paterns"));
    QVERIFY(QDir(work.path()).mkpath("TMP"));
    QProcess tool;
    tool.start(QStringLiteral(ORVEX_PREPARE_TEST_TOOL),
               {"--socket", TestHostDb::connectOptions().mid(QStringLiteral("UNIX_SOCKET=").size()), "--user",
                "root", "--database", host->name(), "--month", "2024-03", "--people", "all", "--out",
                work.filePath("DB_test_paterns/company-2024-03.db"), "--params", work.filePath("params.json")});
    QVERIFY(tool.waitForFinished(120000));
    QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());

    // A new plug-in object: nothing is left from the exports above.
    delete plugin->object();
    plugin.reset(new PluginHost);
    QVERIFY(plugin->loaded());
    // The parameters as the tool wrote them for the replay (stored settings,
    // period, "mode", "dbName" and "testWorkPath").
    QFile paramsFile(work.filePath("params.json"));
    QVERIFY(paramsFile.open(QIODevice::ReadOnly));
    const QHash<QString, QVariant> p = QJsonDocument::fromJson(paramsFile.readAll()).object().toVariantHash();
    QCOMPARE(p.value("dbName").toString(), QStringLiteral("company-2024-03.db"));
    QCOMPARE(p.value("testWorkPath").toString(), QDir(work.path()).absolutePath());
    QHash<QString, QVariant> result;
    result.insert("kept", true);
    ProgressProbe probe;
    QCOMPARE(plugin->exporter()->makeExport(p, &result), 0);
    plugin->exporter()->setDatabase(host->db());
    QVERIFY(!probe.seen);
    QCOMPARE(result.keys(), QStringList{"kept"});

    QByteArray rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "endtoend_testout");
        db.setDatabaseName(work.filePath("TMP/tmp_outDatabase.db"));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY2(query.exec("SELECT item0, item1, item2, item3, item4, item5, item6 FROM export ORDER BY pid, item5"),
                 qPrintable(query.lastError().text()));
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < 7; ++i)
                fields << query.value(i).toString();
            // The file's line without the separator at the end: item7 is
            // always empty, so the seven fields joined are the line.
            rows += fields.join('|').toUtf8() + "\n";
        }
    }
    QSqlDatabase::removeDatabase("endtoend_testout");
    QCOMPARE(rows, fileBytes(expectedDir + "company-2024-03.txt"));
}

QTEST_MAIN(TestEndToEnd)
#include "test_endtoend.moc"
