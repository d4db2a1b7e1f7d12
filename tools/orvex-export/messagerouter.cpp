#include "messagerouter.h"

#include "exporttext.h"
#include "fileaccess.h"
#include "terminal.h"
#include "warningdigest.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTimer>

#include <memory>

namespace MessageRouter {
namespace {

struct State
{
    bool quiet = false;
    bool verbose = false;
    WarningDigest digest; // the plug-in's warnings of the export, shown when it ends
    Phase phase = Phase::Setup;
    std::unique_ptr<QFile> log;
    QVector<StageTiming> stages;
    QElapsedTimer stageClock;
    int warnings = 0;
    bool liveLineShown = false;
    QString currentStage;
    QString firstSqliteError;
};

State& state()
{
    static State instance;
    return instance;
}

// The export's steps in the order the plug-in runs them.
const QStringList& stageOrder()
{
    static const QStringList order{QStringLiteral("createSQLiteTables"), QStringLiteral("loadDataToSQLiteTables"),
                                   QStringLiteral("spansCalc"), QStringLiteral("runExport")};
    return order;
}

QString stageDescription(const QString& name)
{
    static const QHash<QString, QString> descriptions{
        {QStringLiteral("createSQLiteTables"), OrvexExport::tr("creating the staging tables")},
        {QStringLiteral("loadDataToSQLiteTables"), OrvexExport::tr("loading the month from the host database")},
        {QStringLiteral("spansCalc"), OrvexExport::tr("grouping days into spans")},
        {QStringLiteral("runExport"), OrvexExport::tr("exporting people and writing the file")}};
    return descriptions.value(name, name);
}

const char* levelName(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg: return "debug";
    case QtInfoMsg: return "info";
    case QtWarningMsg: return "warning";
    case QtCriticalMsg: return "critical";
    case QtFatalMsg: return "fatal";
    }
    return "message";
}

void writeLog(const char* level, const QString& text)
{
    QFile* file = state().log.get();
    if (!file)
        return;
    const QString line = QStringLiteral("%1 %2 %3\n")
                             .arg(QDateTime::currentDateTime().toString(Qt::ISODate), QLatin1String(level), text);
    file->write(line.toUtf8());
    file->flush();
}

void clearLiveLine()
{
    if (!state().liveLineShown)
        return;
    writeStderr(QStringLiteral("\r%1\r").arg(QString(60, QLatin1Char(' '))));
    state().liveLineShown = false;
}

void toStderr(const QString& text)
{
    clearLiveLine();
    writeStderr(text + QLatin1Char('\n'));
}

// "name ~START" / "name ~DONE" (the debug stream may have quoted the text).
bool handleStepMarker(const QString& message)
{
    static const QRegularExpression marker(QStringLiteral("^(\\w+) ~(START|DONE)$"));
    const QRegularExpressionMatch match = marker.match(QString(message).remove(QLatin1Char('"')).trimmed());
    if (!match.hasMatch())
        return false;
    const QString name = match.captured(1);
    const int index = stageOrder().indexOf(name);
    const QString position = index >= 0 ? QStringLiteral("[%1/%2] ").arg(index + 1).arg(stageOrder().size())
                                        : QString();
    State& s = state();
    if (match.captured(2) == QLatin1String("START")) {
        s.stageClock.start();
        s.currentStage = stageDescription(name);
        if (!s.quiet)
            toStderr(QStringLiteral("orvex-export: %1%2 ...").arg(position, stageDescription(name)));
        return true;
    }
    StageTiming timing;
    timing.name = name;
    timing.seconds = s.stageClock.isValid() ? s.stageClock.elapsed() / 1000.0 : 0;
    s.stages << timing;
    if (!s.quiet)
        toStderr(OrvexExport::tr("orvex-export: %1%2: done in %3 s")
                     .arg(position, stageDescription(name), QString::number(timing.seconds, 'f', 2)));
    return true;
}

void handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    State& s = state();
    const bool problem = type == QtWarningMsg || type == QtCriticalMsg;
    // Outside the export, and in Qt's own categories, a warning is Qt's
    // chatter: the tool reports what went wrong in one line of its own. The
    // log keeps it, marked as Qt's.
    const bool fromPlugin = s.phase == Phase::Export && (!context.category || qstrcmp(context.category, "default") == 0);
    writeLog(problem && !fromPlugin ? (type == QtWarningMsg ? "qt-warning" : "qt-critical") : levelName(type), message);
    switch (type) {
    case QtDebugMsg:
        handleStepMarker(message);
        return;
    case QtInfoMsg:
        return;
    case QtWarningMsg:
    case QtCriticalMsg:
        if (!fromPlugin)
            return;
        ++s.warnings;
        if (s.firstSqliteError.isEmpty() && message.contains(QLatin1String("SQLite ERROR")))
            s.firstSqliteError = message.simplified();
        if (s.log || s.quiet)
            return;
        if (s.verbose)
            toStderr(QStringLiteral("orvex-export: ")
                     + OrvexExport::tr("plug-in %1: %2").arg(shownLevel(QLatin1String(levelName(type))), message));
        else
            s.digest.add(QLatin1String(levelName(type)), message);
        return;
    case QtFatalMsg:
        toStderr(QStringLiteral("orvex-export: ") + OrvexExport::tr("fatal: %1").arg(message));
        return;
    }
}

void showLiveProgress()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const QProgressDialog* dialog = qobject_cast<QProgressDialog*>(widget);
        if (!dialog || !dialog->isVisible() || dialog->maximum() <= 0)
            continue;
        writeStderr(QStringLiteral("\r  %1 / %2   ").arg(dialog->value() < 0 ? 0 : dialog->value()).arg(dialog->maximum()));
        state().liveLineShown = true;
        return;
    }
}

} // namespace

void install()
{
    qInstallMessageHandler(handler);
}

void setQuiet(bool quiet)
{
    state().quiet = quiet;
}

void setVerbose(bool verbose)
{
    state().verbose = verbose;
}

bool openLog(const QString& path, QString& errorText)
{
    std::unique_ptr<QFile> file(new QFile(path));
    const bool created = !file->exists();
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append)) {
        errorText = OrvexExport::tr("cannot open the log file \"%1\": %2").arg(path, file->errorString());
        return false;
    }
    if (created)
        restrictToOwnerAndGroup(path);
    state().log = std::move(file);
    return true;
}

void setPhase(Phase phase)
{
    State& s = state();
    s.phase = phase;
    if (phase != Phase::Finished)
        return;
    clearLiveLine();
    for (const QString& line : s.digest.lines())
        toStderr(QStringLiteral("orvex-export: ") + line);
    s.digest.clear();
}

void startLiveProgress()
{
    if (state().quiet || !stderrIsTerminal())
        return;
    QTimer* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, showLiveProgress);
    timer->start(250);
}

void error(const QString& text)
{
    writeLog("error", text);
    toStderr(QStringLiteral("orvex-export: ") + text);
}

void note(const QString& text)
{
    writeLog("note", text);
    if (!state().quiet)
        toStderr(QStringLiteral("orvex-export: ") + text);
}

QVector<StageTiming> stages()
{
    return state().stages;
}

QString currentStage()
{
    return state().currentStage;
}

QString firstSqliteError()
{
    return state().firstSqliteError;
}

int warningCount()
{
    return state().warnings;
}

bool logOpen()
{
    return state().log != nullptr;
}

QString logPath()
{
    return state().log ? state().log->fileName() : QString();
}

} // namespace MessageRouter
