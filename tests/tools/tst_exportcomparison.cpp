// orvex-export against an earlier month and on paper, run as a process on the
// demo company (February and March 2024) in the private MariaDB: the
// comparison with the month before's file, --compare, --no-compare, a month
// with no file before, a replay, the statuses; the control sheet as a PDF read
// back with poppler's pdftotext and pdfinfo, and as HTML that parses.

#include "hostdatabase.h"
#include "toolrun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "number reason" of each missing person, in the order given.
QStringList missingPeople(const QJsonObject& comparison)
{
    QStringList people;
    for (const QJsonValue& person : comparison.value("missing").toArray())
        people << person.toObject().value("personalNumber").toString() + ' '
                      + person.toObject().value("reason").toString();
    return people;
}

} // namespace

class TestExportComparison : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usage_data();
    void usage();
    void comparison_data();
    void comparison();
    void replayComparedWithExport();
    void controlSheetPdf();
    void controlSheetHtml();
    void personMissingWithoutReason();

private:
    Run exportMonth(const QString& month, const QString& out, const QStringList& extra = QStringList()) const;

    QScopedPointer<TestHostDb> demo;
    QTemporaryDir months; // February's file, then March's
    QString marchFile;
};

Run TestExportComparison::exportMonth(const QString& month, const QString& out, const QStringList& extra) const
{
    return runProgram(ORVEX_EXPORT_PROGRAM,
                      QStringList{"--socket", TestHostDb::connectOptions().mid(int(qstrlen("UNIX_SOCKET="))),
                                  "--user", "root", "--database", demo->name(), "--month", month, "--out", out,
                                  "--language", "en"}
                          + extra);
}

void TestExportComparison::initTestCase()
{
    QVERIFY(months.isValid());
    demo.reset(new TestHostDb(QStringLiteral("t_export_comparison")));
    QVERIFY(demo->isOpen());
    const Run generator = runProgram(ORVEX_DEMO_COMPANY_PROGRAM, {});
    QCOMPARE(generator.exitCode, 0);
    for (const QString& line : QString::fromUtf8(generator.out).split('\n'))
        if (line.startsWith(QLatin1String("INSERT")))
            QVERIFY2(demo->exec(line.left(line.size() - 1)), qPrintable(demo->errorText()));
    // February is closed for everybody employed then; the demo's newcomer of
    // March (1022) is left out of it, as the plug-in leaves out any unclosed month.
    const Run february = exportMonth("2024-02", months.path(), {"--json"});
    QCOMPARE(february.exitCode, 3);
    QCOMPARE(february.json().value("peopleLeftOut").toVariant().toStringList(), QStringList{"1022"});
    QCOMPARE(exportMonth("2024-03", months.path(), {"--quiet"}).exitCode, 3);
    marchFile = months.filePath("ds032024_ID-1.txt");
}

void TestExportComparison::usage_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("error");
    QTest::newRow("--compare with a missing file") << QStringList{"--compare", "none.txt"} << "does not exist";
    QTest::newRow("--compare and --no-compare") << QStringList{"--compare", "MARCH", "--no-compare"} << "exclude";
    QTest::newRow("--variance below 0") << QStringList{"--variance", "-5"} << "--variance";
    QTest::newRow("--variance not a number") << QStringList{"--variance", "half"} << "--variance";
    QTest::newRow("--report of another kind") << QStringList{"--report", "sheet.txt"} << ".pdf or .html";
    QTest::newRow("--report in a missing folder") << QStringList{"--report", "no/sheet.pdf"} << "does not exist";
}

// A comparison or a sheet that cannot be had stops the run before anything is exported.
void TestExportComparison::usage()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, error);
    QTemporaryDir out;
    extra.replaceInStrings("MARCH", marchFile);
    const Run run = exportMonth("2024-03", out.path(), extra << "--quiet");
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(error) && run.err.trimmed().count('\n') == 0, qPrintable(run.err));
    QVERIFY(QDir(out.path()).entryList(QDir::Files).isEmpty());
}

void TestExportComparison::comparison_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<bool>("otherFolder"); // a folder without February's file
    QTest::addColumn<bool>("compared");
    QTest::addColumn<QString>("note");      // part of the note when not compared
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<int>("status");
    const QStringList none;
    // Two people left out for an unclosed month keep the status at 3.
    QTest::newRow("the month before in the folder")
        << none << false << true << "" << QStringList{"5019 monthNotClosed", "5020 monthNotClosed", "5025 employmentEnded"}
        << 3;
    QTest::newRow("no file of the month before") << none << true << false << "there is no file ds022024_ID-1.txt"
                                                 << none << 3;
    QTest::newRow("--no-compare") << QStringList{"--no-compare"} << false << false << "" << none << 3;
    // Against the whole March, an export of two people misses the others for
    // a reason the host knows: nothing to warn about.
    QTest::newRow("--compare, two people selected")
        << QStringList{"--people", "1,2", "--compare", "MARCH"} << true << true << "" << QStringList() << 0;
}

void TestExportComparison::comparison()
{
    QFETCH(QStringList, extra);
    QFETCH(bool, otherFolder);
    QFETCH(bool, compared);
    QFETCH(QString, note);
    QFETCH(QStringList, missing);
    QFETCH(int, status);
    QTemporaryDir other;
    extra.replaceInStrings("MARCH", marchFile);
    const Run run = exportMonth("2024-03", otherFolder ? other.path() : months.path(), extra << "--json");
    QVERIFY2(run.exitCode == status, qPrintable(run.err));
    const QJsonObject comparison = run.json().value("comparison").toObject();
    QCOMPARE(comparison.value("compared").toBool(), compared);
    QVERIFY2(comparison.value("note").toString().contains(note), qPrintable(comparison.value("note").toString()));
    if (extra.contains("--people")) {
        const QJsonArray people = comparison.value("missing").toArray();
        QCOMPARE(people.size(), 20);
        for (const QJsonValue& person : people)
            QCOMPARE(person.toObject().value("reason").toString(), QString("notSelected"));
        return;
    }
    QCOMPARE(missingPeople(comparison), missing);
    if (!compared)
        return;
    QCOMPARE(comparison.value("previousMonth").toString(), QString("2024-02"));
    QCOMPARE(comparison.value("missingWithoutReason").toInt(-1), 0);
    const QJsonArray newPeople = comparison.value("newPeople").toArray();
    QCOMPARE(newPeople.size(), 1);
    QCOMPARE(newPeople[0].toObject().value("personalNumber").toString(), QString("1022"));
    QCOMPARE(newPeople[0].toObject().value("employmentBegin").toString(), QString("2024-03-11"));
    // Vargová's sick leave of February: 10 days of code 11 (weekends not
    // counted), none in March.
    bool sickLeaveFlagged = false;
    for (const QJsonValue& change : comparison.value("changes").toArray())
        sickLeaveFlagged |= change.toObject().value("personalNumber").toString() == "5004"
                            && change.toObject().value("code").toString() == "11"
                            && change.toObject().value("previousAmount").toDouble() == 10;
    QVERIFY(sickLeaveFlagged);
    // The text summary has the same section, its lists cut.
    const Run text = exportMonth("2024-03", months.path());
    const QString out = QString::fromUtf8(text.out);
    QVERIFY2(out.contains("Comparison with ds022024_ID-1.txt (2024-02, ") && out.contains("5025 Zelenák Ľubomír: employment ended")
                 && out.contains(QString::fromUtf8("… and ")),
             qPrintable(out));
}

// A replay compares only with a file named by --compare; the prepared March
// against the exported one: the same people, nothing flagged.
void TestExportComparison::replayComparedWithExport()
{
    QTemporaryDir work;
    QVERIFY(QDir(work.path()).mkpath("DB_test_paterns"));
    const QString staging = work.filePath("DB_test_paterns/demo.db");
    const Run prepared = runProgram(ORVEX_PREPARE_TEST_PROGRAM,
                                    {"--socket", TestHostDb::connectOptions().mid(int(qstrlen("UNIX_SOCKET="))),
                                     "--user", "root", "--database", demo->name(), "--month", "2024-03", "--out",
                                     staging, "--params", work.filePath("params.json")});
    QVERIFY2(prepared.exitCode == 0, qPrintable(prepared.err));
    Run replay = runProgram(ORVEX_EXPORT_PROGRAM, {"--replay", staging, "--json", "--language", "en"});
    QVERIFY2(replay.exitCode == 0, qPrintable(replay.err));
    QVERIFY(!replay.json().value("comparison").toObject().value("compared").toBool());
    replay = runProgram(ORVEX_EXPORT_PROGRAM, {"--replay", staging, "--compare", marchFile, "--json", "--language", "en"});
    QVERIFY2(replay.exitCode == 0, qPrintable(replay.err));
    const QJsonObject comparison = replay.json().value("comparison").toObject();
    QVERIFY(comparison.value("compared").toBool());
    QCOMPARE(comparison.value("peopleBefore").toInt(), 22);
    QCOMPARE(comparison.value("peopleNow").toInt(), 22);
    for (const char* list : {"missing", "newPeople", "changes", "codesAppeared", "codesVanished", "outsideEmployment"})
        QVERIFY2(comparison.value(list).toArray().isEmpty(), list);
    // Someone the prepared run did not take: a known reason, no warning.
    const QString withRusnak = work.filePath("with-5019.txt");
    QFile file(withRusnak);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fileBytes(marchFile) + "2024|03|5019|1|5|04.03.2024|08.03.2024\n");
    file.close();
    replay = runProgram(ORVEX_EXPORT_PROGRAM, {"--replay", staging, "--compare", withRusnak, "--json", "--language", "en"});
    QVERIFY2(replay.exitCode == 0, qPrintable(replay.err));
    QCOMPARE(missingPeople(replay.json().value("comparison").toObject()), QStringList{"5019 notInPreparedRun"});
}

// The sheet read back by a real PDF reader: header, a person's block, the
// totals of both months, the page count.
void TestExportComparison::controlSheetPdf()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    if (pdftotext.isEmpty() || pdfinfo.isEmpty())
        QSKIP("poppler-utils is not installed (scripts/setup-debian.sh installs it)");
    QTemporaryDir out;
    QVERIFY(QFile::copy(months.filePath("ds022024_ID-1.txt"), out.filePath("ds022024_ID-1.txt")));
    const QString sheet = out.filePath("sheet.pdf");
    const Run run = exportMonth("2024-03", out.path(), {"--report", sheet, "--quiet"});
    QVERIFY2(run.exitCode == 3, qPrintable(run.err));
    const QString sha256 = QString::fromLatin1(
        QCryptographicHash::hash(fileBytes(out.filePath("ds032024_ID-1.txt")), QCryptographicHash::Sha256).toHex());
    const Run info = runProgram(pdfinfo, {sheet});
    QVERIFY2(info.out.contains("A4"), info.out.constData());
    const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(info.out)).captured(1).toInt();
    QVERIFY2(pages >= 3 && pages <= 12, info.out.constData());
    const QString text = QString::fromUtf8(runProgram(pdftotext, {"-layout", sheet, "-"}).out).simplified();
    for (const QString& expected :
         {QString("Control sheet of the payroll export 2024-03"), QString("ds032024_ID-1.txt"), sha256,
          QString("Lines 213"), QString("People 22"), QString::fromUtf8("Novák Peter Ing. — personal number 5001 — Administratíva"),
          QString("Totals per code"), QString("People left out and why"),
          QString::fromUtf8("5025 Zelenák Ľubomír: employment ended"), QString("Signature:"),
          QString("page %1 of %1").arg(pages)})
        QVERIFY2(text.contains(expected), qPrintable(expected));
}

// The HTML sheet is well-formed XHTML with one table per person of the file.
void TestExportComparison::controlSheetHtml()
{
    QTemporaryDir out;
    const QString sheet = out.filePath("sheet.html");
    const Run run = exportMonth("2024-03", out.path(), {"--report", sheet, "--json"});
    QVERIFY2(run.exitCode == 3, qPrintable(run.err));
    QXmlStreamReader xml(fileBytes(sheet));
    int personTables = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("table")
            && xml.attributes().value("class") == QLatin1String("person"))
            ++personTables;
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(personTables, run.json().value("summary").toObject().value("people").toArray().size());
}

// Novák's March without day records: his month is closed and he has an
// interruption record, yet no line: nobody knows why, so status 3. Runs last:
// it changes the company.
void TestExportComparison::personMissingWithoutReason()
{
    QVERIFY2(demo->exec("DELETE FROM atten WHERE uid = 1 AND date >= ?", {localMidnight(QDate(2024, 3, 1))}),
             qPrintable(demo->errorText()));
    QTemporaryDir out;
    const Run run = exportMonth("2024-03", out.path(), {"--people", "1,2", "--compare", marchFile, "--json"});
    QCOMPARE(run.exitCode, 3);
    const QJsonObject comparison = run.json().value("comparison").toObject();
    QCOMPARE(comparison.value("missingWithoutReason").toInt(), 1);
    QCOMPARE(missingPeople(comparison).first(), QString("5001 unknown"));
    const QStringList warnings = run.json().value("warnings").toVariant().toStringList();
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().contains(QString::fromUtf8("personal number 5001 (Novák Peter Ing.)")),
             qPrintable(warnings.first()));
}

QTEST_GUILESS_MAIN(TestExportComparison)
#include "tst_exportcomparison.moc"
