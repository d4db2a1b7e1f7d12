// The payroll file writer on prepared rows of the staging table `export`:
// order of the lines, separator and end-of-line rules, values that would
// break a line, the messages of the result hash and the file failures.

#include "logcapture.h"
#include "orvexuniversal.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString fileName = QStringLiteral("ds032024_ID-7.txt");

QByteArray fileLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
#ifdef Q_OS_WIN
        bytes += "\r\n";
#else
        bytes += "\n";
#endif
    }
    return bytes;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// One row: pid, then item0 .. item7.
QStringList row(int pid, const QString& code, const QString& amount, const QString& from, const QString& to,
                const QString& personalNumber = QStringLiteral("1234"))
{
    return {QString::number(pid), QStringLiteral("2024"), QStringLiteral("03"), personalNumber, code, amount, from,
            to, QString()};
}

// A plug-in object on an in-memory staging database of its own.
struct Writer
{
    explicit Writer(const QString& connection)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QStringLiteral(":memory:"));
        db.open();
        plugin.stagingDb = db;
        plugin.stagingQuery = QSqlQuery(db);
        plugin.createSQLiteTables(plugin.stagingQuery, false);
        plugin.exportFileName = fileName;
        plugin.peopleUids = {1};
    }

    void addRows(const QVariantList& rows)
    {
        QSqlQuery insert(plugin.stagingDb);
        insert.prepare(QStringLiteral("INSERT INTO export (pid, item0, item1, item2, item3, item4, item5, item6, item7) "
                                      "VALUES (?,?,?,?,?,?,?,?,?)"));
        for (const QVariant& r : rows) {
            const QStringList fields = r.toStringList();
            insert.addBindValue(fields.at(0).toInt());
            for (int i = 1; i < fields.size(); ++i)
                insert.addBindValue(fields.at(i));
            QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
        }
    }

    int write(const QString& directory)
    {
        QHash<QString, QVariant> parameters;
        parameters.insert(QStringLiteral("exportPath"), directory);
        return plugin.createCSVfile(parameters, result);
    }

    Orvexuniversal plugin;
    QHash<QString, QVariant> result;
};

} // namespace

class TestOutputFile : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void valuesThatWouldBreakALine_data();
    void valuesThatWouldBreakALine();
    void messages_data();
    void messages();
    void fileThatCannotBeWritten_data();
    void fileThatCannotBeWritten();
    void failedQueryLeavesAnEmptyFile();
    void existingFileIsReplaced();
};

void TestOutputFile::lines_data()
{
    QTest::addColumn<QVariantHash>("options");
    QTest::addColumn<QVariantList>("rows");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("warning");

    QVariantHash none;
    // Rows of the smaller pid first; within a person the date-from texts
    // compare as text, so 02.03. sorts before 10.02. and an empty date first.
    QTest::newRow("order by pid, then date-from text")
        << none
        << QVariantList{row(20, "11", "5", "04.03.2024", "08.03.2024", "77"), row(3, "1", "8", "10.02.2024", ""),
                        row(3, "1", "7.5", "02.03.2024", "02.03.2024"), row(3, "192", "21", "", "")}
        << QStringList{"2024|03|1234|192|21||", "2024|03|1234|1|7.5|02.03.2024|02.03.2024",
                       "2024|03|1234|1|8|10.02.2024|", "2024|03|77|11|5|04.03.2024|08.03.2024"}
        << QString();
    QTest::newRow("semicolon")
        << QVariantHash{{"separator", ";"}} << QVariantList{row(3, "11", "5", "04.03.2024", "08.03.2024")}
        << QStringList{"2024;03;1234;11;5;04.03.2024;08.03.2024"} << QString();
    QTest::newRow("separator on end")
        << QVariantHash{{"isSeparatorOnEnd", true}}
        << QVariantList{row(3, "11", "5", "04.03.2024", "08.03.2024"), row(4, "2", "1.5", "05.03.2024", "")}
        << QStringList{"2024|03|1234|11|5|04.03.2024|08.03.2024|", "2024|03|1234|2|1.5|05.03.2024||"} << QString();
    QTest::newRow("no separator on end, empty date-to")
        << QVariantHash{{"isSeparatorOnEnd", false}} << QVariantList{row(4, "2", "1.5", "05.03.2024", "")}
        << QStringList{"2024|03|1234|2|1.5|05.03.2024|"} << QString();
    QTest::newRow("empty separator falls back to |")
        << QVariantHash{{"separator", ""}} << QVariantList{row(3, "11", "5", "", "")}
        << QStringList{"2024|03|1234|11|5||"} << "separator is empty";
    QTest::newRow("longer separator: first character")
        << QVariantHash{{"separator", ";|"}, {"isSeparatorOnEnd", true}} << QVariantList{row(3, "11", "5", "", "x")}
        << QStringList{"2024;03;1234;11;5;;x;"} << "longer than one character";
}

void TestOutputFile::lines()
{
    QFETCH(QVariantHash, options);
    QFETCH(QVariantList, rows);
    QFETCH(QStringList, expected);
    QFETCH(QString, warning);
    QTemporaryDir directory;
    Writer writer(QStringLiteral("outputfile_lines"));
    writer.plugin.exportOptions = options;
    writer.addRows(rows);
    LogCapture log;
    QCOMPARE(writer.write(directory.path()), expected.size());
    QCOMPARE(readFile(directory.filePath(fileName)), fileLines(expected));
    QCOMPARE(writer.result.value("doneString").toString(), QString());
    QCOMPARE(log.matching("warning", "separator").size(), warning.isEmpty() ? 0 : 1);
    if (!warning.isEmpty())
        QVERIFY(log.contains("warning", warning));
}

void TestOutputFile::valuesThatWouldBreakALine_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("badRow");
    QTest::addColumn<QString>("expectedLine");
    QTest::addColumn<QString>("badValue");

    QTest::newRow("code holding the separator")
        << "|" << row(3, "1|2", "5", "04.03.2024", "") << "2024|03|1234|1 2|5|04.03.2024|" << "1|2";
    QTest::newRow("date mask holding the separator")
        << ";" << row(3, "11", "5", "04;03;2024", "") << "2024;03;1234;11;5;04 03 2024;" << "04;03;2024";
    QTest::newRow("personal number with a line break")
        << "|" << row(3, "11", "5", "", "", "12\r\n34") << "2024|03|12  34|11|5||" << "12\r\n34";
}

// The value is written with blanks in place of the offending characters, the
// line keeps its seven fields, and the clerk and the log are told.
void TestOutputFile::valuesThatWouldBreakALine()
{
    QFETCH(QString, separator);
    QFETCH(QStringList, badRow);
    QFETCH(QString, expectedLine);
    QFETCH(QString, badValue);
    QTemporaryDir directory;
    Writer writer(QStringLiteral("outputfile_bad"));
    writer.plugin.exportOptions.insert("separator", separator);
    writer.plugin.exportWarnings << "Earlier warning";
    writer.addRows({badRow, row(9, "11", "2", "", "")});
    LogCapture log;
    QCOMPARE(writer.write(directory.path()), 2);
    const QString good = QStringLiteral("2024|03|1234|11|2||").replace(QLatin1Char('|'), separator);
    QCOMPARE(readFile(directory.filePath(fileName)), fileLines({expectedLine, good}));
    const QStringList warnings = log.matching("warning", "holds the separator");
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains("pid 3"));
    const QStringList done = writer.result.value("doneString").toString().split('\n');
    QCOMPARE(done.size(), 3);
    QCOMPARE(done.at(0), QString());
    QCOMPARE(done.at(1), QStringLiteral("Earlier warning"));
    QVERIFY2(done.at(2).startsWith(QStringLiteral("Osobné číslo ")), qPrintable(done.at(2)));
    QVERIFY(done.at(2).contains(QString(badValue).replace("\r", "\\r").replace("\n", "\\n")));
}

void TestOutputFile::messages_data()
{
    QTest::addColumn<int>("people");
    QTest::addColumn<QStringList>("excluded");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("doneString");
    QTest::addColumn<bool>("counted");

    const QString emptyList = QStringLiteral(
        "Export neprebehol, pretože zoznam ľudí je prázdny!  \nVšetci požadovaní ľudia boli možno vyradení z dôvodu "
        "neuzavretých dní.   \nPrekontrolujte prosím nastavenia a spustite export znovu.");
    const QString noData = QStringLiteral(
        "Export neprebehol, pretože neexistujú žiadne data pre export! \nPrekontrolujte prosím nastavenia a spustite "
        "export znovu.");
    QTest::newRow("rows, nobody left out") << 2 << QStringList() << QStringList() << 3 << QString() << true;
    QTest::newRow("one left out")
        << 2 << QStringList{"523"} << QStringList() << 1
        << QString::fromUtf8("\nZamestnanec s ID: 523 bol vyradený z dôvodu neuzavretých dní.") << true;
    QTest::newRow("two left out")
        << 2 << QStringList{"523", "77"} << QStringList() << 1
        << QString::fromUtf8("\nZamestnanci s ID: 523,77 boli vyradení z dôvodu neuzavretých dní.") << true;
    QTest::newRow("left out and no rows: only the no-data message")
        << 2 << QStringList{"523"} << QStringList() << 0 << noData << true;
    QTest::newRow("no people") << 0 << QStringList{"523", "77"} << QStringList() << 0 << emptyList << false;
    QTest::newRow("warnings follow the message")
        << 1 << QStringList{"523"} << QStringList{"w1", "w2"} << 1
        << QString::fromUtf8("\nZamestnanec s ID: 523 bol vyradený z dôvodu neuzavretých dní.\nw1\nw2") << true;
    QTest::newRow("warnings after no data") << 1 << QStringList() << QStringList{"w1"} << 0 << noData + "\nw1" << true;
}

void TestOutputFile::messages()
{
    QFETCH(int, people);
    QFETCH(QStringList, excluded);
    QFETCH(QStringList, warnings);
    QFETCH(int, rows);
    QFETCH(QString, doneString);
    QFETCH(bool, counted);
    QTemporaryDir directory;
    Writer writer(QStringLiteral("outputfile_messages"));
    writer.plugin.peopleUids = QVector<unsigned>(people, 5);
    writer.plugin.excludedPeople = excluded;
    writer.plugin.exportWarnings = warnings;
    QVariantList rowList;
    for (int i = 0; i < rows; ++i)
        rowList << row(i, "1", "1", "", "");
    writer.addRows(rowList);

    QCOMPARE(writer.write(directory.path()), people == 0 ? 0 : rows);
    QCOMPARE(writer.result.value("doneString").toString(), doneString);
    QCOMPARE(writer.result.contains("errorString"), false);
    QCOMPARE(writer.result.contains("peopleCount"), counted);
    QCOMPARE(writer.result.contains("fileName"), counted);
    if (counted) {
        QCOMPARE(writer.result.value("peopleCount").toInt(), people);
        QCOMPARE(writer.result.value("fileName").toString(), fileName);
    }
    QVERIFY(QFile::exists(directory.filePath(fileName)));
    if (rows == 0 || people == 0)
        QCOMPARE(readFile(directory.filePath(fileName)), QByteArray());
}

void TestOutputFile::fileThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("missing directory") << "missing";
    QTest::newRow("directory is a file") << "file";
    QTest::newRow("target is a directory") << "target-dir";
}

void TestOutputFile::fileThatCannotBeWritten()
{
    QFETCH(QString, setup);
    QTemporaryDir directory;
    QString exportPath = directory.filePath("missing");
    if (setup == "file") {
        exportPath = directory.filePath("plain");
        QFile plain(exportPath);
        QVERIFY(plain.open(QIODevice::WriteOnly));
    } else if (setup == "target-dir") {
        exportPath = directory.path();
        QVERIFY(QDir(exportPath).mkdir(fileName));
    }
    Writer writer(QStringLiteral("outputfile_fail"));
    writer.addRows({row(3, "11", "5", "", "")});
    LogCapture log;
    QCOMPARE(writer.write(exportPath), -1);
    QCOMPARE(writer.result.keys(), QStringList{"errorString"});
    QCOMPARE(writer.result.value("errorString").toString(),
             QString::fromUtf8("Výstupný súbor sa nepodarilo otvoriť pre zápis! \nUistite sa, či nie je otvorený v "
                               "inom programe."));
    QVERIFY(log.contains("critical", "Vystupny subor sa nepodarilo otvorit!"));
    if (setup == "target-dir")
        QVERIFY(QFileInfo(directory.filePath(fileName)).isDir());
    // Nothing is left behind next to the target.
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files).size(), setup == "file" ? 1 : 0);
}

void TestOutputFile::failedQueryLeavesAnEmptyFile()
{
    QTemporaryDir directory;
    QFile earlier(directory.filePath(fileName));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier export\n");
    earlier.close();
    Writer writer(QStringLiteral("outputfile_query"));
    writer.plugin.stagingQuery.exec("DROP TABLE export");
    writer.result.insert("kept", 1);
    LogCapture log;
    QCOMPARE(writer.write(directory.path()), 0);
    QCOMPARE(writer.result.keys(), QStringList{"kept"});
    QVERIFY(log.contains("warning", "Orvexuniversal::createCSVfile() ::: SQLite ERROR: (SELECT * FROM export ) :: "));
    QCOMPARE(readFile(directory.filePath(fileName)), QByteArray());
}

void TestOutputFile::existingFileIsReplaced()
{
    QTemporaryDir directory;
    Writer writer(QStringLiteral("outputfile_twice"));
    writer.addRows({row(3, "11", "5", "", ""), row(4, "11", "6", "", "")});
    QCOMPARE(writer.write(directory.path()), 2);
    writer.plugin.stagingQuery.exec("DELETE FROM export WHERE pid = 4");
    QCOMPARE(writer.write(directory.path()), 1);
    QCOMPARE(readFile(directory.filePath(fileName)), fileLines({"2024|03|1234|11|5||"}));
}

QTEST_MAIN(TestOutputFile)
#include "test_outputfile.moc"
