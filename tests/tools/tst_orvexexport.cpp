// orvex-export run as a process against the private MariaDB with the built
// plug-in, on the demo company: exit statuses and their one-line errors and
// warnings, the terminal output, the log file, the control summary against the
// file it describes, the locale and the time zone, the replay of a prepared
// month; and the demo company generator itself.

#include "hostdatabase.h"
#include "toolrun.h"
#include "pluginhost.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

class TestOrvexExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void run_data();
    void run();
    void summaryMatchesFile_data();
    void summaryMatchesFile();
    void timeZone_data();
    void timeZone();
    void replayMatchesExport();
    void demoCompany();

private:
    QStringList arguments(const QString& out = QString()) const;

    QScopedPointer<TestHostDb> demo, withoutSettings;
    QByteArray demoSql;
    QTemporaryDir outDir;
};

// A run on the demo company's March.
QStringList TestOrvexExport::arguments(const QString& out) const
{
    return {"--socket", TestHostDb::connectOptions().mid(int(qstrlen("UNIX_SOCKET="))), "--user", "root",
            "--database", "t_tools_demo", "--month", "2024-03", "--out", out.isEmpty() ? outDir.path() : out};
}

// The demo company, with more settings records: 2 as 1 but "#" between the
// fields, 3 of another plug-in's type, 4 not JSON, 5 ";;" and 6 "." between
// the fields.
void TestOrvexExport::initTestCase()
{
    QVERIFY(outDir.isValid());
    withoutSettings.reset(new TestHostDb(QStringLiteral("t_tools_nosettings")));
    QVERIFY(withoutSettings->isOpen());
    demo.reset(new TestHostDb(QStringLiteral("t_tools_demo")));
    QVERIFY(demo->isOpen());
    const Run generator = runProgram(ORVEX_DEMO_COMPANY_PROGRAM, {});
    QCOMPARE(generator.exitCode, 0);
    demoSql = generator.out;
    for (const QString& line : QString::fromUtf8(demoSql).split('\n'))
        if (line.startsWith(QLatin1String("INSERT")))
            QVERIFY2(demo->exec(line.left(line.size() - 1)), qPrintable(demo->errorText()));
    const QString copy("INSERT INTO pamsettings (type, data) SELECT type, REPLACE(data, '\"separator\":\"|\"', "
                       "'\"separator\":\"%1\"') FROM pamsettings WHERE id = 1");
    QVERIFY2(demo->exec(copy.arg("#")), qPrintable(demo->errorText()));
    demo->addPamSettings("{}", QStringLiteral("OrvexOther"));
    demo->addPamSettings("{\"inters\": ");
    QVERIFY2(demo->exec(copy.arg(";;")) && demo->exec(copy.arg(".")), qPrintable(demo->errorText()));
    // The payroll file's name taken by a folder: the plug-in cannot write it.
    QVERIFY(QDir(outDir.path()).mkpath("blocked/ds032024_ID-1.txt"));
}

void TestOrvexExport::run_data()
{
    QTest::addColumn<QStringList>("extra"); // a repeated option takes its last value
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("inOut"); // empty: nothing on stdout
    QTest::addColumn<QString>("inErr"); // empty: nothing on stderr
    const QString aFile = QStringLiteral(ORVEX_HOSTDB_SCHEMA);
    auto row = [](const char* name, const QStringList& extra, int status, const QString& inOut, const QString& inErr) {
        QTest::newRow(name) << extra << status << inOut << inErr;
    };
    // The plug-in's warnings go to the log; the terminal hears how many, the steps and the summary.
    // Two people of the demo are left out for an unclosed month: status 3.
    row("log file", {"--log", outDir.filePath("export.log")}, 3, "Zamestnanci s ID: 5019,5020",
        "[4/4] exporting people");
    row("quiet, nothing to report", {"--people", "2", "--quiet"}, 0, "", "");
    row("quiet, people left out", {"--quiet"}, 3, "", "warning: Zamestnanci s ID: 5019,5020");
    row("nobody exported empties the file", {"--people", "999", "--settings-id", "5", "--allow-unknown-people"}, 3,
        outDir.filePath("ds032024_ID-5.txt") + " (emptied", "[4/4] exporting people");
    row("help", {"--help"}, 0, "--time-zone", "");
    // Status 1: no file written, or a file that payroll would misread.
    row("file name taken by a folder", {"--out", outDir.filePath("blocked"), "--quiet"}, 1, "", "orvex-export: ");
    // Status 2: one clear line, nothing exported.
    row("separator within the values", {"--settings-id", "6", "--quiet"}, 2, "", "is part of numbers");
    row("output path is a file", {"--out", aFile, "--quiet"}, 2, "", "is not a directory");
    row("unknown time zone", {"--time-zone", "Europe/Atlantis", "--quiet"}, 2, "", "not a known time zone");
    row("replay of no file", {"--replay", outDir.filePath("none.db"), "--params", aFile, "--quiet"}, 2, "",
        "not a JSON object");
    row("month 13", {"--month", "2024-13", "--quiet"}, 2, "", "no month 13");
    row("month as a word", {"--month", "March", "--quiet"}, 2, "", "YYYY-MM");
    row("missing directory", {"--out", outDir.filePath("missing"), "--quiet"}, 2, "", "does not exist");
    row("unreachable database", {"--socket", outDir.filePath("no.sock"), "--quiet"}, 2, "",
        "cannot connect to the database");
    row("plug-in does not load", {"--plugin", aFile, "--quiet"}, 2, "", "cannot load the plug-in");
    row("no stored settings", {"--database", "t_tools_nosettings", "--quiet"}, 2, "", "no stored export settings");
    row("unknown settings record", {"--settings-id", "99", "--quiet"}, 2, "", "record 99");
    row("settings of another type", {"--settings-id", "3", "--quiet"}, 2, "", "of type \"OrvexOther\"");
    row("settings not JSON", {"--settings-id", "4", "--quiet"}, 2, "", "not a JSON object");
    row("people not ids", {"--people", "1,x", "--quiet"}, 2, "", "not a person id");
    row("unknown option", {"--mnth", "2024-03", "--quiet"}, 2, "", "mnth");
}

void TestOrvexExport::run()
{
    QFETCH(QStringList, extra);
    QFETCH(int, status);
    QFETCH(QString, inOut);
    QFETCH(QString, inErr);
    const Run run = runProgram(ORVEX_EXPORT_PROGRAM, arguments() + extra);
    QVERIFY2(run.exitCode == status, qPrintable(run.err));
    const QString out = QString::fromLocal8Bit(run.out);
    QVERIFY2(inOut.isEmpty() ? out.isEmpty() : out.contains(inOut), qPrintable(out));
    QVERIFY2(inErr.isEmpty() ? run.err.isEmpty() : run.err.contains(inErr), qPrintable(run.err));
    if (status == 2)
        QCOMPARE(run.err.trimmed().count('\n'), 0);
    if (status == 3 && extra.contains("--quiet"))
        for (const QString& line : run.err.trimmed().split('\n'))
            QVERIFY2(line.startsWith("orvex-export: warning: "), qPrintable(line));
    if (extra.contains("--log")) {
        const QString log = QString::fromUtf8(fileBytes(extra.at(extra.indexOf("--log") + 1)));
        QVERIFY(log.contains("debug runExport ~DONE") && !run.err.contains("plug-in warning:"));
        const int logged = log.count(QRegularExpression("(?m)^\\S+ (warning|critical) "));
        QVERIFY2(run.err.contains(QString("%1 plug-in warnings were written").arg(logged)), qPrintable(run.err));
    }
}

void TestOrvexExport::summaryMatchesFile_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("leftOut"); // people left out: status 3, else 0
    QTest::newRow("all people") << QStringList() << "|" << "ds032024_ID-1.txt" << QStringList{"5019", "5020"};
    QTest::newRow("one person") << QStringList{"--people", "2"} << "|" << "ds032024_ID-1.txt" << QStringList();
    // The record's id names the file, and its separator is the one the summary reads the file with.
    QTest::newRow("settings record 2") << QStringList{"--settings-id", "2"} << "#" << "ds032024_ID-2.txt"
                                       << QStringList{"5019", "5020"};
    // A stored ";;": the plug-in writes its first character, and so the summary reads it.
    QTest::newRow("separator ;;") << QStringList{"--settings-id", "5", "--people", "2"} << ";" << "ds032024_ID-5.txt"
                                  << QStringList();
}

// --json: the control summary's rows and amounts per code and rows per person
// agree with counts taken directly from the file's lines; no number follows the locale.
void TestOrvexExport::summaryMatchesFile()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, separator);
    QFETCH(QString, fileName);
    QFETCH(QStringList, leftOut);
    // First under the C locale: the Slovak one (decimal comma) must not change a byte.
    QTemporaryDir cLocale;
    Run run;
    const int status = leftOut.isEmpty() ? 0 : 3;
    for (QString locale : {"C", "sk_SK.UTF-8"}) {
        run = runProgram(ORVEX_EXPORT_PROGRAM, arguments(locale == "C" ? cLocale.path() : QString()) + extra
                                                   << "--json" << "--quiet", {"LC_ALL=" + locale, "LANG=" + locale});
        QVERIFY2(run.exitCode == status, qPrintable(run.err));
    }
    const QByteArray file = fileBytes(outDir.filePath(fileName));
    QCOMPARE(file, fileBytes(cLocale.filePath(fileName)));
    QVERIFY(QString::fromUtf8(file).contains(QRegularExpression("\\d\\.\\d+\\" + separator)));
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(json.value("exitStatus").toInt(-1), status);
    QCOMPARE(json.value("warnings").toArray().size(), leftOut.isEmpty() ? 0 : 1);
    QCOMPARE(json.value("file").toString(), outDir.filePath(fileName));
    QCOMPARE(json.value("fileState").toString(), QString("written"));
    QCOMPARE(json.value("timeZone").toString(), QString("Europe/Bratislava"));
    QCOMPARE(json.value("peopleLeftOut").toVariant().toStringList(), leftOut);
    QMap<QString, double> fromFile, fromSummary; // "rows <code>", "amount <code>", "person <number>"
    const QList<QByteArray> lines = file.trimmed().split('\n');
    for (const QByteArray& line : lines) {
        const QStringList fields = QString::fromUtf8(line).trimmed().split(separator);
        fromFile["rows " + fields.value(3)] += 1;
        fromFile["amount " + fields.value(3)] += fields.value(4).toDouble();
        fromFile["person " + fields.value(2)] += 1;
    }
    const QJsonObject summary = json.value("summary").toObject();
    auto field = [](const QJsonValue& value, const char* key) { return value.toObject().value(key); };
    for (const QJsonValue& code : summary.value("codes").toArray()) {
        fromSummary["rows " + field(code, "code").toString()] = field(code, "rows").toInt();
        fromSummary["amount " + field(code, "code").toString()] = field(code, "amount").toDouble();
    }
    for (const QJsonValue& person : summary.value("people").toArray())
        fromSummary["person " + field(person, "personalNumber").toString()] = field(person, "rows").toInt();
    QCOMPARE(json.value("linesWritten").toInt(), lines.size());
    QCOMPARE(summary.value("lines").toInt(), lines.size());
    QVERIFY(summary.value("problems").toArray().isEmpty());
    QCOMPARE(json.value("peopleCount").toInt(), summary.value("people").toArray().size());
    QCOMPARE(fromSummary.keys(), fromFile.keys());
    for (const QString& key : fromFile.keys())
        QVERIFY2(qAbs(fromSummary.value(key) - fromFile.value(key)) < 1e-6, qPrintable(key));
}

void TestOrvexExport::timeZone_data()
{
    QTest::addColumn<QString>("tz");         // the process's TZ
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("zone");       // the zone the summary names
    QTest::addColumn<bool>("asBratislava"); // the file of a run in Europe/Bratislava, byte for byte
    QTest::newRow("given zone on a UTC machine") << "UTC" << QStringList{"--time-zone", "Europe/Bratislava"}
                                                 << "Europe/Bratislava" << true;
    QTest::newRow("given zone over another zone") << "America/New_York"
                                                  << QStringList{"--time-zone", "Europe/Bratislava"}
                                                  << "Europe/Bratislava" << true;
    // Dates of a UTC machine: the clerk is warned (status 3), the file differs.
    QTest::newRow("UTC machine") << "UTC" << QStringList() << "UTC" << false;
}

// All people: in UTC the demo's month loses and changes lines.
void TestOrvexExport::timeZone()
{
    QFETCH(QString, tz);
    QFETCH(QStringList, extra);
    QFETCH(QString, zone);
    QFETCH(bool, asBratislava);
    QTemporaryDir reference, other;
    const Run inZone = runProgram(ORVEX_EXPORT_PROGRAM, arguments(reference.path()) << "--quiet");
    const Run run = runProgram(ORVEX_EXPORT_PROGRAM, arguments(other.path()) + extra << "--json", {"TZ=" + tz});
    QVERIFY2(inZone.exitCode == 3 && run.exitCode == 3, qPrintable(run.err));
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(json.value("timeZone").toString(), zone);
    const QStringList warnings = json.value("warnings").toVariant().toStringList();
    QCOMPARE(warnings.filter("time zone is UTC").size(), asBratislava ? 0 : 1);
    const QByteArray file = fileBytes(other.filePath("ds032024_ID-1.txt"));
    QCOMPARE(file == fileBytes(reference.filePath("ds032024_ID-1.txt")), asBratislava);
}

// orvex-prepare-test writes the month in its zone (kept in params.json);
// a replay on a UTC machine exports the lines of the normal export, and
// leaves the prepared file as it was. Folders that do not exist stop the
// preparation before anything is written.
void TestOrvexExport::replayMatchesExport()
{
    QTemporaryDir work;
    const QString staging = work.filePath("DB_test_paterns/demo.db");
    QVERIFY(QDir(work.path()).mkpath("DB_test_paterns"));
    const QStringList prepare{"--socket", TestHostDb::connectOptions().mid(int(qstrlen("UNIX_SOCKET="))), "--user",
                              "root", "--database", "t_tools_demo", "--month", "2024-03", "--out", staging};
    Run run = runProgram(ORVEX_PREPARE_TEST_PROGRAM, prepare + QStringList{"--params", work.filePath("no/p.json")});
    QVERIFY2(run.exitCode == 2 && run.err.contains("does not exist"), qPrintable(run.err));
    QVERIFY(!QFile::exists(staging));
    run = runProgram(ORVEX_PREPARE_TEST_PROGRAM, prepare + QStringList{"--params", work.filePath("params.json")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QByteArray prepared = fileBytes(staging);

    // Without --params the replay finds WORK/params.json.
    const Run replay = runProgram(ORVEX_EXPORT_PROGRAM, {"--replay", staging, "--json", "--quiet"}, {"TZ=UTC"});
    const Run normal = runProgram(ORVEX_EXPORT_PROGRAM, arguments() << "--json" << "--quiet");
    QVERIFY2(replay.exitCode == 0 && normal.exitCode == 3, qPrintable(replay.err));
    const QJsonObject replayed = QJsonDocument::fromJson(replay.out).object();
    const QJsonObject exported = QJsonDocument::fromJson(normal.out).object();
    QCOMPARE(replayed.value("fileState").toString(), QString("replay"));
    QCOMPARE(replayed.value("timeZone").toString(), QString("Europe/Bratislava"));
    QCOMPARE(replayed.value("peopleCount"), exported.value("peopleCount"));
    QCOMPARE(replayed.value("summary"), exported.value("summary"));
    QCOMPARE(fileBytes(staging), prepared);
}

// The same company, byte for byte, on every run; never one stamped in another
// zone's midnights.
void TestOrvexExport::demoCompany()
{
    const Run again = runProgram(ORVEX_DEMO_COMPANY_PROGRAM, {});
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(again.out, demoSql);
    const Run utc = runProgram(ORVEX_DEMO_COMPANY_PROGRAM, {}, {"TZ=UTC"});
    QCOMPARE(utc.exitCode, 2);
    QVERIFY(utc.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestOrvexExport)
#include "tst_orvexexport.moc"
