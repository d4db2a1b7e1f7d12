// orvex-export as a scheduled task runs it: a process against the private
// MariaDB with the built plug-in. Checks the exit statuses, the one-line
// errors, and that the control summary agrees with the file it describes.

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

Run runExport(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("ORVEX_DB_PASSWORD"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORVEX_EXPORT_PROGRAM), arguments);
    Run run;
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QString socketPath()
{
    return TestHostDb::connectOptions().mid(int(qstrlen("UNIX_SOCKET=")));
}

// Rows and amount total per code, rows per personal number, counted directly
// from the file's lines.
struct FileCount
{
    int lines = 0;
    QMap<QString, int> rowsByCode;
    QMap<QString, double> amountByCode;
    QMap<QString, int> rowsByPerson;
};

FileCount countFile(const QString& path, const QString& separator)
{
    FileCount count;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return count;
    while (!file.atEnd()) {
        const QStringList fields = QString::fromLocal8Bit(file.readLine()).trimmed().split(separator);
        ++count.lines;
        ++count.rowsByCode[fields.value(3)];
        count.amountByCode[fields.value(3)] += fields.value(4).toDouble();
        ++count.rowsByPerson[fields.value(2)];
    }
    return count;
}

// Settings of the small company: work per day in hours, vacation per day in
// days or hours ("10/20"), fields joined by ";".
const char* const smallSettings =
    R"json({"inters": {"1": "1", "3": "10/20", "15": "11"}, "items": ["", "", "", "", "", "", "", "", "", "192"],
        "optWidget": {"separator": ";", "dateFormat": "dd.MM.yyyy", "comboIntPN": "PN", "comboIntOCR": "OČR",
                      "Práca": {"0": 0, "1": 2, "2": 1, "3": 1}, "Dovolenka": {"0": 0, "1": 3, "2": 1, "3": 1},
                      "Stravné jednotky (lístky)": {"0": 1, "1": 0, "2": 2, "3": 2}}})json";

} // namespace

class TestOrvexExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exitStatus_data();
    void exitStatus();
    void summaryMatchesFile_data();
    void summaryMatchesFile();
    void terminalOutput_data();
    void terminalOutput();
    void storedSettingsRecord_data();
    void storedSettingsRecord();
    void logFile();
    void demoCompany_data();
    void demoCompany();

private:
    QStringList baseArguments(const QString& database) const;

    std::unique_ptr<TestHostDb> small, demo, withoutSettings;
    QTemporaryDir outDir;
};

QStringList TestOrvexExport::baseArguments(const QString& database) const
{
    return {QStringLiteral("--socket"), socketPath(), QStringLiteral("--user"), QStringLiteral("root"),
            QStringLiteral("--database"), database, QStringLiteral("--month"), QStringLiteral("2024-03"),
            QStringLiteral("--out"), outDir.path()};
}

void TestOrvexExport::initTestCase()
{
    QVERIFY(outDir.isValid());

    small.reset(new TestHostDb(QStringLiteral("t_tools_small")));
    QVERIFY2(small->isOpen(), qPrintable(small->errorText()));
    small->addInterruptionType(1, QStringLiteral("Práca"));
    small->addInterruptionType(3, QStringLiteral("Dovolenka"));
    small->addInterruptionType(15, QStringLiteral("PN"));
    small->addGroup(1, QStringLiteral("Administratíva"), 1, 28800, 1);
    for (unsigned uid = 1; uid <= 3; ++uid) {
        small->addPerson(uid, int(100 + uid), {{"pamId", QString::number(700 + uid)}, {"surname", "Novák"}, {"gid", 1}});
        for (QDate day(2024, 3, 1); day.month() == 3; day = day.addDays(1)) {
            const bool weekday = day.dayOfWeek() < 6;
            small->addDay(uid, day, {{"fond", weekday ? 28800 : 0}, {"work", weekday ? 28800 : 0},
                                     {"vouchers", weekday ? 1 : 0}});
        }
    }
    small->addInterruption(2, 3, QDateTime(QDate(2024, 3, 4), QTime(7, 0)), 28800);
    small->addInterruption(2, 3, QDateTime(QDate(2024, 3, 5), QTime(7, 0)), 14400);
    small->closeMonth(1, 202403);
    small->closeMonth(2, 202403);
    small->closeMonth(3, 202403, 31, 20, 0); // not checked through: left out
    small->addPamSettings(smallSettings);
    small->addPamSettings(QByteArray(smallSettings).replace(R"("separator": ";")", R"("separator": ",")"));
    small->addPamSettings(smallSettings, QStringLiteral("OrvexOther"));
    small->addPamSettings("{\"inters\": ");

    withoutSettings.reset(new TestHostDb(QStringLiteral("t_tools_nosettings")));
    QVERIFY(withoutSettings->isOpen());

    demo.reset(new TestHostDb(QStringLiteral("t_tools_demo")));
    QVERIFY(demo->isOpen());
    QProcess generator;
    generator.start(QStringLiteral(ORVEX_DEMO_COMPANY_PROGRAM), QStringList());
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitCode(), 0);
    for (const QString& line : QString::fromUtf8(generator.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("INSERT")))
            QVERIFY2(demo->exec(line.left(line.size() - 1)), qPrintable(demo->errorText()));
    }
}

void TestOrvexExport::exitStatus_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("message");

    const QString db = QStringLiteral("t_tools_small");
    const QString aFile = QStringLiteral(ORVEX_HOSTDB_SCHEMA);
    QTest::newRow("exported") << db << QStringList() << 0 << QString();
    QTest::newRow("output path is a file") << db << QStringList{"--out", aFile} << 1
                                           << QStringLiteral("Výstupný súbor sa nepodarilo otvoriť pre zápis!");
    QTest::newRow("month 13") << db << QStringList{"--month", "2024-13"} << 2 << QStringLiteral("no month 13");
    QTest::newRow("month as a word") << db << QStringList{"--month", "March"} << 2 << QStringLiteral("YYYY-MM");
    QTest::newRow("missing directory") << db << QStringList{"--out", outDir.filePath("missing")} << 2
                                       << QStringLiteral("does not exist");
    QTest::newRow("unreachable database") << db << QStringList{"--socket", outDir.filePath("no.sock")} << 2
                                          << QStringLiteral("cannot connect to the database");
    QTest::newRow("plug-in does not load") << db << QStringList{"--plugin", aFile} << 2
                                           << QStringLiteral("cannot load the plug-in");
    QTest::newRow("no stored settings") << QStringLiteral("t_tools_nosettings") << QStringList() << 2
                                        << QStringLiteral("no stored export settings");
    QTest::newRow("unknown settings record") << db << QStringList{"--settings-id", "99"} << 2
                                             << QStringLiteral("record 99");
    QTest::newRow("settings of another type") << db << QStringList{"--settings-id", "3"} << 2
                                              << QStringLiteral("of type \"OrvexOther\"");
    QTest::newRow("settings not JSON") << db << QStringList{"--settings-id", "4"} << 2
                                       << QStringLiteral("not a JSON object");
    QTest::newRow("people not ids") << db << QStringList{"--people", "1,x"} << 2 << QStringLiteral("not a person id");
    QTest::newRow("unknown option") << db << QStringList{"--mnth", "2024-03"} << 2 << QStringLiteral("mnth");
}

void TestOrvexExport::exitStatus()
{
    QFETCH(QString, database);
    QFETCH(QStringList, extra);
    QFETCH(int, expected);
    QFETCH(QString, message);

    // A repeated option takes its last value, so `extra` overrides the base.
    const Run run = runExport(baseArguments(database) + extra + QStringList{QStringLiteral("--quiet")});
    QVERIFY2(run.exitCode == expected, qPrintable(run.err));
    if (expected == 0) {
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        return;
    }
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    if (expected == 2) {
        // One clear line, nothing exported.
        QCOMPARE(run.err.trimmed().count(QLatin1Char('\n')), 0);
        QVERIFY(run.out.isEmpty());
    }
}

void TestOrvexExport::summaryMatchesFile_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("people");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("leftOut");

    QTest::newRow("all people") << "t_tools_small" << "all" << ";" << QStringList{"703"};
    QTest::newRow("one person") << "t_tools_small" << "2" << ";" << QStringList();
    QTest::newRow("demo company") << "t_tools_demo" << "all" << "|" << QStringList{"5019", "5020"};
}

void TestOrvexExport::summaryMatchesFile()
{
    QFETCH(QString, database);
    QFETCH(QString, people);
    QFETCH(QString, separator);
    QFETCH(QStringList, leftOut);

    const Run run = runExport(baseArguments(database) << "--people" << people << "--json" << "--quiet");
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    const QString path = json.value("file").toString();
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const FileCount file = countFile(path, separator);
    QVERIFY(file.lines > 0);

    QCOMPARE(json.value("linesWritten").toInt(), file.lines);
    QCOMPARE(json.value("peopleCount").toInt(), people == "all" ? file.rowsByPerson.size() : 1);
    QStringList reportedLeftOut;
    for (const QJsonValue& value : json.value("peopleLeftOut").toArray())
        reportedLeftOut << value.toString();
    QCOMPARE(reportedLeftOut, leftOut);

    const QJsonObject summary = json.value("summary").toObject();
    QCOMPARE(summary.value("lines").toInt(), file.lines);
    QVERIFY(summary.value("problems").toArray().isEmpty());
    QMap<QString, int> rowsByCode, rowsByPerson;
    for (const QJsonValue& value : summary.value("codes").toArray()) {
        const QJsonObject code = value.toObject();
        const QString name = code.value("code").toString();
        rowsByCode.insert(name, code.value("rows").toInt());
        QVERIFY2(qAbs(code.value("amount").toDouble() - file.amountByCode.value(name)) < 1e-6, qPrintable(name));
    }
    for (const QJsonValue& value : summary.value("people").toArray())
        rowsByPerson.insert(value.toObject().value("personalNumber").toString(), value.toObject().value("rows").toInt());
    QCOMPARE(rowsByCode, file.rowsByCode);
    QCOMPARE(rowsByPerson, file.rowsByPerson);
}

void TestOrvexExport::terminalOutput_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("inOut");
    QTest::addColumn<QString>("inErr");

    QTest::newRow("summary and progress") << QStringList() << "Payroll code" << "[4/4] exporting people";
    QTest::newRow("quiet") << QStringList{"--quiet"} << QString() << QString();
    QTest::newRow("help") << QStringList{"--help"} << "--ask-password" << QString();
}

void TestOrvexExport::terminalOutput()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, inOut);
    QFETCH(QString, inErr);

    const Run run = runExport(baseArguments(QStringLiteral("t_tools_small")) + extra);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QString out = QString::fromLocal8Bit(run.out);
    if (inOut.isEmpty())
        QVERIFY2(out.isEmpty(), qPrintable(out));
    else
        QVERIFY2(out.contains(inOut), qPrintable(out));
    if (inErr.isEmpty())
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    else
        QVERIFY2(run.err.contains(inErr), qPrintable(run.err));
}

void TestOrvexExport::storedSettingsRecord_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("separator");

    QTest::newRow("first record of the type") << QStringList() << "ds032024_ID-1.txt" << ";";
    QTest::newRow("record 2") << QStringList{"--settings-id", "2"} << "ds032024_ID-2.txt" << ",";
}

void TestOrvexExport::storedSettingsRecord()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, fileName);
    QFETCH(QString, separator);

    // The record's id names the file, and its separator is the one the
    // control summary reads the file with.
    const Run run = runExport(baseArguments(QStringLiteral("t_tools_small")) + extra + QStringList{"--json"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(json.value("fileName").toString(), fileName);
    QCOMPARE(json.value("settingsId").toInt(), extra.isEmpty() ? 1 : extra.last().toInt());
    QFile file(outDir.filePath(fileName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(file.readLine()).count(separator), 6);
    QVERIFY(json.value("summary").toObject().value("problems").toArray().isEmpty());
}

void TestOrvexExport::logFile()
{
    const QString log = outDir.filePath(QStringLiteral("export.log"));
    const Run run = runExport(baseArguments(QStringLiteral("t_tools_demo")) + QStringList{"--log", log});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    // The plug-in's warnings go to the log, the terminal only hears how many.
    QVERIFY2(!run.err.contains(QLatin1String("plug-in warning:")), qPrintable(run.err));
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(QLatin1String("debug runExport ~DONE")));
    const int logged = text.count(QRegularExpression(QStringLiteral("(?m)^\\S+ (warning|critical) ")));
    const QRegularExpressionMatch told = QRegularExpression(QStringLiteral("(\\d+) plug-in warnings")).match(run.err);
    QCOMPARE(told.hasMatch() ? told.captured(1).toInt() : 0, logged);
}

void TestOrvexExport::demoCompany_data()
{
    QTest::addColumn<QString>("timeZone");
    QTest::addColumn<int>("expected");

    QTest::newRow("host's time zone") << "Europe/Bratislava" << 0;
    QTest::newRow("another time zone") << "UTC" << 2;
}

void TestOrvexExport::demoCompany()
{
    QFETCH(QString, timeZone);
    QFETCH(int, expected);

    // The same company, byte for byte, on every run; never one stamped in
    // another zone's midnights.
    QByteArray outputs[2];
    for (QByteArray& output : outputs) {
        QProcess generator;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TZ"), timeZone);
        generator.setProcessEnvironment(environment);
        generator.start(QStringLiteral(ORVEX_DEMO_COMPANY_PROGRAM), QStringList());
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitCode(), expected);
        output = generator.readAllStandardOutput();
    }
    QCOMPARE(outputs[0], outputs[1]);
    QCOMPARE(outputs[0].isEmpty(), expected != 0);
}

QTEST_GUILESS_MAIN(TestOrvexExport)
#include "test_orvexexport.moc"
