// Hostile values on their way from the host to the payroll file, through the
// loaded plug-in: personal numbers and codes that hold the field separator, ";"
// or line breaks, selections that are not lists of ids, odd separators,
// options records of the wrong types, and a file that cannot be written whole.
// Nothing may be lost silently and no line may gain columns.

#include "hardeningcompany.h"
#include "logcapture.h"
#include "pluginhost.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// Personal numbers of uid 1 .. 6.
const QVariantList personalNumbers{"50;01", "50|02", "50\n03", "O'Neil", "5005", "50\r\n06"};

const char* const peopleListFailure = "Zoznam zamestnancov pre export nebolo možné načítať z databázy";
const char* const fileFailure =
    "Výstupný súbor sa nepodarilo otvoriť pre zápis! \nUistite sa, či nie je otvorený v inom programe.";
const char* const emptyListMessage = "Export neprebehol, pretože zoznam ľudí je prázdny!";

// The message that names a value written with blanks instead of its
// separators or line breaks.
QString replacedValueWarning(const QString& personalNumber, const QString& value)
{
    return QStringLiteral("Osobné číslo %1: hodnota \"%2\" obsahuje oddeľovač").arg(personalNumber, value);
}

} // namespace

class TestHostileData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void valuesThatWouldBreakALine_data();
    void valuesThatWouldBreakALine();
    void selectionThatIsNotAListOfIds_data();
    void selectionThatIsNotAListOfIds();
    void separatorOption_data();
    void separatorOption();
    void optionsOfWrongTypes_data();
    void optionsOfWrongTypes();
    void fileThatCannotBeWrittenWhole_data();
    void fileThatCannotBeWrittenWhole();

private:
    int exportTo(QHash<QString, QVariant>& result, const QHash<QString, QVariant>& parameters);
    QScopedPointer<TestHostDb> host;
    QScopedPointer<PluginHost> plugin;
};

void TestHostileData::initTestCase()
{
    host.reset(new TestHostDb(QStringLiteral("t_hardening_hostile")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    buildHardeningCompany(*host, personalNumbers);
    plugin.reset(new PluginHost);
    QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
    plugin->exporter()->setDatabase(host->db());
}

int TestHostileData::exportTo(QHash<QString, QVariant>& result, const QHash<QString, QVariant>& parameters)
{
    result.clear();
    return plugin->exporter()->makeExport(parameters, &result);
}

void TestHostileData::valuesThatWouldBreakALine_data()
{
    QTest::addColumn<QString>("people");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("workCode");
    QTest::addColumn<QString>("fullFundCode");
    // Field 2 (personal number) and 3 (code) of the work line, as written.
    QTest::addColumn<QString>("writtenNumber");
    QTest::addColumn<QString>("writtenWorkCode");
    QTest::addColumn<QStringList>("warnings");

    const QString semicolonNumber = replacedValueWarning("50;01", "50;01");
    QTest::newRow("personal number with ';', separator '|'")
        << "1" << "|" << "1" << "-1" << "50;01" << "1" << QStringList();
    QTest::newRow("personal number with ';', separator ';'")
        << "1" << ";" << "1" << "-1" << "50 01" << "1" << QStringList(semicolonNumber);
    QTest::newRow("personal number with the separator")
        << "2" << "|" << "1" << "-1" << "50 02" << "1" << QStringList(replacedValueWarning("50|02", "50|02"));
    QTest::newRow("personal number with a line break")
        << "3" << "|" << "1" << "-1" << "50 03" << "1" << QStringList(replacedValueWarning("50\\n03", "50\\n03"));
    QTest::newRow("personal number with CR LF")
        << "6" << "|" << "1" << "-1" << "50  06" << "1"
        << QStringList(replacedValueWarning("50\\r\\n06", "50\\r\\n06"));
    QTest::newRow("personal number with an apostrophe")
        << "4" << "|" << "1" << "-1" << "O'Neil" << "1" << QStringList();
    QTest::newRow("work code with ';'") << "5" << "|" << "1;2" << "-1" << "5005" << "1;2" << QStringList();
    QTest::newRow("work code with ';', separator ';'")
        << "5" << ";" << "1;2" << "-1" << "5005" << "1 2" << QStringList(replacedValueWarning("5005", "1;2"));
    QTest::newRow("work code with a line break")
        << "5" << "|" << "1\n2" << "-1" << "5005" << "1 2" << QStringList(replacedValueWarning("5005", "1\\n2"));
    QTest::newRow("work code with an apostrophe") << "5" << "|" << "1'2" << "-1" << "5005" << "1'2" << QStringList();
    QTest::newRow("item code with the separator")
        << "5" << "|" << "1" << "-1|9" << "5005" << "1" << QStringList(replacedValueWarning("5005", "-1|9"));
    QTest::newRow("work code with NUL")
        << "5" << "|" << QString("1") + QChar(0) + "2" << "-1" << "5005" << "1 2"
        << QStringList(replacedValueWarning("5005", "1\\x002"));
    QTest::newRow("work code with the DOS end of file")
        << "5" << "|" << "1\x1a" << "-1" << "5005" << "1 " << QStringList(replacedValueWarning("5005", "1\\x1a"));
    QTest::newRow("item code with CR")
        << "5" << "|" << "1" << "-1\r" << "5005" << "1" << QStringList(replacedValueWarning("5005", "-1\\r"));
}

// Every row reaches the file, on one line of seven fields, and the clerk is
// told which person's value was written with blanks.
void TestHostileData::valuesThatWouldBreakALine()
{
    QFETCH(QString, people);
    QFETCH(QString, separator);
    QFETCH(QString, workCode);
    QFETCH(QString, fullFundCode);
    QFETCH(QString, writtenNumber);
    QFETCH(QString, writtenWorkCode);
    QFETCH(QStringList, warnings);

    QTemporaryDir directory;
    QHash<QString, QVariant> result;
    LogCapture log;
    const int lines = exportTo(result,
                               hardeningParameters(people, directory.path(), hardeningOptions(separator),
                                                   hardeningInters(workCode), hardeningItems(fullFundCode)));
    QCOMPARE(lines, int(HardeningLinesPerPerson));
    const QStringList written = fileLines(directory.filePath(hardeningFileName()));
    QCOMPARE(written.size(), lines);
    QCOMPARE(fileBytes(directory.filePath(hardeningFileName())).count('\n'), lines);

    bool workLineSeen = false;
    for (const QString& line : written) {
        const QStringList fields = line.split(separator);
        QVERIFY2(fields.size() == 7, qPrintable(line));
        QCOMPARE(fields.at(2), writtenNumber);
        if (fields.at(4) == QLatin1String("136")) { // the month's work in hours
            QCOMPARE(fields.at(3), writtenWorkCode);
            workLineSeen = true;
        }
    }
    QVERIFY(workLineSeen);

    QVERIFY(!result.contains("errorString"));
    const QString done = result.value("doneString").toString();
    // Once per person and value, however many lines carry the value.
    for (const QString& warning : warnings)
        QVERIFY2(done.count(warning) == 1, qPrintable(done));
    if (warnings.isEmpty())
        QCOMPARE(done, QString());
    else
        QVERIFY(!log.matching("warning", "holds the separator").isEmpty());
}

void TestHostileData::selectionThatIsNotAListOfIds_data()
{
    QTest::addColumn<QString>("selection");
    QTest::newRow("statement after the ids") << "1); DROP TABLE people; --";
    QTest::newRow("condition instead of ids") << "1 OR 1=1";
    QTest::newRow("empty part") << "1,,2";
    QTest::newRow("trailing comma") << "1,2,";
    QTest::newRow("negative id") << "-1";
    QTest::newRow("id beyond the unsigned range") << "99999999999";
    QTest::newRow("words") << "Novák";
    QTest::newRow("blank") << " ";
    QTest::newRow("quote") << "1'";
}

// The people list failure reaches the clerk; the host tables stay as they were.
void TestHostileData::selectionThatIsNotAListOfIds()
{
    QFETCH(QString, selection);
    QTemporaryDir directory;
    QHash<QString, QVariant> result;
    LogCapture log;
    const int lines = exportTo(result, hardeningParameters(selection, directory.path()));
    QCOMPARE(lines, 0);
    QVERIFY2(result.value("errorString").toString().startsWith(QString::fromUtf8(peopleListFailure)),
             qPrintable(result.value("errorString").toString()));
    QVERIFY(result.value("doneString").toString().startsWith(QString::fromUtf8(emptyListMessage)));
    QVERIFY(log.contains("critical", "checkPeople() - SQL ERROR"));
    QCOMPARE(fileBytes(directory.filePath(hardeningFileName())), QByteArray());

    QSqlQuery count(host->db());
    QVERIFY(count.exec("SELECT COUNT(*) FROM people"));
    QVERIFY(count.next());
    QCOMPARE(count.value(0).toInt(), personalNumbers.size());
}

void TestHostileData::separatorOption_data()
{
    QTest::addColumn<QVariant>("separator");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("logged");

    QTest::newRow("several characters") << QVariant("||") << "|" << "is longer than one character";
    QTest::newRow("two different characters") << QVariant(";,") << ";" << "is longer than one character";
    QTest::newRow("empty") << QVariant("") << "|" << "separator is empty";
    QTest::newRow("missing") << QVariant() << "|" << QString();
    QTest::newRow("tab") << QVariant("\t") << "\t" << QString();
    QTest::newRow("line break") << QVariant("\n") << "|" << "is a line break";
    QTest::newRow("carriage return first") << QVariant("\r\n") << "|" << "is a line break";
    QTest::newRow("NUL") << QVariant(QString(QChar(0))) << "|" << "control character";
}

void TestHostileData::separatorOption()
{
    QFETCH(QVariant, separator);
    QFETCH(QString, written);
    QFETCH(QString, logged);

    QVariantMap options = hardeningOptions();
    if (separator.isValid())
        options.insert("separator", separator);
    else
        options.remove("separator");
    QTemporaryDir directory;
    QHash<QString, QVariant> result;
    LogCapture log;
    const int lines = exportTo(result, hardeningParameters("5", directory.path(), options));
    QCOMPARE(lines, int(HardeningLinesPerPerson));
    for (const QString& line : fileLines(directory.filePath(hardeningFileName()))) {
        QVERIFY2(line.split(written).size() == 7, qPrintable(line));
        QVERIFY(line.startsWith("2024" + written + "03" + written + "5005" + written));
    }
    if (!logged.isEmpty())
        QVERIFY(log.contains("warning", logged));
    QCOMPARE(result.value("doneString").toString(), QString());
}

void TestHostileData::optionsOfWrongTypes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    // Lines that the export must still write, and a text of the log line
    // that names the value it could not use.
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("logged");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const int all = HardeningLinesPerPerson;
    const QVariantMap dailyLeave{{"0", 0}, {"1", 1}, {"2", 1}, {"3", 1}};
    auto leaveWith = [&dailyLeave](const char* column, const QVariant& choice) {
        QVariantMap map = dailyLeave;
        map.insert(column, choice);
        return QVariant(map);
    };

    QTest::newRow("separator is a list") << "separator" << QVariant(QVariantList{";"}) << all << "\"separator\"";
    QTest::newRow("separator is a map") << "separator" << QVariant(QVariantMap{{"a", ";"}}) << all << "\"separator\"";
    QTest::newRow("date mask is a list") << "dateFormat" << QVariant(QVariantList{"dd"}) << all << "\"dateFormat\"";
    QTest::newRow("flag is a map") << "isSeparatorOnEnd" << QVariant(QVariantMap()) << all << "\"isSeparatorOnEnd\"";
    QTest::newRow("flag is a word") << "isNoPNstartDate" << QVariant("perhaps") << all << "\"isNoPNstartDate\"";
    QTest::newRow("special interruption is a list")
        << "comboIntPN" << QVariant(QVariantList{"PN"}) << all << "\"comboIntPN\"";
    // The leave row keeps its one line with the first choices; the other
    // rows are untouched.
    QTest::newRow("row settings are a list") << "Dovolenka" << QVariant(QVariantList{0, 1, 1, 1}) << all
                                              << "\"Dovolenka\"";
    QTest::newRow("row settings are a text") << "Dovolenka" << QVariant("0,1,1,1") << all << "\"Dovolenka\"";
    QTest::newRow("value kind is a text") << "Dovolenka" << leaveWith("1", "dni") << all << "\"Dovolenka\"";
    QTest::newRow("value kind is a map") << "Dovolenka" << leaveWith("1", QVariantMap{{"1", 1}}) << all
                                          << "\"Dovolenka\"";
    QTest::newRow("date choice is NaN") << "Dovolenka" << leaveWith("2", nan) << all << "\"Dovolenka\"";
    QTest::newRow("date choice is infinite") << "Dovolenka" << leaveWith("3", -inf) << all << "\"Dovolenka\"";
    QTest::newRow("date choice is a fraction") << "Dovolenka" << leaveWith("2", 1.5) << all << "\"Dovolenka\"";
    QTest::newRow("huge date choice") << "Dovolenka" << leaveWith("3", 2147483647) << all << "\"Dovolenka\"";
    QTest::newRow("huge double value kind") << "Dovolenka" << leaveWith("1", 1e300) << all - 1 << "\"Dovolenka\"";
    // An export type outside the list exports nothing for the row.
    QTest::newRow("negative export type") << "Dovolenka" << leaveWith("0", -1) << all - 1 << "\"Dovolenka\"";
    QTest::newRow("huge export type of an item")
        << "Plný fond" << QVariant(QVariantMap{{"0", 1e12}, {"1", 1}, {"2", 2}, {"3", 2}}) << all - 1
        << "\"Plný fond\"";
}

// The export runs to its end, writes the lines of the usable settings and
// logs the value it could not use.
void TestHostileData::optionsOfWrongTypes()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(int, lines);
    QFETCH(QString, logged);

    QVariantMap options = hardeningOptions();
    options.insert(key, value);
    QTemporaryDir directory;
    QHash<QString, QVariant> result;
    LogCapture log;
    const int written = exportTo(result, hardeningParameters("5", directory.path(), options));
    QCOMPARE(written, lines);
    const QStringList fileContent = fileLines(directory.filePath(hardeningFileName()));
    QCOMPARE(fileContent.size(), lines);
    for (const QString& line : fileContent)
        QVERIFY2(line.split('|').size() == 7 && line.startsWith("2024|03|5005|"), qPrintable(line));
    QVERIFY2(!log.matching("warning", logged).isEmpty(), qPrintable(log.lines().join('\n')));
}

void TestHostileData::fileThatCannotBeWrittenWhole_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("missing directory") << "missing";
    QTest::newRow("directory is a file") << "file";
    QTest::newRow("file size limit reached half-way") << "size-limit";
    QTest::newRow("disk full half-way") << "disk-full";
}

namespace {

// Options that write some 40 lines per person: work and the full fund per day.
QVariantMap manyLinesOptions(const QString& separator)
{
    QVariantMap options = hardeningOptions(separator);
    options.insert(QStringLiteral("Práca"), QVariantMap{{"0", 0}, {"1", 2}, {"2", 1}, {"3", 1}});
    options.insert(QStringLiteral("Plný fond"), QVariantMap{{"0", 0}, {"1", 1}, {"2", 1}, {"3", 1}});
    return options;
}

// A tmpfs of 64 kB mounted on a directory while it lives.
struct TinyDisk
{
    QString directory;
    bool mounted = false;
    explicit TinyDisk(const QString& path) : directory(path)
    {
#ifdef Q_OS_LINUX
        mounted = QDir().mkpath(path) && geteuid() == 0
                  && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", path}) == 0;
#endif
    }
    ~TinyDisk()
    {
        if (mounted)
            QProcess::execute("umount", {directory});
    }
    // Fills the disk but for one page.
    bool fillAllButOnePage() const
    {
        QFile filler(QDir(directory).filePath("filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray page(4096, 'x');
        while (filler.write(page) == page.size()) {
        }
        filler.close();
        return filler.resize(filler.size() - page.size());
    }
};

// A file size limit of 1 kB for the process while it lives: writes beyond it
// fail with EFBIG (the signal that would end the process is ignored).
struct FileSizeLimit
{
    bool set = false;
#ifdef Q_OS_UNIX
    rlimit before{};
    FileSizeLimit()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &before) != 0)
            return;
        rlimit limit = before;
        limit.rlim_cur = 1024;
        set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        if (set)
            setrlimit(RLIMIT_FSIZE, &before);
    }
#endif
};

} // namespace

// The clerk is told, and payroll keeps finding the earlier file whole: never a
// half-written one, never a left-over temporary file.
void TestHostileData::fileThatCannotBeWrittenWhole()
{
    QFETCH(QString, failure);
    QTemporaryDir base;
    QString directory = base.path();
    QScopedPointer<TinyDisk> disk;

    if (failure == "missing") {
        directory = base.filePath("no/such/directory");
    } else if (failure == "file") {
        directory = base.filePath("plain-file");
        QFile plain(directory);
        QVERIFY(plain.open(QIODevice::WriteOnly));
    } else if (failure == "disk-full") {
        directory = base.filePath("tiny");
        disk.reset(new TinyDisk(directory));
        if (!disk->mounted)
            QSKIP("a tiny tmpfs cannot be mounted here (needs Linux, root and the right to mount)");
    }

    // The earlier export, with ";" as the separator.
    QHash<QString, QVariant> result;
    QByteArray earlier;
    if (failure == "size-limit" || failure == "disk-full") {
        QVERIFY(exportTo(result, hardeningParameters("all", directory, manyLinesOptions(";"))) > 0);
        earlier = fileBytes(QDir(directory).filePath(hardeningFileName()));
        QVERIFY2(earlier.size() > 2 * 4096, QByteArray::number(earlier.size()));
    }
    if (disk)
        QVERIFY(disk->fillAllButOnePage());

    LogCapture log;
    int lines = 0;
    if (failure == "size-limit") {
        FileSizeLimit limit;
        if (!limit.set)
            QSKIP("no file size limit can be set here");
        lines = exportTo(result, hardeningParameters("all", directory, manyLinesOptions("|")));
    } else {
        lines = exportTo(result, hardeningParameters("all", directory, manyLinesOptions("|")));
    }

    QCOMPARE(lines, -1);
    QCOMPARE(result.keys(), QStringList{"errorString"});
    QCOMPARE(result.value("errorString").toString(), QString::fromUtf8(fileFailure));
    QVERIFY(log.contains("critical", "Vystupny subor sa nepodarilo otvorit!"));
    if (!earlier.isEmpty()) {
        QCOMPARE(fileBytes(QDir(directory).filePath(hardeningFileName())), earlier);
        QStringList left = QDir(directory).entryList(QDir::Files | QDir::Hidden);
        left.removeAll("filler");
        QCOMPARE(left, QStringList(hardeningFileName()));
    }
}

QTEST_MAIN(TestHostileData)
#include "test_hostiledata.moc"
