// orvex-export as a scheduled task runs it: a process against the private
// MariaDB with the built plug-in. Exit statuses and their one-line errors, the
// terminal output, the control summary against the file it describes, the log
// file, the locale, and the demo company generator.

#include "hostdatabase.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Run runProgram(const QString& program, const QStringList& arguments, const QStringList& environment = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("ORVEX_DB_PASSWORD"));
    for (const QString& setting : environment)
        env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Run run;
    if (process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput();
        run.err = QString::fromLocal8Bit(process.readAllStandardError());
    }
    return run;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing " + path.toUtf8() + ">");
}

} // namespace

class TestOrvexExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void run_data();
    void run();
    void summaryMatchesFile_data();
    void summaryMatchesFile();
    void logFile();
    void localeChangesNoNumber();
    void demoCompany_data();
    void demoCompany();

private:
    QStringList arguments(const QString& database, const QString& out = QString()) const;

    std::unique_ptr<TestHostDb> demo, withoutSettings;
    QTemporaryDir outDir;
};

QStringList TestOrvexExport::arguments(const QString& database, const QString& out) const
{
    return {"--socket", TestHostDb::connectOptions().mid(int(qstrlen("UNIX_SOCKET="))), "--user", "root",
            "--database", database, "--month", "2024-03", "--out", out.isEmpty() ? outDir.path() : out};
}

// The demo company, with three more settings records: 2 as 1 but "," between
// the fields, 3 of another plug-in's type, 4 not JSON.
void TestOrvexExport::initTestCase()
{
    QVERIFY(outDir.isValid());
    withoutSettings.reset(new TestHostDb(QStringLiteral("t_tools_nosettings")));
    QVERIFY(withoutSettings->isOpen());
    demo.reset(new TestHostDb(QStringLiteral("t_tools_demo")));
    QVERIFY(demo->isOpen());
    const Run generator = runProgram(ORVEX_DEMO_COMPANY_PROGRAM, {});
    QCOMPARE(generator.exitCode, 0);
    for (const QString& line : QString::fromUtf8(generator.out).split('\n'))
        if (line.startsWith(QLatin1String("INSERT")))
            QVERIFY2(demo->exec(line.left(line.size() - 1)), qPrintable(demo->errorText()));
    QVERIFY2(demo->exec("INSERT INTO pamsettings (type, data) SELECT type, REPLACE(data, '\"separator\":\"|\"', "
                        "'\"separator\":\",\"') FROM pamsettings WHERE id = 1"),
             qPrintable(demo->errorText()));
    demo->addPamSettings("{}", QStringLiteral("OrvexOther"));
    demo->addPamSettings("{\"inters\": ");
}

void TestOrvexExport::run_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QStringList>("extra"); // a repeated option takes its last value
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("inOut"); // empty: nothing on stdout
    QTest::addColumn<QString>("inErr"); // empty: nothing on stderr

    const QString db = QStringLiteral("t_tools_demo");
    const QString aFile = QStringLiteral(ORVEX_HOSTDB_SCHEMA);
    auto row = [](const char* name, const QString& database, const QStringList& extra, int status,
                  const QString& inOut, const QString& inErr) {
        QTest::newRow(name) << database << extra << status << inOut << inErr;
    };
    row("summary and step markers", db, {}, 0, "Payroll code", "[4/4] exporting people");
    row("quiet", db, {"--quiet"}, 0, "", "");
    row("help", db, {"--help"}, 0, "--ask-password", "");
    row("output path is a file", db, {"--out", aFile, "--quiet"}, 1, "",
        QString::fromUtf8("Výstupný súbor sa nepodarilo otvoriť pre zápis!"));
    // Status 2: one clear line, nothing exported.
    row("month 13", db, {"--month", "2024-13", "--quiet"}, 2, "", "no month 13");
    row("month as a word", db, {"--month", "March", "--quiet"}, 2, "", "YYYY-MM");
    row("missing directory", db, {"--out", outDir.filePath("missing"), "--quiet"}, 2, "", "does not exist");
    row("unreachable database", db, {"--socket", outDir.filePath("no.sock"), "--quiet"}, 2, "",
        "cannot connect to the database");
    row("plug-in does not load", db, {"--plugin", aFile, "--quiet"}, 2, "", "cannot load the plug-in");
    row("no stored settings", "t_tools_nosettings", {"--quiet"}, 2, "", "no stored export settings");
    row("unknown settings record", db, {"--settings-id", "99", "--quiet"}, 2, "", "record 99");
    row("settings of another type", db, {"--settings-id", "3", "--quiet"}, 2, "", "of type \"OrvexOther\"");
    row("settings not JSON", db, {"--settings-id", "4", "--quiet"}, 2, "", "not a JSON object");
    row("people not ids", db, {"--people", "1,x", "--quiet"}, 2, "", "not a person id");
    row("unknown option", db, {"--mnth", "2024-03", "--quiet"}, 2, "", "mnth");
}

void TestOrvexExport::run()
{
    QFETCH(QString, database);
    QFETCH(QStringList, extra);
    QFETCH(int, status);
    QFETCH(QString, inOut);
    QFETCH(QString, inErr);

    const Run run = runProgram(ORVEX_EXPORT_PROGRAM, arguments(database) + extra);
    QVERIFY2(run.exitCode == status, qPrintable(run.err));
    const QString out = QString::fromLocal8Bit(run.out);
    QVERIFY2(inOut.isEmpty() ? out.isEmpty() : out.contains(inOut), qPrintable(out));
    QVERIFY2(inErr.isEmpty() ? run.err.isEmpty() : run.err.contains(inErr), qPrintable(run.err));
    if (status == 2)
        QCOMPARE(run.err.trimmed().count('\n'), 0);
}

void TestOrvexExport::summaryMatchesFile_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("leftOut");

    const QStringList leftOut{"5019", "5020"};
    QTest::newRow("all people") << "t_tools_demo" << QStringList() << "|" << "ds032024_ID-1.txt" << leftOut;
    QTest::newRow("one person") << "t_tools_demo" << QStringList{"--people", "2"} << "|" << "ds032024_ID-1.txt"
                                << QStringList();
    // The record's id names the file, and its separator is the one the summary reads the file with.
    QTest::newRow("settings record 2") << "t_tools_demo" << QStringList{"--settings-id", "2"} << ","
                                       << "ds032024_ID-2.txt" << leftOut;
}

// The summary's counts agree with counts taken directly from the file's lines.
void TestOrvexExport::summaryMatchesFile()
{
    QFETCH(QString, database);
    QFETCH(QStringList, extra);
    QFETCH(QString, separator);
    QFETCH(QString, fileName);
    QFETCH(QStringList, leftOut);

    const Run run = runProgram(ORVEX_EXPORT_PROGRAM, arguments(database) + extra << "--json" << "--quiet");
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(json.value("exitStatus").toInt(-1), 0);
    QCOMPARE(json.value("fileName").toString(), fileName);
    QCOMPARE(json.value("file").toString(), outDir.filePath(fileName));
    QMap<QString, int> rowsByCode, rowsByPerson;
    QMap<QString, double> amountByCode;
    const QList<QByteArray> lines = readFile(outDir.filePath(fileName)).trimmed().split('\n');
    for (const QByteArray& line : lines) {
        const QStringList fields = QString::fromUtf8(line).trimmed().split(separator);
        ++rowsByCode[fields.value(3)];
        amountByCode[fields.value(3)] += fields.value(4).toDouble();
        ++rowsByPerson[fields.value(2)];
    }
    QVERIFY(!lines.first().isEmpty());
    QCOMPARE(json.value("linesWritten").toInt(), lines.size());
    QCOMPARE(json.value("peopleCount").toInt(), extra.contains("--people") ? 1 : rowsByPerson.size());
    QCOMPARE(json.value("peopleLeftOut").toVariant().toStringList(), leftOut);

    const QJsonObject summary = json.value("summary").toObject();
    QCOMPARE(summary.value("lines").toInt(), lines.size());
    QVERIFY(summary.value("problems").toArray().isEmpty());
    QMap<QString, int> summaryRowsByCode, summaryRowsByPerson;
    for (const QJsonValue& value : summary.value("codes").toArray()) {
        const QJsonObject code = value.toObject();
        summaryRowsByCode.insert(code.value("code").toString(), code.value("rows").toInt());
        QVERIFY2(qAbs(code.value("amount").toDouble() - amountByCode.value(code.value("code").toString())) < 1e-6,
                 qPrintable(code.value("code").toString()));
    }
    for (const QJsonValue& value : summary.value("people").toArray())
        summaryRowsByPerson.insert(value.toObject().value("personalNumber").toString(),
                                   value.toObject().value("rows").toInt());
    QCOMPARE(summaryRowsByCode, rowsByCode);
    QCOMPARE(summaryRowsByPerson, rowsByPerson);
}

// The plug-in's warnings go to the log; the terminal only hears how many.
void TestOrvexExport::logFile()
{
    const QString log = outDir.filePath(QStringLiteral("export.log"));
    const Run run = runProgram(ORVEX_EXPORT_PROGRAM, arguments("t_tools_demo") << "--log" << log);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY2(!run.err.contains(QLatin1String("plug-in warning:")), qPrintable(run.err));
    const QString text = QString::fromUtf8(readFile(log));
    QVERIFY(text.contains(QLatin1String("debug runExport ~DONE")));
    const int logged = text.count(QRegularExpression(QStringLiteral("(?m)^\\S+ (warning|critical) ")));
    const QRegularExpressionMatch told = QRegularExpression(QStringLiteral("(\\d+) plug-in warnings")).match(run.err);
    QCOMPARE(told.hasMatch() ? told.captured(1).toInt() : 0, logged);
}

// Under a Slovak locale (decimal comma) the file holds the same bytes as under the C locale.
void TestOrvexExport::localeChangesNoNumber()
{
    QByteArray files[2];
    const QString locales[2] = {QStringLiteral("C"), QStringLiteral("sk_SK.UTF-8")};
    for (int i = 0; i < 2; ++i) {
        QTemporaryDir out;
        const Run run = runProgram(ORVEX_EXPORT_PROGRAM, arguments("t_tools_demo", out.path()) << "--quiet",
                                   {"LC_ALL=" + locales[i], "LANG=" + locales[i]});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        files[i] = readFile(out.filePath("ds032024_ID-1.txt"));
    }
    QVERIFY(QRegularExpression("\\|\\d+\\.\\d+\\|").match(QString::fromUtf8(files[0])).hasMatch());
    QCOMPARE(files[1], files[0]);
}

void TestOrvexExport::demoCompany_data()
{
    QTest::addColumn<QString>("timeZone");
    QTest::addColumn<int>("status");
    QTest::newRow("host's time zone") << "Europe/Bratislava" << 0;
    QTest::newRow("another time zone") << "UTC" << 2;
}

// The same company, byte for byte, on every run; never one stamped in another zone's midnights.
void TestOrvexExport::demoCompany()
{
    QFETCH(QString, timeZone);
    QFETCH(int, status);
    const Run first = runProgram(ORVEX_DEMO_COMPANY_PROGRAM, {}, {"TZ=" + timeZone});
    const Run second = runProgram(ORVEX_DEMO_COMPANY_PROGRAM, {}, {"TZ=" + timeZone});
    QCOMPARE(first.exitCode, status);
    QCOMPARE(second.exitCode, status);
    QCOMPARE(first.out, second.out);
    QCOMPARE(first.out.isEmpty(), status != 0);
}

QTEST_GUILESS_MAIN(TestOrvexExport)
#include "test_orvexexport.moc"
