// Random export parameters and options records, thousands of them, through the
// loaded plug-in: makeExport in the normal mode against a small company in the
// private MariaDB, makeExport in TEST mode against a prepared staging file and
// nonsense paths, and setOptionsData of the options page. Keys come from the
// real key set plus junk; values of every type (numbers out of range, NaN and
// infinities, texts with quotes, separators and line breaks, lists, maps,
// nested, null). Nothing may crash or hang, and every line of a written file
// must keep its seven fields.
//
// Each phase stops after its iteration count or its time, whichever comes
// first. The seed is fixed and printed; ORVEX_FUZZ_SEED replays another one.

#include "hardeningcompany.h"
#include "logcapture.h"
#include "pluginhost.h"

#include "pamoptionswidget.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>
#include <memory>
#include <random>

namespace {

const quint32 defaultSeed = 20240301;

struct Budget
{
    int iterations;
    qint64 milliseconds;
};
const Budget normalBudget{2000, 12000};
const Budget testModeBudget{2000, 5000};
const Budget widgetBudget{3000, 5000};

const QStringList hostileTexts{
    "", "0", "1", "2", "3", "-1", "3.5", "1e300", "nan", "inf", "true", "false", "perhaps", "test", "TEST",
    "PN", "OČR", "Práca", "Dovolenka", "Plný fond", "Práca v noci", "- nepoužíva sa -", "'", "\"", ";", "|", ",",
    "\n", "\r\n", "\r", "\t", " ", "a;b|c\nd", "1,2", " 1 , 2 ", "1;2", "1,,2", "'; DROP TABLE people; --",
    "%1%2%3", "dd.MM.yyyy", "dddd d. MMMM yyyy", "yyyy", "\\", "..", "ß€𝄞", QString(QChar(0)),
    QString(600, QLatin1Char('y')), "1/2", "/", "10/", "/20", "Zlé'meno", "Riadok\nzlom"};

const QStringList realOptionKeys{"isNoPNstartDate", "isNoPNendDate", "isNoPNWeekendsAndHolidays", "isSeparatorOnEnd",
                                 "separator",       "dateFormat",    "comboIntPN",                "comboIntOCR",
                                 "comboIntKarPN",   "comboIntKarOCR"};
const QStringList rowNames{"Práca", "Dovolenka", "PN", "OČR", "Zlé'meno", "Riadok\nzlom",
                           "Záporné saldo (Absencia)", "Práca v sobotu", "Práca v noci", "Nadčasové hodiny",
                           "Stravné jednotky (lístky)", "Plný fond", ""};

// The same entries as a hash: the host hands hashes, JSON gives maps.
QVariant asHash(const QVariantMap& map)
{
    QVariantHash hash;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        hash.insert(it.key(), it.value());
    return hash;
}

QVariant asMap(const QVariantHash& hash)
{
    QVariantMap map;
    for (auto it = hash.constBegin(); it != hash.constEnd(); ++it)
        map.insert(it.key(), it.value());
    return map;
}

class Fuzzer
{
public:
    explicit Fuzzer(quint32 seed) : rng(seed) {}

    int number(int lowest, int highest) { return std::uniform_int_distribution<int>(lowest, highest)(rng); }
    bool chance(int percent) { return number(1, 100) <= percent; }
    template <class T>
    T pick(const QList<T>& list) { return list.at(number(0, list.size() - 1)); }
    QString pickText(const QStringList& list) { return list.at(number(0, list.size() - 1)); }

    QString text()
    {
        if (chance(70))
            return pickText(hostileTexts);
        QString mixed;
        for (int part = number(1, 6); part > 0; --part)
            mixed += chance(50) ? pickText(hostileTexts) : QString(QChar(ushort(number(1, 0x2FF))));
        return mixed;
    }

    QVariant scalar()
    {
        switch (number(0, 16)) {
        case 0: return QVariant();
        case 1: return QVariant(QVariant::String);
        case 2: return QVariant::fromValue(nullptr);
        case 3: return chance(50);
        case 4: return number(-2, 6);
        case 5: return pick(QList<int>{std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), -1000});
        case 6: return pick(QList<uint>{std::numeric_limits<uint>::max(), 4000000000u, 1711926000u});
        case 7: return pick(QList<qlonglong>{std::numeric_limits<qlonglong>::min(), std::numeric_limits<qlonglong>::max(),
                                             -1, 99999999999LL});
        case 8: return std::numeric_limits<qulonglong>::max();
        case 9:
            return pick(QList<double>{std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                                      -std::numeric_limits<double>::infinity(), 1e300, -1e300, 2.5, -0.0, 1.0,
                                      std::numeric_limits<double>::denorm_min()});
        case 10: return double(number(-3, 6));
        case 11: return text().toUtf8();
        case 12: return QDateTime(QDate(2024, 3, 1), QTime(0, 0));
        case 13: return QChar(QLatin1Char(';'));
        default: return text();
        }
    }

    QVariant value(int depth)
    {
        if (depth <= 0 || chance(70))
            return scalar();
        switch (number(0, 3)) {
        case 0: {
            QVariantList list;
            for (int i = number(0, 5); i > 0; --i)
                list << value(depth - 1);
            return list;
        }
        case 1: {
            QStringList list;
            for (int i = number(0, 3); i > 0; --i)
                list << text();
            return list;
        }
        case 2: {
            QVariantMap map;
            for (int i = number(0, 4); i > 0; --i)
                map.insert(chance(50) ? QString::number(number(0, 4)) : text(), value(depth - 1));
            return map;
        }
        default: {
            QVariantHash hash;
            for (int i = number(0, 4); i > 0; --i)
                hash.insert(chance(50) ? QString::number(number(0, 4)) : text(), value(depth - 1));
            return hash;
        }
        }
    }

    QVariant rowSettings()
    {
        if (chance(10))
            return value(2);
        QVariantMap settings;
        for (int column = 0; column < 4; ++column) {
            if (!chance(85))
                continue;
            const QVariant choice = chance(50) ? QVariant(number(0, 4))
                                               : chance(50) ? QVariant(double(number(-1, 5))) : scalar();
            settings.insert(QString::number(column), choice);
        }
        if (chance(10))
            settings.insert(text(), value(1));
        return chance(20) ? asHash(settings) : QVariant(settings);
    }

    QVariant options()
    {
        if (chance(5))
            return value(2);
        QVariantMap options;
        for (const QString& key : realOptionKeys) {
            if (!chance(70))
                continue;
            QVariant choice;
            if (key == QLatin1String("separator"))
                choice = chance(70) ? QVariant(pickText({"|", ";", ",", "\t", "", "||", "ab", "\n", "0", "."}))
                                    : value(1);
            else if (key.startsWith(QLatin1String("is")))
                choice = chance(70) ? QVariant(chance(50)) : value(1);
            else if (key == QLatin1String("dateFormat"))
                choice = chance(60) ? QVariant(pickText({"dd.MM.yyyy", "ddMMyyyy", "yyyy-MM-dd", "d.M.yy"}))
                                    : value(1);
            else
                choice = chance(60) ? QVariant(pickText(rowNames)) : value(1);
            options.insert(key, choice);
        }
        for (const QString& name : rowNames)
            if (chance(60))
                options.insert(name, rowSettings());
        if (chance(10))
            options.insert(text(), value(2));
        return chance(20) ? asHash(options) : QVariant(options);
    }

    QVariant inters()
    {
        if (chance(10))
            return value(2);
        QVariantHash codes;
        const QStringList ids{"1", "7", "14", "15", "20", "21", "999", "1000", "0", "-1", "99999999999", "x", ""};
        for (int i = number(0, 8); i > 0; --i)
            codes.insert(pickText(ids), chance(70) ? QVariant(pickText({"1", "9", "10", "11", "1/101", "9/19", ""}))
                                                   : QVariant(chance(50) ? QVariant(text()) : scalar()));
        return chance(30) ? asMap(codes) : QVariant(codes);
    }

    QVariant items()
    {
        if (chance(10))
            return value(2);
        QVariantList codes;
        for (int i = number(0, 16); i > 0; --i)
            codes << (chance(70) ? QVariant(pickText({"", "", "85", "-1", "15", "84", "2"}))
                                 : QVariant(chance(50) ? QVariant(text()) : scalar()));
        return codes;
    }

    // Keys of the real key set with random values, some left out, some junk.
    void commonParameters(QHash<QString, QVariant>& parameters)
    {
        const QDate first = chance(80) ? QDate(2024, 3, 1) : QDate(2024, number(1, 12), 1);
        parameters.insert("beginDay", chance(80) ? QVariant(localMidnight(first)) : scalar());
        parameters.insert("endDay", chance(80) ? QVariant(localMidnight(first.addMonths(1))) : scalar());
        parameters.insert("month", chance(80) ? QVariant(202403) : scalar());
        parameters.insert("pamSettingsId", chance(70) ? QVariant(number(0, 3)) : scalar());
        parameters.insert("allPeople", chance(70) ? QVariant(chance(40)) : value(1));
        parameters.insert("selPeople", chance(50) ? QVariant(pickText({"1", "2", "1,2", "2,1,1", "1,999", "3"}))
                                                  : chance(50) ? QVariant(text()) : value(1));
        parameters.insert("inters", inters());
        parameters.insert("items", items());
        parameters.insert("optWidget", options());
        for (const QString& key : QStringList{"beginDay", "endDay", "month", "pamSettingsId", "allPeople",
                                              "selPeople", "inters", "items", "optWidget"})
            if (chance(4))
                parameters.remove(key);
        if (chance(10))
            parameters.insert(chance(50) ? text() : QStringLiteral("beginday"), value(2));
    }

    std::mt19937 rng;
};

quint32 fuzzSeed()
{
    bool ok = false;
    const quint32 seed = qgetenv("ORVEX_FUZZ_SEED").toUInt(&ok);
    return ok ? seed : defaultSeed;
}

// The separator and line end that the file writer takes from the options.
QString writtenSeparator(const QHash<QString, QVariant>& parameters)
{
    const QHash<QString, QVariant> options = parameters.value("optWidget").toHash();
    const QString given = options.value("separator").toString();
    const bool control = !given.isEmpty() && given.at(0).unicode() < 0x20 && given.at(0) != '\t';
    if (!options.contains("separator") || given.isEmpty() || control)
        return QStringLiteral("|");
    return given.left(1);
}

} // namespace

class TestFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void normalModeExports();
    void testModeExports();
    void optionsPageRecords();

private:
    QScopedPointer<TestHostDb> host;
    QScopedPointer<PluginHost> plugin;
    QTemporaryDir work;
    std::unique_ptr<Fuzzer> fuzz;
};

void TestFuzz::initTestCase()
{
    const quint32 seed = fuzzSeed();
    qInfo("fuzz seed %u (set ORVEX_FUZZ_SEED to replay another)", seed);
    fuzz.reset(new Fuzzer(seed));

    host.reset(new TestHostDb(QStringLiteral("t_hardening_fuzz")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    buildHardeningCompany(*host, {"6001", "6'002"});
    host->addInterruptionType(20, QStringLiteral("Zlé'meno"));
    host->addInterruptionType(21, QStringLiteral("Riadok\nzlom"));
    host->addInterruption(1, 20, QDateTime(QDate(2024, 3, 6), QTime(8, 0)), 7200);
    host->addInterruption(2, 21, QDateTime(QDate(2024, 3, 7), QTime(8, 0)), 28800);
    QVariantMap stored{{"inters", hardeningInters()}, {"items", hardeningItems()}, {"optWidget", hardeningOptions()}};
    host->addPamSettings(QJsonDocument(QJsonObject::fromVariantMap(stored)).toJson(QJsonDocument::Compact));

    plugin.reset(new PluginHost);
    QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
    plugin->exporter()->setDatabase(host->db());

    // Output directories and TEST-mode work folders, all inside `work`.
    QVERIFY(QDir(work.path()).mkpath("out"));
    QVERIFY(QDir(work.path()).mkpath("replay/DB_test_paterns"));
    QVERIFY(QDir(work.path()).mkpath("replay/TMP"));
    QFile plain(work.filePath("plain-file"));
    QVERIFY(plain.open(QIODevice::WriteOnly));

    QProcess tool;
    tool.start(QStringLiteral(ORVEX_PREPARE_TEST_TOOL),
               {"--socket", TestHostDb::connectOptions().mid(QStringLiteral("UNIX_SOCKET=").size()), "--user", "root",
                "--database", host->name(), "--month", "2024-03", "--people", "all", "--out",
                work.filePath("replay/DB_test_paterns/fuzz.db")});
    QVERIFY(tool.waitForFinished(120000));
    QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
}

// Every answer is one the host understands, and a written file has as many
// lines as the answer says, each of seven fields.
void TestFuzz::normalModeExports()
{
    const QStringList exportPaths{work.filePath("out"), work.filePath("out/missing"), work.filePath("plain-file")};
    const QSet<QString> resultKeys{"errorString", "doneString", "peopleCount", "fileName"};
    std::unique_ptr<LogCapture> log(new LogCapture); // quiet: thousands of exports log
    QElapsedTimer clock;
    clock.start();
    int iterations = 0;
    int written = 0;
    for (; iterations < normalBudget.iterations && clock.elapsed() < normalBudget.milliseconds; ++iterations) {
        QHash<QString, QVariant> parameters;
        fuzz->commonParameters(parameters);
        if (fuzz->chance(30))
            parameters.insert("mode", fuzz->pick(QList<QVariant>{"TEST", "normal", "", 1, QVariantList{"test", "x"}}));
        parameters.insert("exportPath", fuzz->pickText(exportPaths));

        QHash<QString, QVariant> result;
        const int lines = plugin->exporter()->makeExport(parameters, &result);
        log->clear();

        QVERIFY2(lines >= -1, QByteArray::number(iterations));
        for (const QString& key : result.keys())
            QVERIFY2(resultKeys.contains(key), qPrintable(key));
        if (lines == -1)
            QVERIFY(result.contains("errorString"));
        if (lines <= 0)
            continue;
        ++written;
        const QString path = parameters.value("exportPath").toString() + "/" + result.value("fileName").toString();
        const QByteArray bytes = fileBytes(path);
        const QString separator = writtenSeparator(parameters);
        QVERIFY2(bytes.count('\n') == lines, qPrintable(QStringLiteral("iteration %1, separator %2: %3")
                                                            .arg(iterations)
                                                            .arg(QString::fromLatin1(separator.toUtf8().toHex()))
                                                            .arg(QString::fromUtf8(bytes.left(300)))));
        const bool onEnd = parameters.value("optWidget").toHash().value("isSeparatorOnEnd").toBool();
        for (const QString& line : fileLines(path)) {
            const int fields = line.split(separator).size();
            QVERIFY2(fields == (onEnd ? 8 : 7), qPrintable(QStringLiteral("iteration %1, separator %2: %3")
                                                               .arg(iterations)
                                                               .arg(separator.isEmpty() ? 0 : separator.at(0).unicode())
                                                               .arg(QString::fromLatin1(line.toUtf8().toHex()))));
        }
        QFile::remove(path);
    }
    log.reset();
    qInfo("normal mode: %d exports (%d with a file) in %lld ms", iterations, written, clock.elapsed());
    QVERIFY(iterations > 0 && written > 0);
}

// TEST mode never touches the host's result and answers 0.
void TestFuzz::testModeExports()
{
    const QStringList workPaths{work.filePath("replay"), work.filePath("replay/"), work.filePath("replay") + "\"",
                                work.filePath("nowhere"), work.filePath("plain-file"), work.filePath("out")};
    std::unique_ptr<LogCapture> log(new LogCapture); // quiet: thousands of exports log
    QElapsedTimer clock;
    clock.start();
    int iterations = 0;
    for (; iterations < testModeBudget.iterations && clock.elapsed() < testModeBudget.milliseconds; ++iterations) {
        QHash<QString, QVariant> parameters;
        fuzz->commonParameters(parameters);
        parameters.insert("mode", "test");
        parameters.insert("testWorkPath", fuzz->pickText(workPaths));
        QString dbName = fuzz->chance(60) ? QStringLiteral("fuzz.db") : fuzz->text();
        dbName.remove('/').remove('\\'); // a name, never a way out of the work folder
        if (fuzz->chance(5))
            dbName = QStringLiteral("../fuzz.db");
        parameters.insert("dbName", dbName);
        parameters.insert("exportPath", work.filePath("out"));

        QHash<QString, QVariant> result{{"kept", true}};
        const int answer = plugin->exporter()->makeExport(parameters, &result);
        log->clear();
        QCOMPARE(answer, 0);
        QCOMPARE(result, (QHash<QString, QVariant>{{"kept", true}}));
    }
    log.reset();
    qInfo("TEST mode: %d exports in %lld ms", iterations, clock.elapsed());
    QVERIFY(iterations > 0);
}

// Pages built on damaged stored settings, then loaded with random records:
// the page keeps a record with the two special interruptions named.
void TestFuzz::optionsPageRecords()
{
    // The page reads the stored settings through the default connection.
    QSqlDatabase defaultDb = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"));
    defaultDb.setConnectOptions(TestHostDb::connectOptions());
    defaultDb.setUserName(QStringLiteral("root"));
    defaultDb.setDatabaseName(host->name());
    QVERIFY2(defaultDb.open(), qPrintable(defaultDb.lastError().text()));

    std::unique_ptr<LogCapture> log(new LogCapture); // quiet: thousands of exports log
    QElapsedTimer clock;
    clock.start();
    int iterations = 0;
    int pages = 0;
    while (iterations < widgetBudget.iterations && clock.elapsed() < widgetBudget.milliseconds) {
        QByteArray stored;
        if (fuzz->chance(15)) {
            stored = fuzz->pickText({"", "{", "[]", "null", "{\"inters\": [1,2]}", "\"text\""}).toUtf8();
        } else {
            QVariantMap settings{{"inters", fuzz->inters()}, {"items", fuzz->items()}, {"optWidget", fuzz->options()}};
            if (fuzz->chance(20))
                settings.insert(fuzz->pickText(QStringList{"inters", "items", "optWidget"}), fuzz->value(2));
            stored = QJsonDocument(QJsonObject::fromVariantMap(settings)).toJson(QJsonDocument::Compact);
        }
        QVERIFY(host->exec("UPDATE pamsettings SET data = ?", {stored}));

        std::unique_ptr<PamOptionsWidget> page(plugin->exporter()->getOptionsWidget());
        QVERIFY(page);
        page->show();
        QCoreApplication::processEvents();
        ++pages;
        for (int record = 0; record < 40 && iterations < widgetBudget.iterations; ++record, ++iterations) {
            QVariant data = fuzz->options();
            page->setOptionsData(data.toHash());
            const QHash<QString, QVariant> shown = page->optionsData();
            QVERIFY(!shown.value("comboIntPN").toString().isEmpty());
            QVERIFY(!shown.value("comboIntOCR").toString().isEmpty());
        }
        log->clear();
    }
    log.reset();
    qInfo("options page: %d records on %d pages in %lld ms", iterations, pages, clock.elapsed());
    QVERIFY(iterations > 0);
}

QTEST_MAIN(TestFuzz)
#include "test_fuzz.moc"
