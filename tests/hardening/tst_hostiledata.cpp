// Hostile values through the loaded plug-in: separators, quotes and control
// characters in personal numbers and codes, odd separators, options of wrong
// types, bad selections, a file that cannot be written whole, a bounded fuzz of
// makeExport and setOptionsData (the host's server lost mid-export: tst_serverlost).
// Nothing may crash or be lost silently, and no line may gain columns.

#include "hardeningcompany.h"
#include "logcapture.h"
#include "pamoptionswidget.h"
#include "pluginhost.h"

#include <QSqlQuery>
#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <random>

#ifdef Q_OS_UNIX
#include <csignal>
#include <signal.h>
#include <sys/resource.h>
#endif

namespace {

const QVariantList personalNumbers{"50;01", "50|02", "50\n03", "O'Neil", "5005", "50\r\n06"}; // of uid 1 .. 6

// A tmpfs of 64 kB mounted on `path` while it lives (where mounting is allowed).
struct TinyDisk
{
    ~TinyDisk()
    {
        if (mounted)
            QProcess::execute("umount", {path});
    }
    const QString path;
    const bool mounted =
        QDir().mkpath(path) && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", path}) == 0;
};

typedef std::numeric_limits<double> Double;

namespace fuzz { // random values from a seed fixed in initTestCase(); ORVEX_FUZZ_SEED replays another
const QVariantList scalars{
    QVariant(), QVariant(QVariant::String), QVariant::fromValue(nullptr), true, -1000, std::numeric_limits<int>::min(),
    std::numeric_limits<int>::max(), std::numeric_limits<uint>::max(), std::numeric_limits<qlonglong>::min(),
    std::numeric_limits<qlonglong>::max(), 99999999999LL, std::numeric_limits<qulonglong>::max(), Double::quiet_NaN(),
    Double::infinity(), -Double::infinity(), 1e300, -1e300, 2.5, -0.0, 1.0, Double::denorm_min(),
    QDateTime(QDate(2024, 3, 1), QTime(0, 0)), QChar(QLatin1Char(';'))};
const QStringList texts{
    "", "0", "1", "2", "3", "-1", "3.5", "1e300", "nan", "inf", "true", "false", "perhaps", "test", "TEST", "PN",
    "OČR", "Práca", "Dovolenka", "Plný fond", "Práca v noci", "- nepoužíva sa -", "'", "\"", ";", "|", ",", "\n",
    "\r\n", "\r", "\t", " ", "a;b|c\nd", "1,2", " 1 , 2 ", "1;2", "1,,2", "'; DROP TABLE people; --", "%1%2%3",
    "dd.MM.yyyy", "dddd d. MMMM yyyy", "yyyy", "\\", "..", "ß€𝄞", QString(QChar(0)), QString(600, 'y'), "1/2", "/",
    "10/", "/20", "Zlé'meno", "Riadok\nzlom", "1/101", "9/19", "||", "ab", "\x1a", "\x7f"};
const QStringList rowNames{"Práca", "Dovolenka", "PN", "OČR", "Zlé'meno", "Riadok\nzlom", "Záporné saldo (Absencia)",
                           "Práca v sobotu", "Práca v noci", "Nadčasové hodiny", "Stravné jednotky (lístky)",
                           "Plný fond", ""};
std::mt19937 rng;
int number(int lowest, int highest) { return std::uniform_int_distribution<int>(lowest, highest)(rng); }
bool chance(int percent) { return number(1, 100) <= percent; }
template <class T>
T pick(const QList<T>& list) { return list.at(number(0, list.size() - 1)); }
QString text() { return chance(70) ? pick(texts) : pick(texts) + QChar(ushort(number(1, 0x2FF))) + pick(texts); }

// Anything: a scalar of any type, or lists, maps and hashes of anything down to `depth`.
QVariant value(int depth = 2)
{
    const int kind = depth > 0 && chance(30) ? number(0, 2) : number(3, 7);
    QVariantMap map;
    for (int i = kind < 3 ? number(0, 4) : 0; i > 0; --i)
        map.insert(chance(50) ? QString::number(number(0, 4)) : text(), value(depth - 1));
    switch (kind) {
    case 0: return map.values();
    case 1: return QVariant(map.values()).toStringList();
    case 2: return QVariant(map).toHash();
    case 3: return text().toUtf8();
    case 4: return number(-2, 6);
    case 5: return pick(scalars);
    default: return text();
    }
}

// `valid` with values replaced by anything or left out, junk keys, hashes for maps.
QVariant mutate(const QVariant& valid, int percent)
{
    if (chance(percent))
        return value();
    if (valid.type() == QVariant::List) {
        QVariantList list;
        for (const QVariant& item : valid.toList())
            list << mutate(item, percent);
        return list;
    }
    if (valid.type() != QVariant::Map && valid.type() != QVariant::Hash)
        return valid;
    QVariantMap map;
    const QVariantMap given = valid.toMap();
    for (auto it = given.begin(); it != given.end(); ++it)
        if (!chance(percent / 2))
            map.insert(it.key(), mutate(it.value(), percent));
    if (chance(percent))
        map.insert(text(), value());
    return chance(30) ? QVariant(QVariant(map).toHash()) : QVariant(map);
}

// An export with random choices in every options row, form control and code, mutated.
QHash<QString, QVariant> randomParameters(const QString& exportPath)
{
    QVariantMap options = hardeningOptions(pick(QStringList{"|", ";", ",", "\t", "", "||", "ab", "\n", "0", "."}));
    for (const QString& row : rowNames)
        options.insert(row, hardeningRow(number(-1, 4), number(-1, 4), number(-1, 4), number(-1, 4)));
    for (const char* key : {"isNoPNstartDate", "isNoPNendDate", "isNoPNWeekendsAndHolidays", "isSeparatorOnEnd",
                            "comboIntPN", "comboIntOCR", "comboIntKarPN", "comboIntKarOCR"})
        options.insert(key, key[0] == 'i' ? QVariant(chance(50)) : QVariant(pick(rowNames)));
    options.insert("dateFormat", pick(QStringList{"dd.MM.yyyy", "ddMMyyyy", "yyyy-MM-dd", "d.M.yy"}));
    QHash<QString, QVariant> parameters =
        hardeningParameters(pick(QStringList{"all", "1", "2", "1,2", "2,1,1", "1,999", "3"}), exportPath, options);
    QVariantMap inters;
    for (const char* iid : {"1", "7", "14", "15", "20", "21", "999", "0", "-1", "x"})
        inters.insert(iid, pick(QStringList{"1", "9", "10", "11", "1/101", "9/19", "", ""}));
    QVariantList items;
    for (int i = number(0, 16); i > 0; --i)
        items << pick(QStringList{"", "", "85", "-1", "15", "84", "2"});
    parameters.insert("inters", inters);
    parameters.insert("items", items);
    return mutate(parameters, number(0, 15)).toHash();
}
} // namespace fuzz

} // namespace

class TestHostileData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void linesOfOnePerson_data();
    void linesOfOnePerson();
    void selectionThatIsNotAListOfIds_data();
    void selectionThatIsNotAListOfIds();
    void fileThatCannotBeWrittenWhole_data();
    void fileThatCannotBeWrittenWhole();
    void fuzzExportsAndOptionsPage();
    void whatChangesPayIsSaid_data();
    void whatChangesPayIsSaid();

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
};

// The company, interruption names with an apostrophe and a line break; the fuzz's folders.
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
    const quint32 seed = qEnvironmentVariableIsSet("ORVEX_FUZZ_SEED") ? qgetenv("ORVEX_FUZZ_SEED").toUInt() : 20240301u;
    qInfo("fuzz seed %u (ORVEX_FUZZ_SEED replays another)", seed);
    fuzz::rng.seed(seed);
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

void TestHostileData::linesOfOnePerson_data()
{
    QTest::addColumn<QString>("people");
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<QStringList>("codes"); // of work and of the full fund
    QTest::addColumn<int>("lines");
    QTest::addColumn<QStringList>("written"); // separator, personal number, work code
    QTest::addColumn<QString>("warning");     // to the clerk, once; empty: none
    QTest::addColumn<QString>("logged");      // in a warning of the log; empty: none expected
    const int all = HardeningLinesPerPerson;
    // A value holding the separator or a control character is written with blanks.
    const auto hostile = [all](const char* name, const char* people, const QString& separator, const QString& workCode,
                               const QString& fullFundCode, const QString& number, const QString& code,
                               const QString& warned = QString(), const QString& value = QString()) {
        const QString warning = QStringLiteral("Osobné číslo %1: hodnota \"%2\" obsahuje oddeľovač").arg(warned, value);
        QTest::newRow(name) << people << hardeningOptions(separator) << QStringList{workCode, fullFundCode} << all
                            << QStringList{separator, number, code} << (warned.isEmpty() ? QString() : warning)
                            << (warned.isEmpty() ? QString() : "holds the separator");
    };
    hostile("number with ';'", "1", "|", "1", "-1", "50;01", "1");
    hostile("number with ';', separator ';'", "1", ";", "1", "-1", "50 01", "1", "50;01", "50;01");
    hostile("number with the separator", "2", "|", "1", "-1", "50 02", "1", "50|02", "50|02");
    hostile("number with LF", "3", "|", "1", "-1", "50 03", "1", "50\\n03", "50\\n03");
    QTest::newRow("number with an apostrophe")
        << "4" << hardeningOptions() << QStringList{"1", "-1"} << all << QStringList{"|", "O'Neil", "1"}
        << QStringLiteral("Osobné číslo \"O'Neil\" zamestnanca s ID: 4 je prázdne") << QString();
    hostile("work code with ';'", "5", "|", "1;2", "-1", "5005", "1;2");
    hostile("work code with ';', separator ';'", "5", ";", "1;2", "-1", "5005", "1 2", "5005", "1;2");
    hostile("work code with LF", "5", "|", "1\n2", "-1", "5005", "1 2", "5005", "1\\n2");
    hostile("work code with an apostrophe", "5", "|", "1'2", "-1", "5005", "1'2");
    hostile("item code with the separator", "5", "|", "1", "-1|9", "5005", "1", "5005", "-1|9");
    hostile("work code with NUL", "5", "|", QString("1") + QChar(0) + "2", "-1", "5005", "1 2", "5005", "1\\x002");
    hostile("item code with CR", "5", "|", "1", "-1\r", "5005", "1", "5005", "-1\\r");
    // An options value the export cannot use as given: it goes on without it, and logs it.
    const auto option = [](const char* name, const QString& key, const QVariant& value, const QString& separator,
                           int lines, const QString& logged) {
        QVariantMap options = hardeningOptions();
        options.remove(key);
        if (value.isValid())
            options.insert(key, value);
        QTest::newRow(name) << "5" << options << QStringList{"1", "-1"} << lines << QStringList{separator, "5005", "1"}
                            << QString() << logged;
    };
    option("missing separator", "separator", QVariant(), "|", all, QString());
    option("tab separator", "separator", "\t", "\t", all, QString());
    option("carriage return first", "separator", "\r\n", "|", all, "is a line break");
    option("NUL separator", "separator", QString(QChar(0)), "|", all, "control character");
    // Wrong types are logged by their keys; an export type outside the list exports nothing for its row.
    const auto wrong = [&option, all](const char* name, const QString& key, const QVariant& value, int lost = 0) {
        option(name, key, value, "|", all - lost, '"' + key + '"');
    };
    const auto leave = [](const char* column, const QVariant& choice) {
        QVariantMap row = hardeningRow(0, 1, 1, 1);
        row.insert(column, choice);
        return row;
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

// Every line of one person reaches the file with its seven fields; changes are told or logged.
void TestHostileData::linesOfOnePerson()
{
    QFETCH(QString, people);
    QFETCH(QVariantMap, options);
    QFETCH(QStringList, codes);
    QFETCH(int, lines);
    QFETCH(QStringList, written);
    QFETCH(QString, warning);
    QFETCH(QString, logged);
    QTemporaryDir directory;
    if (!logged.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(logged)));
    QCOMPARE(exportTo(hardeningParameters(people, directory.path(), options, codes.at(0), codes.at(1))), lines);
    const QString path = directory.filePath(hardeningFileName);
    QCOMPARE(textFileBytes(path).count('\n'), lines);
    QCOMPARE(fileLines(path).size(), lines);
    bool workLineSeen = false;
    for (const QString& line : fileLines(path)) {
        const QStringList fields = line.split(written.at(0));
        QVERIFY2(fields.size() == 7, qPrintable(line));
        QCOMPARE(fields.mid(0, 3), QStringList({"2024", "03", written.at(1)}));
        if (fields.at(4) == "136") { // the month's work in hours
            QCOMPARE(fields.at(3), written.at(2));
            workLineSeen = true;
        }
    }
    QVERIFY(workLineSeen);
    QVERIFY(!result.contains("errorString"));
    const QString done = result.value("doneString").toString();
    QVERIFY2(warning.isEmpty() ? done.isEmpty() : done.count(warning) == 1, qPrintable(done));
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
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("checkPeople\\(\\) - SQL ERROR"));
    QCOMPARE(exportTo(hardeningParameters(selection, directory.path())), 0);
    QVERIFY2(result.value("errorString").toString().startsWith(peopleListFailure),
             qPrintable(result.value("errorString").toString()));
    QVERIFY(result.value("doneString").toString().startsWith(
        QStringLiteral("Export neprebehol, pretože zoznam ľudí je prázdny!")));
    QCOMPARE(textFileBytes(directory.filePath(hardeningFileName)), QByteArray());
    QSqlQuery count(host->db());
    QVERIFY(count.exec("SELECT COUNT(*) FROM people") && count.next());
    QCOMPARE(count.value(0).toInt(), personalNumbers.size());
}

void TestHostileData::fileThatCannotBeWrittenWhole_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");
    const QString cannotWrite =
        QStringLiteral("Výstupný súbor sa nepodarilo zapísať (%1)! \nPredchádzajúci súbor zostal nezmenený.");
#ifdef Q_OS_UNIX
    // The system's reason, in the system's language.
    QTest::newRow("file size limit reached half-way") << "size-limit" << cannotWrite.arg(qt_error_string(EFBIG));
#endif
    QTest::newRow("disk full half-way") << "disk-full" << cannotWrite.arg(qt_error_string(ENOSPC));
}

// The clerk is told; payroll keeps the earlier file whole, with no temporary file left over.
void TestHostileData::fileThatCannotBeWrittenWhole()
{
    QFETCH(QString, failure);
    QFETCH(QString, message);
    QTemporaryDir base;
    const QString directory = base.filePath(failure);
    const QString path = QDir(directory).filePath(hardeningFileName);
    QScopedPointer<TinyDisk> disk(failure == "disk-full" ? new TinyDisk{directory} : nullptr);
    if (disk && !disk->mounted)
        QSKIP("a tiny tmpfs cannot be mounted here (needs Linux, root and the right to mount)");
    QVERIFY(QDir().mkpath(directory));
    // Work and the full fund per day: some 40 lines per person.
    QVariantMap options = hardeningOptions(";");
    options.insert(QStringLiteral("Práca"), hardeningRow(0, 2, 1, 1));
    options.insert(QStringLiteral("Plný fond"), hardeningRow(0, 1, 1, 1));
    QVERIFY(exportTo(hardeningParameters("all", directory, options)) > 0);
    const QByteArray earlier = textFileBytes(path); // the earlier export, with ";" as the separator
    QVERIFY2(earlier.size() > 2 * 4096, QByteArray::number(earlier.size()));
    QFile filler(QDir(directory).filePath("filler")); // fills the tiny disk but for one page
    QVERIFY(!disk || (filler.open(QIODevice::WriteOnly) && filler.write(QByteArray(65536, 'x')) > 0 && filler.flush()));
    QVERIFY(!disk || filler.resize(filler.size() - 4096));

    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^Vystupny subor sa nepodarilo zapisat! "));
    options.insert("separator", "|");
#ifdef Q_OS_UNIX
    // A file size limit of 1 kB: writes beyond it fail with EFBIG (SIGXFSZ ignored).
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
    QCOMPARE(result.value("errorString").toString(), message);
    QCOMPARE(textFileBytes(path), earlier);
    QStringList left = QDir(directory).entryList(QDir::Files | QDir::Hidden);
    left.removeAll("filler");
    QCOMPARE(left, QStringList(hardeningFileName));
}

// Random exports and options-page records for 15 s at most. Answers are ones the host
// understands, a file has the lines answered, each of seven fields (eight with the
// separator on the end); TEST mode answers 0 and leaves the result alone; pages keep
// both special interruptions named.
void TestHostileData::fuzzExportsAndOptionsPage()
{
    // The page reads the stored settings through the default connection.
    QVERIFY(host->openAsDefaultConnection().isOpen());
    const QStringList damaged{"", "{", "[]", "null", "{\"inters\": [1,2]}", "\"text\""};
    const QStringList exportPaths{work.filePath("out"), work.filePath("out/missing"), work.filePath("plain-file")};
    const QStringList workPaths{work.filePath("replay"), work.filePath("replay/"), work.filePath("replay") + "\"",
                                work.filePath("nowhere"), work.filePath("plain-file"), work.filePath("out")};
    const QStringList resultKeys{"errorString", "doneString", "peopleCount", "fileName"};
    QScopedPointer<PamOptionsWidget> page;
    int step = 0;
    int files = 0;
    QElapsedTimer clock;
    for (clock.start(); step < 4000 && clock.elapsed() < 15000; ++step) {
        LogCapture quiet; // thousands of exports log
        if (step % 40 == 0) {
            const QJsonObject settings = QJsonObject::fromVariantHash(fuzz::randomParameters(""));
            const QByteArray data = fuzz::chance(15) ? fuzz::pick(damaged).toUtf8() : QJsonDocument(settings).toJson();
            QVERIFY(host->exec("UPDATE pamsettings SET data = ?", {data}));
            page.reset(plugin->exporter()->getOptionsWidget());
            QVERIFY(page);
            page->show();
            QCoreApplication::processEvents();
        }
        page->setOptionsData(fuzz::randomParameters("").value("optWidget").toHash());
        const QHash<QString, QVariant> shown = page->optionsData();
        QVERIFY(!shown.value("comboIntPN").toString().isEmpty() && !shown.value("comboIntOCR").toString().isEmpty());
        QHash<QString, QVariant> parameters = fuzz::randomParameters(fuzz::pick(exportPaths));
        if (fuzz::chance(30)) {
            QString dbName = fuzz::chance(60) ? QStringLiteral("fuzz.db") : fuzz::text();
            dbName.remove('/').remove('\\'); // a name, never a way out of the work folder
            parameters.insert("dbName", fuzz::chance(5) ? QStringLiteral("../fuzz.db") : dbName);
            parameters.insert("mode", "test");
            parameters.insert("testWorkPath", fuzz::pick(workPaths));
            result = {{"kept", true}};
            // Without its output database (no TMP folder) a TEST run says so once and answers -1.
            const int answer = plugin->exporter()->makeExport(parameters, &result);
            QVERIFY2(answer == 0 || answer == -1, QByteArray::number(answer));
            QCOMPARE(result.take("kept"), QVariant(true));
            QCOMPARE(result.keys(), answer == 0 ? QStringList() : QStringList{"errorString"});
            QVERIFY(answer == 0 || result.value("errorString").toString().startsWith(
                                       "Export sa nepodaril, zlyhal krok: otvorenie výstupnej databázy testu"));
            QVERIFY(!quiet.contains("warning", "INSERT INTO [export]"));
            continue;
        }
        if (fuzz::chance(20))
            parameters.insert("mode", fuzz::pick(QVariantList{"TEST", "normal", "", 1, QVariantList{"test", "x"}}));
        const int lines = exportTo(parameters);
        QVERIFY2(lines >= -1 && (lines != -1 || result.contains("errorString")), QByteArray::number(step));
        for (const QString& key : result.keys())
            QVERIFY2(resultKeys.contains(key), qPrintable(key));
        if (lines <= 0)
            continue;
        ++files;
        // The separator as the file writer takes it: "|" for none, an empty one or a control character.
        const QHash<QString, QVariant> options = parameters.value("optWidget").toHash();
        QString separator = options.value("separator").toString().left(1);
        if (separator.isEmpty() || (separator.at(0) < ' ' && separator.at(0) != '\t'))
            separator = "|";
        const QString path = parameters.value("exportPath").toString() + "/" + result.value("fileName").toString();
        const QString where = QStringLiteral("step %1, separator %2: ").arg(step).arg(separator.at(0).unicode());
        QVERIFY2(textFileBytes(path).count('\n') == lines, qPrintable(where + textFileBytes(path).left(300)));
        for (const QString& line : fileLines(path))
            QVERIFY2(line.split(separator).size() == (options.value("isSeparatorOnEnd").toBool() ? 8 : 7),
                     qPrintable(where + line.toUtf8().toHex()));
        QFile::remove(path);
    }
    qInfo("%d exports and options records in %lld ms, %d exports wrote a file", step, clock.elapsed(), files);
    QVERIFY(files > 0);
}

void TestHostileData::whatChangesPayIsSaid_data()
{
    QTest::addColumn<QString>("people");
    QTest::addColumn<QStringList>("changes"); // "column uid value" on the host's people, undone after the case
    QTest::addColumn<int>("lines");
    QTest::addColumn<QStringList>("said"); // the lines of doneString, empty lines left out
    const QString emptyList = QStringLiteral("Export neprebehol, pretože zoznam ľudí je prázdny!  |Všetci požadovaní "
                                             "ľudia boli možno vyradení z dôvodu neuzavretých dní.   |Prekontrolujte "
                                             "prosím nastavenia a spustite export znovu.");
    const QString odd = QStringLiteral("Osobné číslo \"%1\" zamestnanca s ID: %2 je prázdne, má medzery na začiatku "
                                       "alebo na konci, riadiace znaky alebo úvodzovky; mzdy ho nemusia priradiť.");
    const int one = HardeningLinesPerPerson;
    QTest::newRow("plain number") << "5" << QStringList() << one << QStringList();
    QTest::newRow("number from the pid") << "5" << QStringList{"pamId 5 0"} << one << QStringList();
    QTest::newRow("shared number") << "5,6" << QStringList{"pamId 6 5005"} << 2 * one
                                   << QStringList{"Osobné číslo \"5005\" majú viacerí zamestnanci (ID: 5,6); mzdy ich "
                                                  "zlúčia do jedného záznamu."};
    QTest::newRow("tab in the number") << "5" << QStringList{"pamId 5 50\t05"} << one
                                       << QStringList{odd.arg("50\\t05", "5")};
    QTest::newRow("blank at the end") << "5" << QStringList{"pamId 5 5005 "} << one << QStringList{odd.arg("5005 ", "5")};
    QTest::newRow("blank at the start") << "5" << QStringList{"pamId 5  5005"} << one << QStringList{odd.arg(" 5005", "5")};
    QTest::newRow("unknown id") << "5,999" << QStringList() << one
                                << QStringList{"Zamestnanec s ID: 999 v databáze dochádzky neexistuje."};
    // The empty list's message is the described one; what was not found follows it.
    QTest::newRow("only unknown ids") << "998,999,998" << QStringList() << 0
                                      << (emptyList.split('|') << "Zamestnanci s ID: 998,999 v databáze dochádzky "
                                                                  "neexistujú.");
    QTest::newRow("a person not active is known") << "5" << QStringList{"status 5 0"} << 0 << emptyList.split('|');
}

// Each change to somebody's pay is one line of doneString, the file written as usual.
void TestHostileData::whatChangesPayIsSaid()
{
    QFETCH(QString, people);
    QFETCH(QStringList, changes);
    QFETCH(int, lines);
    QFETCH(QStringList, said);
    for (const QString& change : changes) {
        const QString column = change.section(' ', 0, 0);
        QVERIFY(host->exec(QStringLiteral("UPDATE people SET %1 = ? WHERE uid = ?").arg(column),
                           {change.section(' ', 2).replace("\\t", "\t"), change.section(' ', 1, 1).toInt()}));
    }
    QTemporaryDir directory;
    const int written = exportTo(hardeningParameters(people, directory.path()));
    for (int uid = 5; uid <= 6; ++uid) // back as the company was built
        QVERIFY(host->exec("UPDATE people SET pamId = ?, status = 1 WHERE uid = ?", {personalNumbers[uid - 1], uid}));
    QCOMPARE(written, lines);
    QCOMPARE(fileLines(directory.filePath(hardeningFileName)).size(), lines);
    QVERIFY(!result.contains("errorString"));
    QCOMPARE(result.value("doneString").toString().split('\n', QString::SkipEmptyParts), said);
}

QTEST_MAIN(TestHostileData)
#include "tst_hostiledata.moc"
