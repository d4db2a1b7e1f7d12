// The export as the host runs it: the built plug-in loaded through QPluginLoader
// on a small company's month, the file compared byte for byte with files worked
// out by hand (expected/DERIVATION.md), failures and TEST mode. Then the
// file writer alone on prepared staging rows.

#include "../staging/stagingtestkit.h"
#include "hostdatabase.h"
#include "logcapture.h"
#include "payrollfile.h"
#include "runcontext.h"
#include "stagingdatabase.h"
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
#include <QTranslator>
#include <QtTest>

namespace {

const QString expectedDir = QStringLiteral(ORVEX_SOURCE_DIR "/tests/endtoend/expected/");
const QString emptyList = QString::fromUtf8(
    "Export neprebehol, pretože zoznam ľudí je prázdny!  \nVšetci požadovaní ľudia boli možno vyradení z dôvodu "
    "neuzavretých dní.   \nPrekontrolujte prosím nastavenia a spustite export znovu.");
const QString noData = QString::fromUtf8(
    "Export neprebehol, pretože neexistujú žiadne data pre export! \nPrekontrolujte prosím nastavenia a spustite "
    "export znovu.");

// Day records: 8 h fund on weekdays, none on weekends and on 29 March (a holiday,
// expected fund 8 h); weekdays `workedFrom`-`workedTo` hold 8 h of work and a
// meal voucher; `extra` overrides columns by day of the month.
void addDays(TestHostDb& db, unsigned uid, const QDate& first, const QDate& last, int workedFrom, int workedTo,
             const QHash<int, QVariantHash>& extra = QHash<int, QVariantHash>())
{
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        QVariantHash columns;
        if (day == QDate(2024, 3, 29))
            columns = {{"hid", 1}, {"fond", 0}, {"expFund", 28800}};
        else if (day.dayOfWeek() < 6 && day.day() >= workedFrom && day.day() <= workedTo)
            columns = {{"fond", 28800}, {"work", 28800}, {"vouchers", 1}};
        else if (day.dayOfWeek() < 6)
            columns = {{"fond", 28800}};
        const QVariantHash more = extra.value(day.day());
        for (auto it = more.constBegin(); it != more.constEnd(); ++it)
            columns.insert(it.key(), it.value());
        db.addDay(uid, day, columns);
    }
}

void buildCompany(TestHostDb& db)
{
    db.setVar("advancedOvertime", "0");
    db.addGroup(1, QString::fromUtf8("Výroba"));
    db.addBranch(1, "Bratislava");
    db.addDepartment(1, QString::fromUtf8("Montáž"));
    const QPair<unsigned, const char*> types[] = {{1, "Práca"}, {3, "Lekár"}, {7, "Dovolenka"}, {14, "OČR"},
                                                  {15, "PN"}, {16, "Karanténa PN"}, {20, "Služobná cesta"}};
    for (const auto& type : types)
        db.addInterruptionType(type.first, QString::fromUtf8(type.second));
    db.addHoliday(QDate(2024, 3, 29));
    db.addHoliday(QDate(2024, 4, 1));
    auto person = [&db](unsigned uid, const QVariant& pamId, const QString& surname, int tom, const QDate& end) {
        QVariantHash columns{{"pamId", pamId}, {"surname", surname}, {"name", "Jana"}, {"gid", 1},
                             {"bid", 1}, {"did", 1}, {"tom", tom}};
        if (end.isValid())
            columns.insert("end", localMidnight(end));
        db.addPerson(uid, int(100 + uid), columns);
    };
    // An 8-hour interruption on every day from `day` to `last`.
    auto daily = [&db](unsigned uid, unsigned iid, QDate day, const QDate& last, const QTime& start) {
        for (; day <= last; day = day.addDays(1))
            db.addInterruption(uid, iid, QDateTime(day, start), 28800);
    };
    const QDate march1(2024, 3, 1), march31(2024, 3, 31);
    const QTime seven(7, 0);

    // A: leave, doctor, overtime, night, Saturday work, on call, tickets.
    person(1, "5001", "Adamová", 0, QDate());
    addDays(db, 1, march1, march31, 1, 31,
            {{4, {{"work", 0}, {"vouchers", 0}}}, {5, {{"work", 14400}}}, {6, {{"work", 21600}}},
             {7, {{"work", 32400}, {"diff", 3600}}}, {8, {{"night", 7200}}}, {9, {{"work", 14400}, {"diff", 14400}}},
             {13, {{"readBegin", 79200}, {"readEnd", 21600}}}, {20, {{"work", 18000}}}});
    db.addInterruption(1, 7, QDateTime(QDate(2024, 3, 4), seven), 28800);
    db.addInterruption(1, 7, QDateTime(QDate(2024, 3, 5), QTime(11, 0)), 14400);
    db.addInterruption(1, 3, QDateTime(QDate(2024, 3, 6), seven), 7200);
    db.addInterruption(1, 3, QDateTime(QDate(2024, 3, 20), QTime(12, 0)), 10800);
    db.closeMonth(1, 202403, 21, 21, 0);
    // B: sick leave from February, works from the 13th and on the holiday.
    person(2, QVariant(QVariant::String), "Bielik", 1, QDate());
    addDays(db, 2, march1, march31, 13, 31, {{29, {{"work", 28800}, {"diff", 28800}, {"vouchers", 1}}}});
    daily(2, 15, QDate(2024, 2, 26), QDate(2024, 3, 12), seven);
    db.closeMonth(2, 202403, 21, 11, 10);
    // C: family care from the 25th into April, night work.
    person(3, "0", "Cibulová", 0, QDate());
    addDays(db, 3, march1, march31, 1, 22, {{21, {{"night", 21600}}}, {22, {{"night", 21600}}}});
    daily(3, 14, QDate(2024, 3, 25), QDate(2024, 4, 5), seven);
    db.closeMonth(3, 202403, 21, 21, 0);
    // D: left on the 15th, leave on the last day.
    person(4, "5004", "Dudek", 0, QDate(2024, 3, 16));
    addDays(db, 4, march1, QDate(2024, 3, 15), 1, 14);
    db.addInterruption(4, 7, QDateTime(QDate(2024, 3, 15), seven), 28800);
    db.closeMonth(4, 202403, 11, 11, 0);
    // E left in February without closing; F has not closed March; H has no data.
    person(5, "5005", "Ernest", 0, QDate(2024, 2, 10));
    person(6, "5006", "Fiala", 0, QDate());
    db.closeMonth(6, 202403, 21, 10, 5);
    person(7, "5007", "Hrubá", 0, QDate());
    db.closeMonth(7, 202403, 21, 21, 0);
    // I: October (winter time from the 27th), sick leave 21-31 starting at 00:30.
    person(8, "5008", "Ivanová", 0, QDate());
    addDays(db, 8, QDate(2024, 10, 1), QDate(2024, 10, 31), 1, 18);
    daily(8, 15, QDate(2024, 10, 21), QDate(2024, 10, 31), QTime(0, 30));
    db.closeMonth(8, 202410, 23, 23, 0);
    db.addPamSettings(fileBytes(expectedDir + "main-settings.json"));
}

// The host's export parameters; `settingsFile` is an options record of expected/.
QHash<QString, QVariant> parameters(const QString& settingsFile, int month, const QString& people,
                                    const QString& exportPath)
{
    QHash<QString, QVariant> p = monthPeriod(2024, month);
    p.insert("pamSettingsId", 1);
    p.insert("allPeople", people == "all");
    p.insert("selPeople", people == "all" ? QString() : people);
    const QVariantMap options = QJsonDocument::fromJson(fileBytes(expectedDir + settingsFile)).object().toVariantMap();
    for (const char* key : {"inters", "items", "optWidget"})
        p.insert(key, options.value(key));
    p.insert("exportPath", exportPath);
    return p;
}

const QString writerFile = QStringLiteral("ds032024_ID-7.txt");

// The file writer on an in-memory staging database holding the rows "pid,code,amount,date
// from,date to[,personal number]" (2024, 03, item7 empty); writes over an earlier, longer file.
struct Writer
{
    Writer(const QString& connection, const QStringList& rows, const QString& directory) : staging(connection)
    {
        staging.open(QStringLiteral(":memory:"));
        staging.createTables(false);
        run.exportFileName = writerFile;
        run.exportPath = directory;
        QSqlQuery insert(staging.db());
        insert.prepare("INSERT INTO export (pid, item0, item1, item2, item3, item4, item5, item6, item7) "
                       "VALUES (?,?,?,?,?,?,?,?,'')");
        for (const QString& row : rows) {
            const QStringList f = row.split(',');
            for (const QVariant& value : QVariantList{f.at(0).toInt(), "2024", "03", f.value(5, "1234"), f.at(1),
                                                      f.at(2), f.at(3), f.at(4)})
                insert.addBindValue(value);
            insert.exec();
        }
        QFile earlier(directory + '/' + writerFile);
        if (earlier.open(QIODevice::WriteOnly))
            earlier.write(QByteArray("earlier export, to be replaced\n").repeated(8));
    }
    ~Writer() { staging.close(); }
    RunContext run;
    StagingDatabase staging;
    QHash<QString, QVariant> result;
};

// The clerk's message about a value that holds the separator or a line break.
QString badValueMessage(const QString& personalNumber, const QString& value)
{
    return QString::fromUtf8("\nOsobné číslo %1: hodnota \"%2\" obsahuje oddeľovač položiek alebo koniec riadku; "
                             "tieto znaky sú v súbore nahradené medzerou.")
        .arg(personalNumber, value);
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exports_data();
    void exports();
    void testModeReplaysAPreparedFile();
    void writer_data();
    void writer();

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
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("people");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("expectedFile"); // empty: the file is written empty
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("message"); // doneString, or errorString when the export fails
    QTest::addColumn<int>("peopleCount"); // -1: the message is all the result holds
    // The cause that can be told is said (%1: the path concerned).
    const QString cannotOpen = QString::fromUtf8("Výstupný súbor sa nepodarilo otvoriť pre zápis! \n");
    const QString main = QStringLiteral("main-settings.json");
    const QString twoLeftOut =
        QString::fromUtf8("\nZamestnanci s ID: 5006,5008 boli vyradení z dôvodu neuzavretých dní.");
    // The rows run in this order on one plug-in object: nothing may carry over.
    QTest::newRow("whole company, March with the change to summer time")
        << main << 3 << "all" << "" << "company-2024-03.txt" << 27 << twoLeftOut << 5;
    QTest::newRow("spans, per day and month totals, ';' at the line end")
        << "pair-settings.json" << 3 << "2,3" << "" << "pair-bc-2024-03.txt" << 12 << QString() << 2;
    QTest::newRow("work per day with a code pair")
        << "daily-settings.json" << 3 << "1" << "" << "person-a-daily-2024-03.txt" << 23 << QString() << 1;
    // Bonus items are keyed by their Slovak names in these settings.
    QTest::newRow("person A with the English translation")
        << main << 3 << "1" << "english" << "company-2024-03.txt" << 11 << QString() << 1;
    QTest::newRow("October with the change to winter time")
        << main << 10 << "8" << "" << "person-i-2024-10.txt" << 4 << QString() << 1;
    QTest::newRow("all wanted people left out") << main << 3 << "6" << "" << "" << 0 << emptyList << -1;
    QTest::newRow("a closed person without data") << main << 3 << "7" << "" << "" << 0 << noData << 1;
    QTest::newRow("no people in the host database")
        << main << 3 << "all" << "empty host database" << "" << 0 << emptyList << -1;
    QTest::newRow("missing folder") << main << 3 << "1" << "missing folder" << "" << -1
                                    << cannotOpen + QString::fromUtf8("Priečinok %1 neexistuje.") << -1;
    QTest::newRow("folder is a file") << main << 3 << "1" << "folder is a file" << "" << -1
                                      << cannotOpen + QString::fromUtf8("Cesta %1 nie je priečinok, ale súbor.") << -1;
    QTest::newRow("target is a folder") << main << 3 << "1" << "target is a folder" << "" << -1
                                        << cannotOpen + QString::fromUtf8("Na mieste súboru %1 je priečinok.") << -1;
}

void TestEndToEnd::exports()
{
    QFETCH(QString, settings);
    QFETCH(int, month);
    QFETCH(QString, people);
    QFETCH(QString, setup);
    QFETCH(QString, expectedFile);
    QFETCH(int, lines);
    QFETCH(QString, message);
    QFETCH(int, peopleCount);
    QTemporaryDir directory;
    const QString fileName = QStringLiteral("ds%1%2_ID-1.txt").arg(month, 2, 10, QLatin1Char('0')).arg(2024);
    QString exportPath = directory.path();
    if (setup == "missing folder" || setup == "folder is a file")
        exportPath = directory.filePath("folder");
    if (setup == "folder is a file")
        QVERIFY(QFile(exportPath).open(QIODevice::WriteOnly));
    if (setup == "target is a folder")
        QVERIFY(QDir(exportPath).mkdir(fileName));
    plugin->exporter()->setDatabase(setup == "empty host database" ? emptyHost->db() : host->db());
    QTranslator english; // removes itself when destroyed
    if (setup == "english") {
        QVERIFY(english.load(":/translations/orvexuniversal_en.qm"));
        QCoreApplication::installTranslator(&english);
    }
    // Looks at the progress dialog, as a user sees it, whenever the export lets events through.
    QTimer probe;
    int maximum = -1;
    bool windowModal = false;
    connect(&probe, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QProgressDialog*>(widget);
            if (dialog && dialog->isVisible() && dialog->labelText() == QCoreApplication::translate("Orvexuniversal", "Exportujem Orvexuniversal...")) {
                maximum = dialog->maximum();
                windowModal = dialog->windowModality() == Qt::WindowModal;
            }
        }
    });
    probe.start(0);
    if (lines < 0)
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^Vystupny subor sa nepodarilo otvorit! "));
    QHash<QString, QVariant> result;
    QCOMPARE(plugin->exporter()->makeExport(parameters(settings, month, people, exportPath), &result), lines);
    QByteArray expected = expectedFile.isEmpty() ? QByteArray() : nativeLines(fileBytes(expectedDir + expectedFile));
    if (expectedFile == "company-2024-03.txt" && people == "1") // the first person's lines
        expected.truncate(expected.indexOf("2024|03|102|"));
    if (peopleCount > 0)
        QVERIFY(maximum == peopleCount && windowModal);
    if (lines >= 0)
        QCOMPARE(fileBytes(directory.filePath(fileName)), expected);
    // The file is written through a temporary one: nothing else is left in the folder.
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden).size(),
             lines >= 0 || setup == "folder is a file" ? 1 : 0);
    const QString resultKey = lines < 0 ? "errorString" : "doneString";
    if (message.contains("%1"))
        message = message.arg(QDir::toNativeSeparators(setup == "target is a folder" ? directory.filePath(fileName)
                                                                                     : exportPath));
    QCOMPARE(result.value(resultKey).toString(), message);
    if (peopleCount < 0) {
        QCOMPARE(result.keys(), QStringList{resultKey});
    } else {
        QVERIFY(!result.contains("errorString"));
        QCOMPARE(result.value("peopleCount").toInt(), peopleCount);
        QCOMPARE(result.value("fileName").toString(), fileName);
    }
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
    const QHash<QString, QVariant> p =
        QJsonDocument::fromJson(fileBytes(work.filePath("params.json"))).object().toVariantHash();

    // Without its TMP folder the run stops with one message instead of a failed insert per row.
    QVERIFY(QDir(work.filePath("TMP")).removeRecursively());
    {
        LogCapture log;
        QHash<QString, QVariant> result{{"kept", true}};
        QCOMPARE(plugin->exporter()->makeExport(p, &result), -1);
        QCOMPARE(result.keys().size(), 2);
        QVERIFY2(result.value("errorString").toString().startsWith(
                     QString::fromUtf8("Export sa nepodaril, zlyhal krok: otvorenie výstupnej databázy testu ")),
                 qPrintable(result.value("errorString").toString()));
        QVERIFY(log.matching("warning", "INSERT INTO [export]").isEmpty());
    }
    QVERIFY(QDir(work.path()).mkpath("TMP"));

    delete plugin->object();
    plugin.reset(new PluginHost);
    QVERIFY(plugin->loaded());
    QHash<QString, QVariant> result{{"kept", true}};
    bool dialogSeen = false;
    QTimer probe;
    connect(&probe, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            dialogSeen = dialogSeen || qobject_cast<QProgressDialog*>(widget);
    });
    probe.start(0);
    QCOMPARE(plugin->exporter()->makeExport(p, &result), 0);
    QVERIFY(!dialogSeen);
    QCOMPARE(result.keys(), QStringList{"kept"});

    // item7 is always empty: the seven other fields joined are the file's line.
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "endtoend_testout");
    db.setDatabaseName(work.filePath("TMP/tmp_outDatabase.db"));
    QVERIFY(db.open());
    const QStringList rows =
        stagingRows(db, "SELECT item0, item1, item2, item3, item4, item5, item6 FROM export ORDER BY pid, item5");
    QCOMPARE(rows.join('\n').toUtf8() + "\n", fileBytes(expectedDir + "company-2024-03.txt"));
}

void TestEndToEnd::writer_data()
{
    QTest::addColumn<QVariantHash>("setup"); // export options; people, excluded, warnings: the writer's state
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("expected"); // the file's lines
    QTest::addColumn<QString>("doneString"); // errorString when the rows cannot be read
    QTest::addColumn<QStringList>("logged"); // a part of each warning the writer logs
    const QStringList no, one{"1,1,1,,"}, oneLine{"2024|03|1234|1|1||"};
    auto row = [](const char* name, const QVariantHash& setup, const QStringList& rows, const QStringList& expected,
                  const QString& done, const QStringList& logged) {
        QTest::newRow(name) << setup << rows << expected << done << logged;
    };
    // Within a person the date-from texts compare as text: 02.03. before 10.02., an empty one first.
    row("order by pid, then date-from text", {},
        {"20,11,5,04.03.2024,08.03.2024,77", "3,1,8,10.02.2024,", "3,1,7.5,02.03.2024,02.03.2024", "3,192,21,,"},
        {"2024|03|1234|192|21||", "2024|03|1234|1|7.5|02.03.2024|02.03.2024", "2024|03|1234|1|8|10.02.2024|",
         "2024|03|77|11|5|04.03.2024|08.03.2024"}, "", no);
    row("empty separator falls back to |", {{"separator", ""}}, one, oneLine, "", {"separator is empty"});
    row("line break as separator falls back to |", {{"separator", "\n"}}, one, oneLine, "",
        {"is a line break or a control character"});
    row("longer separator: first character", {{"separator", ";|"}, {"isSeparatorOnEnd", true}}, {"3,11,5,,x"},
        {"2024;03;1234;11;5;;x;"}, "", {"longer than one character"});
    // A value that would break its line is written with blanks in place of the
    // offending characters, keeps its columns, and the clerk and the log are told.
    row("date mask holding the separator", {{"separator", ";"}}, {"3,11,5,04;03;2024,"},
        {"2024;03;1234;11;5;04 03 2024;"}, badValueMessage("1234", "04;03;2024"), {"(pid 3 ) holds the separator"});
    row("personal number with a line break", {}, {"3,11,5,,,12\r\n34"}, {"2024|03|12  34|11|5||"},
        badValueMessage("12\\r\\n34", "12\\r\\n34"), {"holds the separator"});
    row("end-of-file mark in an amount", {}, {"3,11,5\x1a,,"}, {"2024|03|1234|11|5 ||"},
        badValueMessage("1234", "5\\x1a"), {"holds the separator"});
    row("one person's value on two lines is told once", {}, {"3,1|2,5,04.03.2024,", "3,1|2,6,05.03.2024,", "9,11,2,,"},
        {"2024|03|1234|1 2|5|04.03.2024|", "2024|03|1234|1 2|6|05.03.2024|", "2024|03|1234|11|2||"},
        badValueMessage("1234", "1|2"), {"holds the separator", "holds the separator"});

    const QString oneLeftOut = QString::fromUtf8("\nZamestnanec s ID: 523 bol vyradený z dôvodu neuzavretých dní.");
    row("one left out", {{"people", 2}, {"excluded", "523"}}, one, oneLine, oneLeftOut, no);
    row("left out and no rows: only the no-data message", {{"people", 2}, {"excluded", "523"}}, no, no, noData, no);
    row("no people: rows are not written", {{"people", 0}, {"excluded", QStringList{"523", "77"}}, {"warnings", "w1"}},
        one, no, emptyList + "\nw1", no);
    row("earlier warnings follow the message", {{"excluded", "523"}, {"warnings", QStringList{"w1", "w2"}}},
        {"3,1|2,5,,"}, {"2024|03|1234|1 2|5||"}, oneLeftOut + "\nw1\nw2" + badValueMessage("1234", "1|2"),
        {"holds the separator"});
    row("warnings after no data", {{"warnings", "w1"}}, no, no, noData + "\nw1", no);
    // The rows cannot be read: no file is written, the earlier one stays, the clerk is told.
    row("no staging table", {{"drop", true}}, no, no,
        QString::fromUtf8("Export sa nepodaril, zlyhal krok: čítanie riadkov exportu pre súbor (no such table: "
                          "export Unable to execute statement)! \nVýstupný súbor nebol zapísaný, predchádzajúci súbor "
                          "zostal nezmenený."),
        {"Orvexuniversal::createCSVfile() ::: SQLite ERROR: (SELECT * FROM export ) :: "});
}

// Every row replaces a longer file of an earlier export.
void TestEndToEnd::writer()
{
    QFETCH(QVariantHash, setup);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, expected);
    QFETCH(QString, doneString);
    QFETCH(QStringList, logged);
    QTemporaryDir directory;
    Writer writer(QStringLiteral("endtoend_writer"), rows, directory.path());
    writer.run.peopleUids = QVector<unsigned>(setup.contains("people") ? setup.take("people").toInt() : 1, 5);
    writer.run.excludedPeople = setup.take("excluded").toStringList();
    writer.run.warnings = setup.take("warnings").toStringList();
    const bool dropTable = setup.take("drop").toBool();
    if (dropTable)
        QSqlQuery(writer.staging.db()).exec("DROP TABLE export");
    writer.run.options = ExportOptions::fromRecord(setup);
    const QByteArray earlier = fileBytes(directory.filePath(writerFile));
    LogCapture log;
    QCOMPARE(writePayrollFile(writer.run, writer.staging, writer.result), dropTable ? -1 : expected.size());
    QCOMPARE(fileBytes(directory.filePath(writerFile)),
             dropTable ? earlier : expected.isEmpty() ? QByteArray() : nativeLines(expected.join('\n').toUtf8() + "\n"));
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden), QStringList(writerFile));
    const QString key = dropTable ? "errorString" : "doneString";
    QCOMPARE(writer.result.value(key).toString(), doneString);
    QHash<QString, QVariant> wanted{{key, doneString}};
    if (!dropTable && !writer.run.peopleUids.isEmpty()) {
        wanted.insert("peopleCount", writer.run.peopleUids.size());
        wanted.insert("fileName", writerFile);
    }
    QCOMPARE(writer.result, wanted);
    const QStringList warned = log.matching("warning", "createCSVfile");
    QCOMPARE(warned.size(), logged.size());
    for (int i = 0; i < logged.size(); ++i)
        QVERIFY2(warned.at(i).contains(logged.at(i)), qPrintable(warned.at(i)));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
