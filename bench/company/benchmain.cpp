// Scale benchmark: for each company size, generates the company in the
// private MariaDB, measures the floor (the host rows of the loading step
// arriving through the Qt MySQL driver) and runs one export through the built
// plug-in exactly as the host does (QPluginLoader, setDatabase, makeExport for
// all people, offscreen GUI application), with a password account that may
// only read the company, as the host's are. Each step runs in a child process
// of its own, so the peak memory reported is that of one export. The floor and
// the export run several times; the best run counts. While an export runs, a
// timer on the GUI thread measures the longest stall of its event loop. Four
// more exports press cancel, one in each step, and show how soon the export
// stops and that the earlier file stays (--no-cancel skips them).
//
//   orvex-bench-company --socket PATH [--sizes 1000,10000,50000] [--work DIR] [--reuse] [--runs 3] [--no-cancel]
//
// Linux only (reads /proc for the machine and the peak resident memory).

#include "benchaccount.h"
#include "cancelprobe.h"
#include "cancelrun.h"
#include "childprocess.h"
#include "commandoptions.h"
#include "companygenerator.h"
#include "defaultplugin.h"
#include "exportlog.h"
#include "hostconnection.h"
#include "hostfloor.h"
#include "loadedplugin.h"
#include "stallwatch.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QThread>
#include <QVector>
#include <cstdio>

namespace {

// The GUI thread's event loop is watched with a timer of this interval.
const int stallTimerMs = 5;

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

// The private server, reached as root through its socket (generating the
// company, the account and the server's status; the floor and the exports
// read as the account of benchaccount.h).
HostConnection serverConnection(const QString& socket, const QString& database)
{
    HostConnection server;
    server.socket = socket;
    server.user = QStringLiteral("root");
    server.database = database;
    return server;
}

QSqlDatabase openAsRoot(const QString& socket, const QString& name, const QString& connection)
{
    QSqlDatabase db = addHostConnection(serverConnection(socket, name), connection);
    db.open();
    return db;
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
    QSqlDatabase server = openAsRoot(socket, QString(), QStringLiteral("server"));
    if (!server.isOpen())
        return fail(server.lastError().text());
    if (reuse) {
        QSqlDatabase existing = openAsRoot(socket, databaseName(profile.people), QStringLiteral("existing"));
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
    QSqlDatabase host = openAsBenchAccount(socket, databaseName(profile.people), QStringLiteral("host"));
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

QString exportFolder(const QString& workDir, int people)
{
    return workDir + QStringLiteral("/export-%1").arg(people);
}

void reportStall(const StallWatch& watch, const ExportLog& log, int people)
{
    result(QStringLiteral("stall_ms"), watch.longestNanoseconds() / 1000000);
    std::fprintf(stderr, "  N=%d: longest time without the GUI thread's event loop: %lld ms, from %.2f s into the "
                         "export (after \"%s\"); the %d ms timer ticked %d times\n",
                 people, watch.longestNanoseconds() / 1000000, double(watch.longestStartNanoseconds()) / 1e9,
                 qPrintable(markerBefore(log, watch.longestStartNanoseconds())), stallTimerMs, watch.ticks());
}

int childExport(const QString& socket, const CompanyProfile& profile, const QString& workDir, const QString& pluginPath)
{
    QSqlDatabase host = openAsBenchAccount(socket, databaseName(profile.people), QStringLiteral("host"));
    if (!host.isOpen())
        return fail(host.lastError().text());
    const QString outDir = exportFolder(workDir, profile.people);
    QDir().mkpath(outDir);
    QString error;
    const QHash<QString, QVariant> parameters = companyExportParameters(host, profile, outDir, &error);
    if (parameters.isEmpty())
        return fail(error);

    LoadedPlugin plugin(pluginPath);
    if (!plugin.exporter)
        return fail(QStringLiteral("plug-in not loaded: ") + plugin.loader.errorString());
    const qint64 baseKb = peakResidentKb();

    installExportLog();
    plugin.exporter->setDatabase(host);
    QHash<QString, QVariant> answer;
    StallWatch stalls(stallTimerMs);
    startExportClock();
    stalls.start();
    const int lines = plugin.exporter->makeExport(parameters, &answer);
    stalls.stop();
    const qint64 total = exportClockNanoseconds();
    removeExportLog();
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
    result(QStringLiteral("file_name"), answer.value(QStringLiteral("fileName")).toString());
    reportStall(stalls, log, profile.people);

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

int childCancel(const QString& socket, const CompanyProfile& profile, const QString& workDir, const QString& pluginPath,
                const QString& point, const QString& fileName)
{
    CancelRun run;
    run.host = openAsBenchAccount(socket, databaseName(profile.people), QStringLiteral("host"));
    if (!run.host.isOpen())
        return fail(run.host.lastError().text());
    run.profile = profile;
    run.folder = workDir + QStringLiteral("/cancel-%1-%2").arg(profile.people).arg(point);
    run.pluginPath = pluginPath;
    run.point = point;
    run.fileName = fileName;
    return runCancelChild(run);
}

// --- the parent: runs the children and prints the table

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
// vary widely, the best run shows what the code costs. `totals` and `stalls`
// list those of all runs.
ChildFigures bestOfRuns(const QStringList& arguments, int runs, QStringList* totals, QStringList* stalls)
{
    ChildFigures best;
    for (int run = 0; run < runs; ++run) {
        const ChildFigures values = runChild(arguments);
        const double total = values.value(QStringLiteral("total_ms"), QStringLiteral("-1")).toDouble();
        totals->append(QString::number(total / 1000.0, 'f', 2));
        stalls->append(values.value(QStringLiteral("stall_ms"), QStringLiteral("?")));
        const double bestTotal = best.value(QStringLiteral("total_ms"), QStringLiteral("-1")).toDouble();
        if (run == 0 || values.contains(QStringLiteral("failed")) || total < bestTotal)
            best = values;
        if (values.contains(QStringLiteral("failed")))
            break;
    }
    return best;
}

// What the parent runs with.
struct BenchSettings
{
    QString socket;
    QString workDir;
    QString plugin;
    bool reuse = false;
    bool cancel = true;
    int runs = 3;
    CompanyProfile base;
};

// The arguments of a child for `step` at `people`.
QStringList childArguments(const BenchSettings& bench, const QString& step, int people)
{
    QStringList arguments = {QStringLiteral("--child"), step,
                             QStringLiteral("--socket"), bench.socket, QStringLiteral("--work"), bench.workDir,
                             QStringLiteral("--seed"), QString::number(bench.base.seed),
                             QStringLiteral("--event-scale"), QString::number(bench.base.eventScale),
                             QStringLiteral("--runs"), QString::number(bench.runs), QStringLiteral("--plugin"), bench.plugin,
                             QStringLiteral("--people"), QString::number(people)};
    if (bench.reuse && step == QLatin1String("generate"))
        arguments << QStringLiteral("--reuse");
    return arguments;
}

void merge(ChildFigures& row, const ChildFigures& values)
{
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        row.insert(it.key(), it.value());
}

// Prints a failed child's line; true when `values` are of a failed child.
bool reportFailure(QTextStream& out, int people, const QString& step, const ChildFigures& values)
{
    if (!values.contains(QStringLiteral("failed")))
        return false;
    out << "N=" << people << ": step " << step << " failed (" << values.value(QStringLiteral("failed"))
        << (values.contains(QStringLiteral("total_ms")) ? ", after its figures" : "") << ")\n";
    return true;
}

// A cancelled export per step, each in a child of its own; one line.
void cancelRuns(QTextStream& out, const BenchSettings& bench, int people, const QString& fileName)
{
    QList<ChildFigures> runs;
    for (const QString& point : CancelProbe::pointNames())
        runs << runChild(childArguments(bench, QStringLiteral("cancel"), people)
                         << QStringLiteral("--cancel-at") << point << QStringLiteral("--file-name") << fileName);
    out << "N=" << people << ": cancel: " << cancelSummary(CancelProbe::pointNames(), runs) << "\n";
    out.flush();
}

// Generates (or reuses) the company of `people`, then measures the floor and
// the export as the bench account and, unless told not to, cancels an export
// at each step. The failed logins that the server counted meanwhile are
// printed. Returns the figures of the table.
ChildFigures measureSize(QTextStream& out, const QSqlDatabase& root, const BenchSettings& bench, int people)
{
    ChildFigures row = runChild(childArguments(bench, QStringLiteral("generate"), people));
    if (reportFailure(out, people, QStringLiteral("generate"), row))
        return row;
    QString error;
    if (!createBenchAccount(root, databaseName(people), &error)) {
        out << "N=" << people << ": the bench account could not be made: " << oneLine(error) << "\n";
        row.insert(QStringLiteral("failed"), QStringLiteral("account"));
        return row;
    }
    const qint64 deniedBefore = accessDeniedErrors(root);
    const ChildFigures floor = runChild(childArguments(bench, QStringLiteral("floor"), people));
    reportFailure(out, people, QStringLiteral("floor"), floor);
    merge(row, floor);
    QStringList totals, stalls;
    const ChildFigures best =
        bestOfRuns(childArguments(bench, QStringLiteral("export"), people), bench.runs, &totals, &stalls);
    out << "N=" << people << ": export totals of " << totals.size() << " runs: " << totals.join(QStringLiteral(", "))
        << " s (the best counts); longest event-loop stalls: " << stalls.join(QStringLiteral(", ")) << " ms\n";
    const bool exported = !reportFailure(out, people, QStringLiteral("export"), best);
    merge(row, best);
    if (bench.cancel && exported)
        cancelRuns(out, bench, people, best.value(QStringLiteral("file_name")));
    const qint64 deniedAfter = accessDeniedErrors(root);
    out << "N=" << people << ": failed logins on the server during the floor and the exports: "
        << (deniedBefore < 0 || deniedAfter < 0 ? QStringLiteral("?") : QString::number(deniedAfter - deniedBefore))
        << " (Access_denied_errors " << deniedBefore << " before, " << deniedAfter << " after)\n";
    out << "N=" << people << ": generated in " << row.value(QStringLiteral("generate_ms"), QStringLiteral("?"))
        << " ms (-1: reused), " << row.value(QStringLiteral("day_records"), QStringLiteral("?")) << " day records, "
        << row.value(QStringLiteral("interruption_records"), QStringLiteral("?")) << " interruption records, "
        << row.value(QStringLiteral("warnings"), QStringLiteral("?")) << " warnings logged\n";
    out.flush();
    return row;
}

void printTable(QTextStream& out, const QList<int>& sizes, const QHash<int, ChildFigures>& rows)
{
    const QString header = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12")
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
                               .arg(QStringLiteral("peak MB"), 8)
                               .arg(QStringLiteral("stall ms"), 9);
    out << header << "\n";
    auto seconds = [](const ChildFigures& row, const char* key) {
        const double ms = row.value(QLatin1String(key), QStringLiteral("-1")).toDouble();
        return ms < 0 ? QStringLiteral("-") : QString::number(ms / 1000.0, 'f', 2);
    };
    for (int people : sizes) {
        const ChildFigures row = rows.value(people);
        const double total = row.value(QStringLiteral("total_ms"), QStringLiteral("0")).toDouble();
        const double floor = row.value(QStringLiteral("floor_ms"), QStringLiteral("0")).toDouble();
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12")
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
                   .arg(row.value(QStringLiteral("stall_ms"), QStringLiteral("-")), 9)
            << "\n";
    }
}

int parent(const BenchSettings& bench, const QList<int>& sizes)
{
    QTextStream out(stdout);
    out << "Orvexuniversal scale benchmark, " << QDateTime::currentDateTime().toString(Qt::ISODate) << "\n"
        << "machine: " << machineText() << "\n"
        << "plug-in: " << QFileInfo(bench.plugin).fileName() << "\n"
        << "month: " << bench.base.year << "-" << bench.base.month << ", seed " << bench.base.seed << "\n\n";
    out.flush();
    QSqlDatabase root = openAsRoot(bench.socket, QString(), QStringLiteral("root"));
    if (!root.isOpen())
        return fail(root.lastError().text());
    QHash<int, ChildFigures> rows;
    for (int people : sizes)
        rows.insert(people, measureSize(out, root, bench, people));

    out << "\n";
    printTable(out, sizes, rows);
    if (!sizes.isEmpty() && sizes.first() > 0) {
        const int small = sizes.first(), large = sizes.last();
        const double a = rows[small].value(QStringLiteral("total_ms")).toDouble();
        const double b = rows[large].value(QStringLiteral("total_ms")).toDouble();
        if (a > 0 && large != small)
            out << "\nt(" << large << ")/t(" << small << ") = " << QString::number(b / a, 'f', 1) << " (people ratio "
                << QString::number(double(large) / small, 'f', 1) << ")\n";
    }
    out << "floor: the loading step's host SELECTs read forward-only through QMYSQL (best of " << bench.runs
        << " runs, as the export); "
           "setup: people selection and closure check; stall: the longest time between two ticks of a "
        << stallTimerMs << " ms timer on the GUI thread while makeExport ran\n";
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
        {QStringLiteral("no-cancel"), QStringLiteral("Skip the exports cancelled at each step (4 exports per size).")},
        {QStringLiteral("child"), QStringLiteral("Internal: generate, floor, export or cancel."), QStringLiteral("step")},
        {QStringLiteral("people"), QStringLiteral("Internal: company size of a child."), QStringLiteral("n")},
        {QStringLiteral("cancel-at"), QStringLiteral("Internal: the step a cancel child presses cancel in."),
         QStringLiteral("point")},
        {QStringLiteral("file-name"), QStringLiteral("Internal: the name of the file the export writes."),
         QStringLiteral("name")},
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
        if (child == QLatin1String("cancel"))
            return childCancel(socket, profile, workDir, parser.value(QStringLiteral("plugin")),
                               parser.value(QStringLiteral("cancel-at")), parser.value(QStringLiteral("file-name")));
        return fail(QStringLiteral("unknown child step ") + child);
    }
    QList<int> sizes;
    for (const QString& part : parser.value(QStringLiteral("sizes")).split(QLatin1Char(','), QString::SkipEmptyParts))
        sizes << part.toInt();
    QDir().mkpath(workDir);
    BenchSettings bench;
    bench.socket = socket;
    bench.workDir = workDir;
    bench.plugin = parser.value(QStringLiteral("plugin"));
    bench.reuse = parser.isSet(QStringLiteral("reuse"));
    bench.cancel = !parser.isSet(QStringLiteral("no-cancel"));
    bench.runs = runs;
    bench.base = profile;
    return parent(bench, sizes);
}
