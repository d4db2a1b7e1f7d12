// Hostile values on their way from the host to the payroll file, through the
// loaded plug-in: personal numbers and codes holding separators, quotes, line
// breaks or control characters, selections that are not lists of ids, odd
// separators, options of wrong types, a file that cannot be written whole;
// then a bounded fuzz of makeExport and setOptionsData with a fixed seed.
// Nothing may crash or be lost silently, and no line may gain columns.

#include "hardeningcompany.h"
#include "logcapture.h"
#include "pamoptionswidget.h"
#include "pluginhost.h"

#include <QSqlQuery>
#include <QtTest>

#include <limits>
#include <random>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// Personal numbers of uid 1 .. 6.
const QVariantList personalNumbers{"50;01", "50|02", "50\n03", "O'Neil", "5005", "50\r\n06"};

// A tmpfs of 64 kB mounted on `path` while it lives (Linux, as root).
struct TinyDisk
{
    const QString path;
    bool mounted = false;
    explicit TinyDisk(const QString& where) : path(where)
    {
#ifdef Q_OS_LINUX
        mounted = QDir().mkpath(path) && geteuid() == 0
                  && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", path}) == 0;
#endif
    }
    ~TinyDisk()
    {
        if (mounted)
            QProcess::execute("umount", {path});
    }
};

typedef std::numeric_limits<double> Double;
const QVariantList scalars{
    QVariant(), QVariant(QVariant::String), QVariant::fromValue(nullptr), true, false, -1000,
    std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), std::numeric_limits<uint>::max(), 4000000000u,
    1711926000u, std::numeric_limits<qlonglong>::min(), std::numeric_limits<qlonglong>::max(), -1LL, 99999999999LL,
    std::numeric_limits<qulonglong>::max(), Double::quiet_NaN(), Double::infinity(), -Double::infinity(), 1e300,
    -1e300, 2.5, -0.0, -1.0, 1.0, 3.0, Double::denorm_min(), QDateTime(QDate(2024, 3, 1), QTime(0, 0)),
    QChar(QLatin1Char(';'))};
const QStringList texts{
    "", "0", "1", "2", "3", "-1", "3.5", "1e300", "nan", "inf", "true", "false", "perhaps", "test", "TEST", "PN",
    "OČR", "Práca", "Dovolenka", "Plný fond", "Práca v noci", "- nepoužíva sa -", "'", "\"", ";", "|", ",", "\n",
    "\r\n", "\r", "\t", " ", "a;b|c\nd", "1,2", " 1 , 2 ", "1;2", "1,,2", "'; DROP TABLE people; --", "%1%2%3",
    "dd.MM.yyyy", "dddd d. MMMM yyyy", "yyyy", "\\", "..", "ß€𝄞", QString(QChar(0)), QString(600, 'y'), "1/2", "/",
    "10/", "/20", "Zlé'meno", "Riadok\nzlom"};
const QStringList optionKeys{"isNoPNstartDate", "isNoPNendDate", "isNoPNWeekendsAndHolidays", "isSeparatorOnEnd",
                             "separator", "dateFormat", "comboIntPN", "comboIntOCR", "comboIntKarPN", "comboIntKarOCR"};
const QVariantList rowNames{"Práca", "Dovolenka", "PN", "OČR", "Zlé'meno", "Riadok\nzlom", "Záporné saldo (Absencia)",
                            "Práca v sobotu", "Práca v noci", "Nadčasové hodiny", "Stravné jednotky (lístky)",
                            "Plný fond", ""};

class Fuzzer
{
public:
    explicit Fuzzer(quint32 seed) : rng(seed) {}
    int number(int lowest, int highest) { return std::uniform_int_distribution<int>(lowest, highest)(rng); }
    bool chance(int percent) { return number(1, 100) <= percent; }
    template <class T>
    T pick(const QList<T>& list) { return list.at(number(0, list.size() - 1)); }

    QString text()
    {
        QString text = pick(texts);
        for (int part = chance(70) ? 0 : number(1, 5); part > 0; --part)
            text += chance(50) ? pick(texts) : QString(QChar(ushort(number(1, 0x2FF))));
        return text;
    }
    // Anything: a scalar of any type, or lists, maps and hashes of anything down to `depth`.
    QVariant value(int depth = 2)
    {
        const int kind = depth > 0 && chance(30) ? number(0, 2) : number(3, 8);
        QVariantMap map;
        for (int i = kind < 3 ? number(0, 4) : 0; i > 0; --i)
            map.insert(chance(50) ? QString::number(number(0, 4)) : text(), value(depth - 1));
        switch (kind) {
        case 0: return map.values();
        case 1: return QVariant(map.values()).toStringList();
        case 2: return mapOrHash(map, 50);
        case 3: return text().toUtf8();
        case 4: return number(-2, 6);
        case 5: return pick(scalars);
        default: return text();
        }
    }
    QVariant usualOr(const QVariantList& usual) { return chance(70) ? pick(usual) : value(1); }
    // The host hands hashes, stored settings give maps.
    QVariant mapOrHash(const QVariantMap& map, int hashPercent)
    {
        return chance(hashPercent) ? QVariant(QVariant(map).toHash()) : QVariant(map);
    }

    QVariant options()
    {
        QVariantMap options;
        for (const QString& key : optionKeys)
            if (chance(70))
                options.insert(key, key == "separator" ? usualOr({"|", ";", ",", "\t", "", "||", "ab", "\n", "0", "."})
                                    : key == "dateFormat" ? usualOr({"dd.MM.yyyy", "ddMMyyyy", "yyyy-MM-dd", "d.M.yy"})
                                    : key.startsWith("is") ? usualOr({true, false}) : usualOr(rowNames));
        for (const QVariant& name : rowNames) {
            QVariantMap row;
            for (int column = 0; column < 4; ++column)
                if (chance(85))
                    row.insert(QString::number(column), usualOr({-1, 0, 1, 2, 3, 4, 0.0, 1.0, 2.0, 5.0}));
            if (chance(10))
                row.insert(text(), value(1));
            if (chance(60))
                options.insert(name.toString(), chance(10) ? value() : mapOrHash(row, 20));
        }
        if (chance(10))
            options.insert(text(), value());
        return chance(5) ? value() : mapOrHash(options, 20);
    }
    // The real keys with random values, now and then one left out or a junk key added.
    QHash<QString, QVariant> parameters()
    {
        const QDate first(2024, chance(80) ? 3 : number(1, 12), 1);
        QVariantMap inters;
        for (int i = number(0, 8); i > 0; --i)
            inters.insert(pick(QStringList{"1", "7", "14", "15", "20", "21", "999", "0", "-1", "99999999999", "x", ""}),
                          usualOr({"1", "9", "10", "11", "1/101", "9/19", ""}));
        QVariantList items;
        for (int i = number(0, 16); i > 0; --i)
            items << usualOr({"", "", "85", "-1", "15", "84", "2"});
        QVariantMap parameters{{"beginDay", chance(80) ? QVariant(localMidnight(first)) : value(0)},
                               {"endDay", chance(80) ? QVariant(localMidnight(first.addMonths(1))) : value(0)},
                               {"month", chance(80) ? QVariant(202403) : value(0)},
                               {"pamSettingsId", usualOr({0, 1, 2, 3})},
                               {"allPeople", usualOr({true, false, false})},
                               {"selPeople", usualOr({"1", "2", "1,2", "2,1,1", "1,999", "3"})},
                               {"inters", chance(10) ? value() : mapOrHash(inters, 70)},
                               {"items", chance(10) ? value() : QVariant(items)},
                               {"optWidget", options()}};
        for (const QString& key : parameters.keys())
            if (chance(4))
                parameters.remove(key);
        if (chance(10))
            parameters.insert(chance(50) ? text() : QStringLiteral("beginday"), value());
        return QVariant(parameters).toHash();
    }

private:
    std::mt19937 rng;
};

// Runs `step` (given its number) until `count` steps or `milliseconds` are
// spent or a step fails, swallowing the plug-in's log.
template <class Step>
int runFor(const char* phase, int count, qint64 milliseconds, Step step)
{
    QElapsedTimer clock;
    clock.start();
    int done = 0;
    {
        LogCapture log;
        for (; done < count && clock.elapsed() < milliseconds && !QTest::currentTestFailed(); ++done) {
            step(done);
            log.clear();
        }
    }
    qInfo("%s: %d steps in %lld ms", phase, done, clock.elapsed());
    return done;
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
    void optionsRecord_data();
    void optionsRecord();
    void fileThatCannotBeWrittenWhole_data();
    void fileThatCannotBeWrittenWhole();
    void fuzzNormalMode();
    void fuzzTestMode();
    void fuzzOptionsPage();

private:
    int exportTo(const QHash<QString, QVariant>& parameters)
    {
        result.clear();
        return plugin->exporter()->makeExport(parameters, &result);
    }
    QScopedPointer<TestHostDb> host;
    QScopedPointer<PluginHost> plugin;
    QHash<QString, QVariant> result;
    QTemporaryDir work;
    QScopedPointer<Fuzzer> fuzz;
};

// The company with interruption names holding an apostrophe and a line break;
// for the fuzz: output folders, a month prepared for TEST mode, stored settings.
void TestHostileData::initTestCase()
{
    host.reset(new TestHostDb(QStringLiteral("t_hardening_hostile")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    buildHardeningCompany(*host, personalNumbers);
    host->addInterruptionType(20, QStringLiteral("Zlé'meno"));
    host->addInterruptionType(21, "Riadok\nzlom");
    host->addInterruption(1, 20, QDateTime(QDate(2024, 3, 6), QTime(8, 0)), 7200);
    host->addInterruption(2, 21, QDateTime(QDate(2024, 3, 7), QTime(8, 0)), 28800);
    host->addPamSettings("{}");
    plugin.reset(new PluginHost);
    QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
    plugin->exporter()->setDatabase(host->db());

    bool replay = false;
    const quint32 seed = qgetenv("ORVEX_FUZZ_SEED").toUInt(&replay);
    qInfo("fuzz seed %u (ORVEX_FUZZ_SEED replays another)", replay ? seed : 20240301u);
    fuzz.reset(new Fuzzer(replay ? seed : 20240301u));
    QVERIFY(QDir(work.path()).mkpath("out") && QFile(work.filePath("plain-file")).open(QIODevice::WriteOnly));
    QVERIFY(QDir(work.path()).mkpath("replay/TMP") && QDir(work.path()).mkpath("replay/DB_test_paterns"));
    QProcess tool;
    tool.start(ORVEX_PREPARE_TEST_TOOL,
               {"--socket", TestHostDb::connectOptions().mid(QStringLiteral("UNIX_SOCKET=").size()), "--user", "root",
                "--database", host->name(), "--month", "2024-03", "--people", "all", "--out",
                work.filePath("replay/DB_test_paterns/fuzz.db")});
    QVERIFY(tool.waitForFinished(120000));
    QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
}

void TestHostileData::valuesThatWouldBreakALine_data()
{
    QTest::addColumn<QString>("people");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("workCode");
    QTest::addColumn<QString>("fullFundCode");
    QTest::addColumn<QString>("writtenNumber");   // field 2 of every line
    QTest::addColumn<QString>("writtenWorkCode"); // field 3 of the work line
    QTest::addColumn<QString>("warning");         // empty: none
    const auto warning = [](const QString& personalNumber, const QString& value) {
        return QStringLiteral("Osobné číslo %1: hodnota \"%2\" obsahuje oddeľovač").arg(personalNumber, value);
    };
    QTest::newRow("number with ';'") << "1" << "|" << "1" << "-1" << "50;01" << "1" << QString();
    QTest::newRow("number with ';', separator ';'") << "1" << ";" << "1" << "-1" << "50 01" << "1"
                                                    << warning("50;01", "50;01");
    QTest::newRow("number with the separator") << "2" << "|" << "1" << "-1" << "50 02" << "1" << warning("50|02", "50|02");
    QTest::newRow("number with LF") << "3" << "|" << "1" << "-1" << "50 03" << "1" << warning("50\\n03", "50\\n03");
    QTest::newRow("number with CR LF") << "6" << "|" << "1" << "-1" << "50  06" << "1"
                                       << warning("50\\r\\n06", "50\\r\\n06");
    QTest::newRow("number with an apostrophe") << "4" << "|" << "1" << "-1" << "O'Neil" << "1" << QString();
    QTest::newRow("work code with ';'") << "5" << "|" << "1;2" << "-1" << "5005" << "1;2" << QString();
    QTest::newRow("work code with ';', separator ';'") << "5" << ";" << "1;2" << "-1" << "5005" << "1 2"
                                                       << warning("5005", "1;2");
    QTest::newRow("work code with LF") << "5" << "|" << "1\n2" << "-1" << "5005" << "1 2" << warning("5005", "1\\n2");
    QTest::newRow("work code with an apostrophe") << "5" << "|" << "1'2" << "-1" << "5005" << "1'2" << QString();
    QTest::newRow("item code with the separator") << "5" << "|" << "1" << "-1|9" << "5005" << "1"
                                                  << warning("5005", "-1|9");
    QTest::newRow("work code with NUL") << "5" << "|" << QString("1") + QChar(0) + "2" << "-1" << "5005" << "1 2"
                                        << warning("5005", "1\\x002");
    QTest::newRow("work code with the DOS end of file") << "5" << "|" << "1\x1a" << "-1" << "5005" << "1 "
                                                        << warning("5005", "1\\x1a");
    QTest::newRow("item code with CR") << "5" << "|" << "1" << "-1\r" << "5005" << "1" << warning("5005", "-1\\r");
}

// Every line reaches the file with seven fields, and the clerk is told once
// which person's value was written with blanks.
void TestHostileData::valuesThatWouldBreakALine()
{
    QFETCH(QString, people);
    QFETCH(QString, separator);
    QFETCH(QString, workCode);
    QFETCH(QString, fullFundCode);
    QFETCH(QString, writtenNumber);
    QFETCH(QString, writtenWorkCode);
    QFETCH(QString, warning);
    QTemporaryDir directory;
    LogCapture log;
    const int lines = exportTo(
        hardeningParameters(people, directory.path(), hardeningOptions(separator), workCode, fullFundCode));
    QCOMPARE(lines, int(HardeningLinesPerPerson));
    const QString path = directory.filePath(hardeningFileName);
    QCOMPARE(fileBytes(path).count('\n'), lines);
    QCOMPARE(fileLines(path).size(), lines);
    bool workLineSeen = false;
    for (const QString& line : fileLines(path)) {
        const QStringList fields = line.split(separator);
        QVERIFY2(fields.size() == 7, qPrintable(line));
        QCOMPARE(fields.at(2), writtenNumber);
        if (fields.at(4) == "136") { // the month's work in hours
            QCOMPARE(fields.at(3), writtenWorkCode);
            workLineSeen = true;
        }
    }
    QVERIFY(workLineSeen);
    QVERIFY(!result.contains("errorString"));
    const QString done = result.value("doneString").toString();
    QVERIFY2(warning.isEmpty() ? done.isEmpty() : done.count(warning) == 1, qPrintable(done));
    QVERIFY(warning.isEmpty() || log.contains("warning", "holds the separator"));
}

void TestHostileData::selectionThatIsNotAListOfIds_data()
{
    QTest::addColumn<QString>("selection");
    for (const char* selection : {"1); DROP TABLE people; --", "1 OR 1=1", "1,,2", "1,2,", "-1", "99999999999", "Novák",
                                  " ", "1'"})
        QTest::newRow(selection) << QString::fromUtf8(selection);
}

// The people list failure reaches the clerk; no file, the host tables unchanged.
void TestHostileData::selectionThatIsNotAListOfIds()
{
    QFETCH(QString, selection);
    QTemporaryDir directory;
    LogCapture log;
    QCOMPARE(exportTo(hardeningParameters(selection, directory.path())), 0);
    QVERIFY2(result.value("errorString").toString().startsWith(peopleListFailure),
             qPrintable(result.value("errorString").toString()));
    QVERIFY(result.value("doneString").toString().startsWith(
        QStringLiteral("Export neprebehol, pretože zoznam ľudí je prázdny!")));
    QVERIFY(log.contains("critical", "checkPeople() - SQL ERROR"));
    QCOMPARE(fileBytes(directory.filePath(hardeningFileName)), QByteArray());
    QSqlQuery count(host->db());
    QVERIFY(count.exec("SELECT COUNT(*) FROM people") && count.next());
    QCOMPARE(count.value(0).toInt(), personalNumbers.size());
}

void TestHostileData::optionsRecord_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");    // invalid: the key is left out
    QTest::addColumn<QString>("separator"); // as written
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("logged"); // in the warning about the value; empty: none expected
    const int all = HardeningLinesPerPerson;
    const auto separator = [all](const char* name, const QVariant& value, const QString& written, const QString& logged) {
        QTest::newRow(name) << "separator" << value << written << all << logged;
    };
    separator("separator of several characters", "||", "|", "is longer than one character");
    separator("separator of two different characters", ";,", ";", "is longer than one character");
    separator("empty separator", "", "|", "separator is empty");
    separator("missing separator", QVariant(), "|", QString());
    separator("tab separator", "\t", "\t", QString());
    separator("line break separator", "\n", "|", "is a line break");
    separator("carriage return first", "\r\n", "|", "is a line break");
    separator("NUL separator", QString(QChar(0)), "|", "control character");

    // A value of a wrong type is logged by its key; its row keeps its line with
    // the first choices, but an export type outside the list exports nothing.
    const auto wrong = [all](const char* name, const QString& key, const QVariant& value, int lost = 0) {
        QTest::newRow(name) << key << value << "|" << all - lost << '"' + key + '"';
    };
    const auto leave = [](const char* column, const QVariant& choice) {
        QVariantMap row = hardeningRow(0, 1, 1, 1);
        row.insert(column, choice);
        return QVariant(row);
    };
    wrong("separator is a list", "separator", QVariantList{";"});
    wrong("separator is a map", "separator", QVariantMap{{"a", ";"}});
    wrong("date mask is a list", "dateFormat", QVariantList{"dd"});
    wrong("flag is a map", "isSeparatorOnEnd", QVariantMap());
    wrong("flag is a word", "isNoPNstartDate", "perhaps");
    wrong("special interruption is a list", "comboIntPN", QVariantList{"PN"});
    wrong("row settings are a list", "Dovolenka", QVariantList{0, 1, 1, 1});
    wrong("row settings are a text", "Dovolenka", "0,1,1,1");
    wrong("value kind is a text", "Dovolenka", leave("1", "dni"));
    wrong("value kind is a map", "Dovolenka", leave("1", QVariantMap{{"1", 1}}));
    wrong("date choice is NaN", "Dovolenka", leave("2", Double::quiet_NaN()));
    wrong("date choice is infinite", "Dovolenka", leave("3", -Double::infinity()));
    wrong("date choice is a fraction", "Dovolenka", leave("2", 1.5));
    wrong("huge date choice", "Dovolenka", leave("3", 2147483647));
    wrong("huge double value kind", "Dovolenka", leave("1", 1e300), 1);
    wrong("negative export type", "Dovolenka", leave("0", -1), 1);
    wrong("huge export type of an item", QStringLiteral("Plný fond"),
          QVariantMap{{"0", 1e12}, {"1", 1}, {"2", 2}, {"3", 2}}, 1);
}

// The export runs to its end on the usable settings and logs what it could not use.
void TestHostileData::optionsRecord()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QString, separator);
    QFETCH(int, lines);
    QFETCH(QString, logged);
    QVariantMap options = hardeningOptions();
    if (value.isValid())
        options.insert(key, value);
    else
        options.remove(key);
    QTemporaryDir directory;
    LogCapture log;
    QCOMPARE(exportTo(hardeningParameters("5", directory.path(), options)), lines);
    const QStringList written = fileLines(directory.filePath(hardeningFileName));
    QCOMPARE(written.size(), lines);
    const QString start = QStringList{"2024", "03", "5005", ""}.join(separator);
    for (const QString& line : written)
        QVERIFY2(line.split(separator).size() == 7 && line.startsWith(start), qPrintable(line));
    QVERIFY2(logged.isEmpty() || log.contains("warning", logged), qPrintable(log.lines().join('\n')));
    QCOMPARE(result.value("doneString").toString(), QString());
}

void TestHostileData::fileThatCannotBeWrittenWhole_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("missing directory") << "missing";
    QTest::newRow("directory is a file") << "file";
#ifdef Q_OS_UNIX
    QTest::newRow("file size limit reached half-way") << "size-limit";
#endif
    QTest::newRow("disk full half-way") << "disk-full";
}

// The clerk is told, and payroll keeps finding the earlier file whole: never a
// half-written one, never a left-over temporary file.
void TestHostileData::fileThatCannotBeWrittenWhole()
{
    QFETCH(QString, failure);
    QTemporaryDir base;
    const QString directory = base.filePath(failure == "missing" ? "no/such/directory" : failure);
    const QString path = QDir(directory).filePath(hardeningFileName);
    QScopedPointer<TinyDisk> disk(failure == "disk-full" ? new TinyDisk(directory) : nullptr);
    if (disk && !disk->mounted)
        QSKIP("a tiny tmpfs cannot be mounted here (needs Linux, root and the right to mount)");
    QVERIFY(failure != "file" || QFile(directory).open(QIODevice::WriteOnly));
    QVERIFY(failure != "size-limit" || QDir().mkpath(directory));
    // Work and the full fund per day: some 40 lines per person.
    QVariantMap options = hardeningOptions(";");
    options.insert(QStringLiteral("Práca"), hardeningRow(0, 2, 1, 1));
    options.insert(QStringLiteral("Plný fond"), hardeningRow(0, 1, 1, 1));
    QByteArray earlier; // the earlier export, with ";" as the separator
    if (failure == "size-limit" || disk) {
        QVERIFY(exportTo(hardeningParameters("all", directory, options)) > 0);
        earlier = fileBytes(path);
        QVERIFY2(earlier.size() > 2 * 4096, QByteArray::number(earlier.size()));
    }
    if (disk) { // filled but for one page
        QFile filler(QDir(directory).filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) == 4096) {
        }
        filler.close();
        QVERIFY(filler.resize(filler.size() - 4096));
    }

    LogCapture log;
    options.insert("separator", "|");
#ifdef Q_OS_UNIX
    // A file size limit of 1 kB: writes beyond it fail with EFBIG (the signal
    // that would end the process is ignored).
    rlimit before{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
    rlimit limit = before;
    limit.rlim_cur = failure == "size-limit" ? 1024 : before.rlim_cur;
    std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
#endif
    const int lines = exportTo(hardeningParameters("all", directory, options));
#ifdef Q_OS_UNIX
    setrlimit(RLIMIT_FSIZE, &before);
#endif
    QCOMPARE(lines, -1);
    QCOMPARE(result.keys(), QStringList{"errorString"});
    QCOMPARE(result.value("errorString").toString(),
             QStringLiteral("Výstupný súbor sa nepodarilo otvoriť pre zápis! \n"
                            "Uistite sa, či nie je otvorený v inom programe."));
    QVERIFY(log.contains("critical", "Vystupny subor sa nepodarilo otvorit!"));
    if (!earlier.isEmpty()) {
        QCOMPARE(fileBytes(path), earlier);
        QStringList left = QDir(directory).entryList(QDir::Files | QDir::Hidden);
        left.removeAll("filler");
        QCOMPARE(left, QStringList(hardeningFileName));
    }
}

// Every answer is one the host understands; a written file has as many lines
// as the answer says, each of seven fields (eight with the separator on the end).
void TestHostileData::fuzzNormalMode()
{
    const QVariantList exportPaths{work.filePath("out"), work.filePath("out/missing"), work.filePath("plain-file")};
    const QStringList resultKeys{"errorString", "doneString", "peopleCount", "fileName"};
    int files = 0;
    const int exports = runFor("normal mode", 2000, 10000, [&](int step) {
        QHash<QString, QVariant> parameters = fuzz->parameters();
        if (fuzz->chance(30))
            parameters.insert("mode", fuzz->pick(QVariantList{"TEST", "normal", "", 1, QVariantList{"test", "x"}}));
        parameters.insert("exportPath", fuzz->pick(exportPaths));
        const int lines = exportTo(parameters);
        QVERIFY2(lines >= -1, QByteArray::number(step));
        for (const QString& key : result.keys())
            QVERIFY2(resultKeys.contains(key), qPrintable(key));
        QVERIFY(lines != -1 || result.contains("errorString"));
        if (lines <= 0)
            return;
        ++files;
        // The separator as the file writer takes it: "|" for none, an empty one or a control character.
        const QHash<QString, QVariant> options = parameters.value("optWidget").toHash();
        QString separator = options.value("separator").toString().left(1);
        if (separator.isEmpty() || (separator.at(0) < ' ' && separator.at(0) != '\t'))
            separator = "|";
        const auto where = [&](const QByteArray& what) {
            return "step " + QByteArray::number(step) + ", separator " + separator.toUtf8().toHex() + ": " + what;
        };
        const QString path = parameters.value("exportPath").toString() + "/" + result.value("fileName").toString();
        const QByteArray bytes = fileBytes(path);
        QVERIFY2(bytes.count('\n') == lines, where(bytes.left(300)).constData());
        for (const QString& line : fileLines(path))
            QVERIFY2(line.split(separator).size() == (options.value("isSeparatorOnEnd").toBool() ? 8 : 7),
                     where(line.toUtf8().toHex()).constData());
        QFile::remove(path);
    });
    qInfo("normal mode: %d exports wrote a file", files);
    QVERIFY(exports > 0 && files > 0);
}

// TEST mode, on the prepared month and on nonsense paths, never touches the
// host's result and answers 0.
void TestHostileData::fuzzTestMode()
{
    const QVariantList workPaths{work.filePath("replay"), work.filePath("replay/"), work.filePath("replay") + "\"",
                                 work.filePath("nowhere"), work.filePath("plain-file"), work.filePath("out")};
    const int exports = runFor("TEST mode", 2000, 5000, [&](int) {
        QHash<QString, QVariant> parameters = fuzz->parameters();
        QString dbName = fuzz->chance(60) ? QStringLiteral("fuzz.db") : fuzz->text();
        dbName.remove('/').remove('\\'); // a name, never a way out of the work folder
        parameters.insert("dbName", fuzz->chance(5) ? QStringLiteral("../fuzz.db") : dbName);
        parameters.insert("mode", "test");
        parameters.insert("testWorkPath", fuzz->pick(workPaths));
        parameters.insert("exportPath", work.filePath("out"));
        const QHash<QString, QVariant> before{{"kept", true}};
        QHash<QString, QVariant> result = before;
        QCOMPARE(plugin->exporter()->makeExport(parameters, &result), 0);
        QCOMPARE(result, before);
    });
    QVERIFY(exports > 0);
}

// Pages built on damaged stored settings, 40 random records each: the page
// keeps a record with the two special interruptions named.
void TestHostileData::fuzzOptionsPage()
{
    // The page reads the stored settings through the default connection.
    QSqlDatabase defaultDb = QSqlDatabase::addDatabase("QMYSQL");
    defaultDb.setConnectOptions(TestHostDb::connectOptions());
    defaultDb.setUserName("root");
    defaultDb.setDatabaseName(host->name());
    QVERIFY(defaultDb.open());
    QScopedPointer<PamOptionsWidget> page;
    const QStringList damaged{"", "{", "[]", "null", "{\"inters\": [1,2]}", "\"text\""};
    const int records = runFor("options page", 3000, 5000, [&](int step) {
        if (step % 40 == 0) {
            const QByteArray stored = fuzz->chance(15)
                                          ? fuzz->pick(damaged).toUtf8()
                                          : QJsonDocument(QJsonObject::fromVariantHash(fuzz->parameters())).toJson();
            QVERIFY(host->exec("UPDATE pamsettings SET data = ?", {stored}));
            page.reset(plugin->exporter()->getOptionsWidget());
            QVERIFY(page);
            page->show();
            QCoreApplication::processEvents();
        }
        page->setOptionsData(fuzz->options().toHash());
        const QHash<QString, QVariant> shown = page->optionsData();
        QVERIFY(!shown.value("comboIntPN").toString().isEmpty() && !shown.value("comboIntOCR").toString().isEmpty());
    });
    QVERIFY(records > 0);
}

QTEST_MAIN(TestHostileData)
#include "test_hostiledata.moc"
