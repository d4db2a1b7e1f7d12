// Scale benchmark: for each company size, generates the company in the
// private MariaDB, measures the floor (the host rows of the loading step
// arriving through the Qt MySQL driver) and runs one export through the built
// plug-in exactly as the host does (QPluginLoader, setDatabase, makeExport for
// all people, offscreen GUI application). Each step runs in a child process
// of its own, so the peak memory reported is that of one export. The floor and
// the export run several times; the best run counts.
//
//   orvex-bench-company --socket PATH [--sizes 1000,10000,50000] [--work DIR] [--reuse] [--runs 3]
//
// Linux only (reads /proc for the machine and the peak resident memory).

#include "commandoptions.h"
#include "companygenerator.h"
#include "defaultplugin.h"
#include "hostconnection.h"
#include "hostfloor.h"
#include "pamexportinterface.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QPluginLoader>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QThread>
#include <QVector>
#include <cstdio>

namespace {

const char* const stageMarkers[] = {"createSQLiteTables ~START", "createSQLiteTables ~DONE",
                                    "loadDataToSQLiteTables ~START", "loadDataToSQLiteTables ~DONE",
                                    "spansCalc ~START", "spansCalc ~DONE", "runExport ~START", "runExport ~DONE"};

QElapsedTimer exportClock;

// What the plug-in logs during an export. Its worker thread logs as well as
// the GUI thread, so the message handler keeps it under a lock.
struct ExportLog
{
    QHash<QString, qint64> markerTimes;
    QHash<QString, int> warningCounts;
    qint64 debugLines = 0;
    // The loading step's own debug lines name each table before it is filled.
    QList<QPair<QString, qint64>> loadingSteps;
    // The per-person run logs one line per person: when each person started.
    QVector<qint64> personStarts;
};

QMutex exportLogMutex;
ExportLog exportLog;

ExportLog exportLogSoFar()
{
    QMutexLocker lock(&exportLogMutex);
    return exportLog;
}

// Timestamps the plug-in's step markers; counts everything else and keeps the
// distinct warning texts (without the driver's error text) for the report.
void benchMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    QMutexLocker lock(&exportLogMutex);
    if (type == QtDebugMsg) {
        ++exportLog.debugLines;
        if (message.startsWith(QLatin1String("Orvexuniversal::runExport() ::: listDaysOfPN")))
            exportLog.personStarts.append(exportClock.nsecsElapsed());
        else if (message.startsWith(QLatin1String("table [")) || message.startsWith(QLatin1String("Naplnenie")))
            exportLog.loadingSteps.append(qMakePair(message.left(40), exportClock.nsecsElapsed()));
        if (message.contains(QLatin1Char('~'))) {
            for (const char* marker : stageMarkers)
                if (message.contains(QLatin1String(marker)) && !exportLog.markerTimes.contains(QLatin1String(marker)))
                    exportLog.markerTimes.insert(QLatin1String(marker), exportClock.nsecsElapsed());
        }
        return;
    }
    // One entry per kind of warning: the text before the driver's error text
    // (" :: ") or before the details of the person or day ("(").
    int cut = message.indexOf(QLatin1String(" :: "));
    const int details = message.indexOf(QLatin1Char('('), qMax(0, message.indexOf(QLatin1String(":::"))));
    if (cut < 0 || (details >= 0 && details < cut))
        cut = details;
    ++exportLog.warningCounts[(cut < 0 ? message : message.left(cut)).left(120)];
}

qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

QString databaseName(int people)
{
    return QStringLiteral("orvex_bench_%1").arg(people);
}

// The private server, reached as root through its socket.
HostConnection serverConnection(const QString& socket, const QString& database)
{
    HostConnection server;
    server.socket = socket;
    server.user = QStringLiteral("root");
    server.database = database;
    return server;
}

QSqlDatabase openHost(const QString& socket, const QString& name, const QString& connection)
{
    QSqlDatabase db = addHostConnection(serverConnection(socket, name), connection);
    db.open();
    return db;
}

void result(const QString& key, const QVariant& value)
{
    std::printf("RESULT %s=%s\n", qPrintable(key), qPrintable(value.toString()));
    std::fflush(stdout);
}

int fail(const QString& text)
{
    std::fprintf(stderr, "orvex-bench-company: %s\n", qPrintable(text));
    return 1;
}

QString metaText(const CompanyProfile& profile)
{
    return QStringLiteral("people=%1 seed=%2 month=%3-%4 settings=%5 scale=%6")
        .arg(profile.people)
        .arg(profile.seed)
        .arg(profile.year)
        .arg(profile.month)
        .arg(qHash(CompanyGenerator::storedSettingsJson()))
        .arg(profile.eventScale);
}

int childGenerate(const QString& socket, const CompanyProfile& profile, bool reuse)
{
    QSqlDatabase server = openHost(socket, QString(), QStringLiteral("server"));
    if (!server.isOpen())
        return fail(server.lastError().text());
    if (reuse) {
        QSqlDatabase existing = openHost(socket, databaseName(profile.people), QStringLiteral("existing"));
        QSqlQuery meta(existing);
        if (existing.isOpen() && meta.exec(QStringLiteral("SELECT profile FROM bench_meta")) && meta.next()
            && meta.value(0).toString() == metaText(profile)) {
            result(QStringLiteral("generate_ms"), -1);
            return 0;
        }
    }
    QSqlDatabase host = addHostConnection(serverConnection(socket, QString()), QStringLiteral("host"));
    QString error;
    if (!createHostDatabase(server, host, databaseName(profile.people), QStringLiteral(ORVEX_HOSTDB_SCHEMA), &error))
        return fail(error);
    QElapsedTimer clock;
    clock.start();
    CompanyGenerator generator(host, profile);
    if (!generator.generate())
        return fail(generator.errorText());
    QSqlQuery meta(host);
    meta.exec(QStringLiteral("CREATE TABLE bench_meta (profile TEXT)"));
    meta.prepare(QStringLiteral("INSERT INTO bench_meta (profile) VALUES (?)"));
    meta.addBindValue(metaText(profile));
    meta.exec();
    meta.exec(QStringLiteral("ANALYZE TABLE people, atten, atten_data, atten_month"));
    result(QStringLiteral("generate_ms"), clock.elapsed());
    result(QStringLiteral("day_records"), generator.figures().dayRecords);
    result(QStringLiteral("interruption_records"), generator.figures().interruptionRecords);
    result(QStringLiteral("unclosed"), generator.figures().unclosed);
    return 0;
}

int childFloor(const QString& socket, const CompanyProfile& profile, int runs)
{
    QSqlDatabase host = openHost(socket, databaseName(profile.people), QStringLiteral("host"));
    if (!host.isOpen())
        return fail(host.lastError().text());
    // The best of several runs, as for the export (which meets warm caches too).
    HostFloor best;
    for (int run = 0; run < runs; ++run) {
        const HostFloor floor = measureHostFloor(host, profile);
        if (!floor.error.isEmpty())
            return fail(floor.error);
        if (run == 0 || floor.nanoseconds < best.nanoseconds)
            best = floor;
    }
    QString statements;
    for (qint64 ns : best.statementNanoseconds)
        statements += QStringLiteral(" %1").arg(double(ns) / 1e9, 0, 'f', 2);
    std::fprintf(stderr, "  N=%d: floor per statement (people, holidays, vars, period interruptions, period days, "
                         "window interruptions, window days, names):%s s\n",
                 profile.people, qPrintable(statements));
    result(QStringLiteral("floor_ms"), best.nanoseconds / 1000000);
    result(QStringLiteral("floor_people_ms"), best.peopleNanoseconds / 1000000);
    result(QStringLiteral("floor_rows"), best.rows);
    result(QStringLiteral("floor_exported_people"), best.people);
    return 0;
}

int childExport(const QString& socket, const CompanyProfile& profile, const QString& workDir, const QString& pluginPath)
{
    QSqlDatabase host = openHost(socket, databaseName(profile.people), QStringLiteral("host"));
    if (!host.isOpen())
        return fail(host.lastError().text());
    const QString outDir = workDir + QStringLiteral("/export-%1").arg(profile.people);
    QDir().mkpath(outDir);
    QString error;
    const QHash<QString, QVariant> parameters = companyExportParameters(host, profile, outDir, &error);
    if (parameters.isEmpty())
        return fail(error);

    QPluginLoader loader(pluginPath);
    PamExportInterface* exporter = qobject_cast<PamExportInterface*>(loader.instance());
    if (!exporter)
        return fail(QStringLiteral("plug-in not loaded: ") + loader.errorString());
    const qint64 baseKb = peakResidentKb();

    qInstallMessageHandler(benchMessageHandler);
    exporter->setDatabase(host);
    QHash<QString, QVariant> answer;
    exportClock.start();
    const int lines = exporter->makeExport(parameters, &answer);
    const qint64 total = exportClock.nsecsElapsed();
    qInstallMessageHandler(nullptr);
    const ExportLog log = exportLogSoFar();

    auto mark = [&log](const char* marker) { return log.markerTimes.value(QLatin1String(marker), -1); };
    auto span = [&](const char* from, const char* to) {
        return mark(from) < 0 || mark(to) < 0 ? -1 : (mark(to) - mark(from)) / 1000000;
    };
    result(QStringLiteral("setup_ms"), mark(stageMarkers[0]) < 0 ? -1 : mark(stageMarkers[0]) / 1000000);
    result(QStringLiteral("create_ms"), span(stageMarkers[0], stageMarkers[1]));
    result(QStringLiteral("load_ms"), span(stageMarkers[2], stageMarkers[3]));
    result(QStringLiteral("spans_ms"), span(stageMarkers[4], stageMarkers[5]));
    result(QStringLiteral("run_ms"), span(stageMarkers[6], stageMarkers[7]));
    result(QStringLiteral("total_ms"), total / 1000000);
    result(QStringLiteral("lines"), lines);
    result(QStringLiteral("people_exported"), answer.value(QStringLiteral("peopleCount")).toInt());
    result(QStringLiteral("peak_kb"), peakResidentKb());
    result(QStringLiteral("base_kb"), baseKb);
    result(QStringLiteral("debug_lines"), log.debugLines);

    QFile file(outDir + QLatin1Char('/') + answer.value(QStringLiteral("fileName")).toString());
    qint64 fileLines = 0;
    if (file.open(QIODevice::ReadOnly))
        for (const char c : file.readAll())
            fileLines += c == '\n';
    result(QStringLiteral("file_lines"), fileLines);
    QString steps;
    for (int i = 0; i < log.loadingSteps.size(); ++i) {
        const qint64 end = i + 1 < log.loadingSteps.size() ? log.loadingSteps.at(i + 1).second : mark(stageMarkers[3]);
        steps += QStringLiteral(" %1 %2s").arg(log.loadingSteps.at(i).first).arg(double(end - log.loadingSteps.at(i).second) / 1e9, 0, 'f', 2);
    }
    std::fprintf(stderr, "  N=%d: loading:%s\n", profile.people, qPrintable(steps));
    // Per person in the first and the last tenth of the run (a growing cost
    // per person shows a lookup that does not scale), and the time from the
    // last person's start to the end of the run (that person and the file).
    const QVector<qint64>& personStarts = log.personStarts;
    const int tenth = personStarts.size() / 10;
    if (tenth > 1) {
        const qint64 last = personStarts.size() - 1;
        std::fprintf(stderr, "  N=%d: run: %.3f ms per person in the first tenth, %.3f ms in the last tenth, "
                             "%.2f s from the last person's start to the end (file included)\n",
                     profile.people, double(personStarts.at(tenth) - personStarts.at(0)) / tenth / 1e6,
                     double(personStarts.at(last) - personStarts.at(last - tenth)) / tenth / 1e6,
                     double(mark(stageMarkers[7]) - personStarts.at(last)) / 1e9);
    }
    int warnings = 0;
    for (auto it = log.warningCounts.constBegin(); it != log.warningCounts.constEnd(); ++it) {
        warnings += it.value();
        std::fprintf(stderr, "  N=%d: %6d x %s\n", profile.people, it.value(), qPrintable(it.key()));
    }
    result(QStringLiteral("warnings"), warnings);
    return 0;
}

// --- the parent: runs the children and prints the table

QHash<QString, QString> runChild(const QStringList& arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    QHash<QString, QString> values;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (!line.startsWith("RESULT "))
            continue;
        const int equals = line.indexOf('=');
        values.insert(QString::fromUtf8(line.mid(7, equals - 7)), QString::fromUtf8(line.mid(equals + 1)));
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        values.insert(QStringLiteral("failed"), child.exitStatus() == QProcess::NormalExit
                                                    ? QStringLiteral("exit code %1").arg(child.exitCode())
                                                    : QStringLiteral("crashed"));
    return values;
}

QString machineText()
{
    QString cpu = QStringLiteral("?");
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly))
        for (const QByteArray& line : cpuinfo.readAll().split('\n'))
            if (line.startsWith("model name")) {
                cpu = QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
                break;
            }
    qint64 memoryKb = 0;
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly))
        for (const QByteArray& line : meminfo.readAll().split('\n'))
            if (line.startsWith("MemTotal:"))
                memoryKb = line.mid(9).trimmed().split(' ').value(0).toLongLong();
    return QStringLiteral("%1 cores, %2, %3 GiB RAM")
        .arg(QThread::idealThreadCount())
        .arg(cpu)
        .arg(double(memoryKb) / 1048576.0, 0, 'f', 1);
}

// Runs a child `runs` times and keeps the figures of the run with the lowest
// total (the first failure, if one fails): on a shared machine single runs
// vary widely, the best run shows what the code costs. `totals` lists all.
QHash<QString, QString> bestOfRuns(const QStringList& arguments, int runs, QStringList* totals)
{
    QHash<QString, QString> best;
    for (int run = 0; run < runs; ++run) {
        const QHash<QString, QString> values = runChild(arguments);
        const double total = values.value(QStringLiteral("total_ms"), QStringLiteral("-1")).toDouble();
        totals->append(QString::number(total / 1000.0, 'f', 2));
        const double bestTotal = best.value(QStringLiteral("total_ms"), QStringLiteral("-1")).toDouble();
        if (run == 0 || values.contains(QStringLiteral("failed")) || total < bestTotal)
            best = values;
        if (values.contains(QStringLiteral("failed")))
            break;
    }
    return best;
}

int parent(const QString& socket, const QList<int>& sizes, const QString& workDir, const QString& plugin, bool reuse,
           int runs, const CompanyProfile& base)
{
    QTextStream out(stdout);
    out << "Orvexuniversal scale benchmark, " << QDateTime::currentDateTime().toString(Qt::ISODate) << "\n"
        << "machine: " << machineText() << "\n"
        << "plug-in: " << QFileInfo(plugin).fileName() << "\n"
        << "month: " << base.year << "-" << base.month << ", seed " << base.seed << "\n\n";
    out.flush();
    const QStringList common = {QStringLiteral("--socket"), socket, QStringLiteral("--work"), workDir,
                                QStringLiteral("--seed"), QString::number(base.seed),
                                QStringLiteral("--event-scale"), QString::number(base.eventScale),
                                QStringLiteral("--runs"), QString::number(runs), QStringLiteral("--plugin"), plugin};
    QHash<int, QHash<QString, QString>> rows;
    for (int people : sizes) {
        const QStringList size = {QStringLiteral("--people"), QString::number(people)};
        QHash<QString, QString> row;
        QStringList generate = QStringList{QStringLiteral("--child"), QStringLiteral("generate")} + common + size;
        if (reuse)
            generate << QStringLiteral("--reuse");
        for (const QString& step : {QStringLiteral("generate"), QStringLiteral("floor"), QStringLiteral("export")}) {
            const QStringList arguments =
                step == QLatin1String("generate") ? generate : QStringList{QStringLiteral("--child"), step} + common + size;
            QStringList totals;
            const QHash<QString, QString> values =
                step == QLatin1String("export") ? bestOfRuns(arguments, runs, &totals) : runChild(arguments);
            if (!totals.isEmpty())
                out << "N=" << people << ": export totals of " << totals.size() << " runs: " << totals.join(", ")
                    << " s (the best counts)\n";
            for (auto it = values.constBegin(); it != values.constEnd(); ++it)
                row.insert(it.key(), it.value());
            if (values.contains(QStringLiteral("failed"))) {
                out << "N=" << people << ": step " << step << " failed (" << values.value(QStringLiteral("failed"))
                    << (values.contains(QStringLiteral("total_ms")) ? ", after its figures" : "") << ")\n";
                if (step == QLatin1String("generate"))
                    break;
            }
        }
        out << "N=" << people << ": generated in " << row.value(QStringLiteral("generate_ms"), QStringLiteral("?"))
            << " ms (-1: reused), " << row.value(QStringLiteral("day_records"), QStringLiteral("?")) << " day records, "
            << row.value(QStringLiteral("interruption_records"), QStringLiteral("?")) << " interruption records, "
            << row.value(QStringLiteral("warnings"), QStringLiteral("?")) << " warnings logged\n";
        out.flush();
        rows.insert(people, row);
    }

    out << "\n";
    const QString header = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11")
                               .arg(QStringLiteral("people"), 7)
                               .arg(QStringLiteral("lines"), 8)
                               .arg(QStringLiteral("setup s"), 8)
                               .arg(QStringLiteral("create s"), 9)
                               .arg(QStringLiteral("load s"), 8)
                               .arg(QStringLiteral("spans s"), 8)
                               .arg(QStringLiteral("run s"), 8)
                               .arg(QStringLiteral("total s"), 8)
                               .arg(QStringLiteral("floor s"), 8)
                               .arg(QStringLiteral("tot/floor"), 9)
                               .arg(QStringLiteral("peak MB"), 8);
    out << header << "\n";
    auto seconds = [](const QHash<QString, QString>& row, const char* key) {
        const double ms = row.value(QLatin1String(key), QStringLiteral("-1")).toDouble();
        return ms < 0 ? QStringLiteral("-") : QString::number(ms / 1000.0, 'f', 2);
    };
    for (int people : sizes) {
        const QHash<QString, QString>& row = rows[people];
        const double total = row.value(QStringLiteral("total_ms"), QStringLiteral("0")).toDouble();
        const double floor = row.value(QStringLiteral("floor_ms"), QStringLiteral("0")).toDouble();
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11")
                   .arg(people, 7)
                   .arg(row.value(QStringLiteral("lines"), QStringLiteral("-")), 8)
                   .arg(seconds(row, "setup_ms"), 8)
                   .arg(seconds(row, "create_ms"), 9)
                   .arg(seconds(row, "load_ms"), 8)
                   .arg(seconds(row, "spans_ms"), 8)
                   .arg(seconds(row, "run_ms"), 8)
                   .arg(seconds(row, "total_ms"), 8)
                   .arg(seconds(row, "floor_ms"), 8)
                   .arg(floor > 0 ? QString::number(total / qMax(1.0, floor), 'f', 1) : QStringLiteral("-"), 9)
                   .arg(QString::number(row.value(QStringLiteral("peak_kb"), QStringLiteral("0")).toDouble() / 1024.0,
                                        'f', 0),
                        8)
            << "\n";
    }
    if (!sizes.isEmpty() && sizes.first() > 0) {
        const int small = sizes.first(), large = sizes.last();
        const double a = rows[small].value(QStringLiteral("total_ms")).toDouble();
        const double b = rows[large].value(QStringLiteral("total_ms")).toDouble();
        if (a > 0 && large != small)
            out << "\nt(" << large << ")/t(" << small << ") = " << QString::number(b / a, 'f', 1) << " (people ratio "
                << QString::number(double(large) / small, 'f', 1) << ")\n";
    }
    out << "floor: the loading step's host SELECTs read forward-only through QMYSQL (best of " << runs
        << " runs, as the export); "
           "setup: people selection and closure check\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // The export child needs a GUI application (progress dialogs); nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt sees the program name only: QGuiApplication would take "-plugin"
    // and other options of its own out of the arguments.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const QStringList arguments = commandLineArguments(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("socket"), QStringLiteral("Unix socket of the MariaDB server."), QStringLiteral("path")},
        {QStringLiteral("sizes"), QStringLiteral("Company sizes, comma separated."), QStringLiteral("list"),
         QStringLiteral("1000,10000,50000")},
        {QStringLiteral("work"), QStringLiteral("Folder for the export files."), QStringLiteral("dir"),
         QDir::tempPath() + QStringLiteral("/orvex-bench")},
        {QStringLiteral("plugin"), QStringLiteral("The plug-in file."), QStringLiteral("file"),
         defaultPluginFile(QStringLiteral(ORVEX_PLUGIN_PATH))},
        {QStringLiteral("seed"), QStringLiteral("Seed of the company."), QStringLiteral("n"), QStringLiteral("20240301")},
        {QStringLiteral("reuse"), QStringLiteral("Keep a company database generated with the same profile.")},
        {QStringLiteral("event-scale"), QStringLiteral("Chance multiplier of the rarer events."), QStringLiteral("x"),
         QStringLiteral("1")},
        {QStringLiteral("runs"), QStringLiteral("Runs of the floor and of the export per size; the best counts."),
         QStringLiteral("n"), QStringLiteral("3")},
        {QStringLiteral("child"), QStringLiteral("Internal: generate, floor or export."), QStringLiteral("step")},
        {QStringLiteral("people"), QStringLiteral("Internal: company size of a child."), QStringLiteral("n")},
    });
    parser.process(arguments);
    const QString socket = parser.value(QStringLiteral("socket"));
    if (socket.isEmpty())
        return fail(QStringLiteral("--socket is required"));
    CompanyProfile profile;
    profile.seed = parser.value(QStringLiteral("seed")).toULongLong();
    profile.eventScale = parser.value(QStringLiteral("event-scale")).toDouble();
    const QString workDir = parser.value(QStringLiteral("work"));
    const int runs = qMax(1, parser.value(QStringLiteral("runs")).toInt());

    const QString child = parser.value(QStringLiteral("child"));
    if (!child.isEmpty()) {
        profile.people = parser.value(QStringLiteral("people")).toInt();
        if (child == QLatin1String("generate"))
            return childGenerate(socket, profile, parser.isSet(QStringLiteral("reuse")));
        if (child == QLatin1String("floor"))
            return childFloor(socket, profile, runs);
        if (child == QLatin1String("export"))
            return childExport(socket, profile, workDir, parser.value(QStringLiteral("plugin")));
        return fail(QStringLiteral("unknown child step ") + child);
    }
    QList<int> sizes;
    for (const QString& part : parser.value(QStringLiteral("sizes")).split(QLatin1Char(','), QString::SkipEmptyParts))
        sizes << part.toInt();
    QDir().mkpath(workDir);
    return parent(socket, sizes, workDir, parser.value(QStringLiteral("plugin")), parser.isSet(QStringLiteral("reuse")),
                  runs, profile);
}
