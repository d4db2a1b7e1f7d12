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

#ifdef Q_OS_WIN
const char* const endOfLine = "\r\n";
#else
const char* const endOfLine = "\n";
#endif

QByteArray fileLines(const QStringList& lines)
{
    return lines.isEmpty() ? QByteArray() : (lines.join(endOfLine) + endOfLine).toUtf8();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A file of an earlier export, longer than any file written here.
void writeEarlierFile(const QString& path)
{
    QFile earlier(path);
    if (earlier.open(QIODevice::WriteOnly))
        earlier.write(QByteArray("earlier export, to be replaced\n").repeated(8));
}

// The clerk's message about a value that holds the separator or a line break.
QString badValueMessage(const QString& personalNumber, const QString& value)
{
    return QString::fromUtf8("\nOsobné číslo %1: hodnota \"%2\" obsahuje oddeľovač položiek alebo koniec riadku; "
                             "tieto znaky sú v súbore nahradené medzerou.")
        .arg(personalNumber, value);
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

    // Each row "pid,code,amount,date from,date to[,personal number]"; year 2024, month 03, item7 empty.
    void addRows(const QStringList& rows)
    {
        QSqlQuery insert(plugin.stagingDb);
        insert.prepare("INSERT INTO export (pid, item0, item1, item2, item3, item4, item5, item6, item7) "
                       "VALUES (?,?,?,?,?,?,?,?,'')");
        for (const QString& r : rows) {
            const QStringList f = r.split(',');
            for (const QVariant& value : QVariantList{f.at(0).toInt(), "2024", "03", f.value(5, "1234"), f.at(1),
                                                      f.at(2), f.at(3), f.at(4)})
                insert.addBindValue(value);
            QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
        }
    }

    int write(const QString& directory)
    {
        return plugin.createCSVfile({{QStringLiteral("exportPath"), directory}}, result);
    }

    Orvexuniversal plugin;
    QHash<QString, QVariant> result;
};

} // namespace

class TestOutputFile : public QObject
{
    Q_OBJECT

private slots:
    void write_data();
    void write();
    void fileThatCannotBeWritten_data();
    void fileThatCannotBeWritten();
    void failedQueryLeavesAnEmptyFile();
};

void TestOutputFile::write_data()
{
    QTest::addColumn<QVariantHash>("options");
    QTest::addColumn<int>("people");
    QTest::addColumn<QStringList>("excluded");
    QTest::addColumn<QStringList>("warnings"); // gathered before the file is written
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("expected"); // the file's lines
    QTest::addColumn<QString>("doneString");
    QTest::addColumn<QStringList>("logged"); // a part of each warning the writer logs

    const QStringList no, one{"1,1,1,,"}, oneLine{"2024|03|1234|1|1||"};
    auto lines = [&no](const char* name, const QVariantHash& options, const QStringList& rows,
                       const QStringList& expected, const QString& done, const QStringList& logged) {
        QTest::newRow(name) << options << 1 << no << no << rows << expected << done << logged;
    };
    // Within a person the date-from texts compare as text: 02.03. before 10.02., an empty one first.
    lines("order by pid, then date-from text", {},
          {"20,11,5,04.03.2024,08.03.2024,77", "3,1,8,10.02.2024,", "3,1,7.5,02.03.2024,02.03.2024", "3,192,21,,"},
          {"2024|03|1234|192|21||", "2024|03|1234|1|7.5|02.03.2024|02.03.2024", "2024|03|1234|1|8|10.02.2024|",
           "2024|03|77|11|5|04.03.2024|08.03.2024"}, "", no);
    lines("tab", {{"separator", "\t"}}, one, {"2024\t03\t1234\t1\t1\t\t"}, "", no);
    lines("empty separator falls back to |", {{"separator", ""}}, one, oneLine, "", {"separator is empty"});
    lines("line break as separator falls back to |", {{"separator", "\n"}}, one, oneLine, "",
          {"is a line break or a control character"});
    lines("longer separator: first character", {{"separator", ";|"}, {"isSeparatorOnEnd", true}}, {"3,11,5,,x"},
          {"2024;03;1234;11;5;;x;"}, "", {"longer than one character"});
    // A value that would break its line is written with blanks in place of the
    // offending characters, keeps its columns, and the clerk and the log are told.
    lines("date mask holding the separator", {{"separator", ";"}}, {"3,11,5,04;03;2024,"},
          {"2024;03;1234;11;5;04 03 2024;"}, badValueMessage("1234", "04;03;2024"), {"(pid 3 ) holds the separator"});
    lines("personal number with a line break", {}, {"3,11,5,,,12\r\n34"}, {"2024|03|12  34|11|5||"},
          badValueMessage("12\\r\\n34", "12\\r\\n34"), {"holds the separator"});
    lines("end-of-file mark in an amount", {}, {"3,11,5\x1a,,"}, {"2024|03|1234|11|5 ||"},
          badValueMessage("1234", "5\\x1a"), {"holds the separator"});
    lines("one person's value on two lines is told once", {}, {"3,1|2,5,04.03.2024,", "3,1|2,6,05.03.2024,", "9,11,2,,"},
          {"2024|03|1234|1 2|5|04.03.2024|", "2024|03|1234|1 2|6|05.03.2024|", "2024|03|1234|11|2||"},
          badValueMessage("1234", "1|2"), {"holds the separator", "holds the separator"});

    const QString noData = QString::fromUtf8(
        "Export neprebehol, pretože neexistujú žiadne data pre export! \nPrekontrolujte prosím nastavenia a "
        "spustite export znovu.");
    const QString oneLeftOut = QString::fromUtf8("\nZamestnanec s ID: 523 bol vyradený z dôvodu neuzavretých dní.");
    const QVariantHash none;
    QTest::newRow("one left out") << none << 2 << QStringList{"523"} << no << one << oneLine << oneLeftOut << no;
    QTest::newRow("left out and no rows: only the no-data message")
        << none << 2 << QStringList{"523"} << no << no << no << noData << no;
    QTest::newRow("no people: rows are not written")
        << none << 0 << QStringList{"523", "77"} << QStringList{"w1"} << one << no
        << QString::fromUtf8("Export neprebehol, pretože zoznam ľudí je prázdny!  \nVšetci požadovaní ľudia boli "
                             "možno vyradení z dôvodu neuzavretých dní.   \nPrekontrolujte prosím nastavenia a "
                             "spustite export znovu.\nw1")
        << no;
    QTest::newRow("earlier warnings follow the message")
        << none << 1 << QStringList{"523"} << QStringList{"w1", "w2"} << QStringList{"3,1|2,5,,"}
        << QStringList{"2024|03|1234|1 2|5||"} << oneLeftOut + "\nw1\nw2" + badValueMessage("1234", "1|2")
        << QStringList{"holds the separator"};
    QTest::newRow("warnings after no data") << none << 1 << no << QStringList{"w1"} << no << no << noData + "\nw1" << no;
}

// Every row replaces a longer file of an earlier export, atomically: no
// temporary file is left next to it.
void TestOutputFile::write()
{
    QFETCH(QVariantHash, options);
    QFETCH(int, people);
    QFETCH(QStringList, excluded);
    QFETCH(QStringList, warnings);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, expected);
    QFETCH(QString, doneString);
    QFETCH(QStringList, logged);

    QTemporaryDir directory;
    writeEarlierFile(directory.filePath(fileName));
    Writer writer(QStringLiteral("outputfile_write"));
    writer.plugin.exportOptions = options;
    writer.plugin.peopleUids = QVector<unsigned>(people, 5);
    writer.plugin.excludedPeople = excluded;
    writer.plugin.exportWarnings = warnings;
    writer.addRows(rows);
    LogCapture log;
    QCOMPARE(writer.write(directory.path()), expected.size());
    QCOMPARE(readFile(directory.filePath(fileName)), fileLines(expected));
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden), QStringList{fileName});
    QCOMPARE(writer.result.value("doneString").toString(), doneString);
    QHash<QString, QVariant> wanted{{"doneString", doneString}};
    if (people > 0) {
        wanted.insert("peopleCount", people);
        wanted.insert("fileName", fileName);
    }
    QCOMPARE(writer.result, wanted);
    const QStringList warned = log.matching("warning", "createCSVfile");
    QCOMPARE(warned.size(), logged.size());
    for (int i = 0; i < logged.size(); ++i)
        QVERIFY2(warned.at(i).contains(logged.at(i)), qPrintable(warned.at(i)));
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
    QString exportPath = directory.filePath(setup);
    if (setup == "file")
        writeEarlierFile(exportPath);
    if (setup == "target-dir") {
        exportPath = directory.path();
        QVERIFY(QDir(exportPath).mkdir(fileName));
    }
    Writer writer(QStringLiteral("outputfile_fail"));
    writer.addRows({"3,11,5,,"});
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
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden).size(), setup == "file" ? 1 : 0);
}

// The earlier file is replaced by an empty one, the result hash is left alone.
void TestOutputFile::failedQueryLeavesAnEmptyFile()
{
    QTemporaryDir directory;
    writeEarlierFile(directory.filePath(fileName));
    Writer writer(QStringLiteral("outputfile_query"));
    writer.plugin.stagingQuery.exec("DROP TABLE export");
    writer.result.insert("kept", 1);
    LogCapture log;
    QCOMPARE(writer.write(directory.path()), 0);
    QCOMPARE(writer.result.keys(), QStringList{"kept"});
    QVERIFY(log.contains("warning", "Orvexuniversal::createCSVfile() ::: SQLite ERROR: (SELECT * FROM export ) :: "));
    QCOMPARE(readFile(directory.filePath(fileName)), QByteArray());
}

QTEST_MAIN(TestOutputFile)
#include "test_outputfile.moc"
