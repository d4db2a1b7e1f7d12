#include "exportlog.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>

const char* const stageMarkers[8] = {"createSQLiteTables ~START", "createSQLiteTables ~DONE",
                                     "loadDataToSQLiteTables ~START", "loadDataToSQLiteTables ~DONE",
                                     "spansCalc ~START", "spansCalc ~DONE", "runExport ~START", "runExport ~DONE"};

namespace {

QElapsedTimer exportClock;
QMutex exportLogMutex;
ExportLog exportLog;

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

} // namespace

void installExportLog()
{
    qInstallMessageHandler(benchMessageHandler);
}

void removeExportLog()
{
    qInstallMessageHandler(nullptr);
}

void startExportClock()
{
    QMutexLocker lock(&exportLogMutex);
    exportClock.start();
}

qint64 exportClockNanoseconds()
{
    return exportClock.nsecsElapsed();
}

ExportLog exportLogSoFar()
{
    QMutexLocker lock(&exportLogMutex);
    return exportLog;
}

QString markerBefore(const ExportLog& log, qint64 nanoseconds)
{
    QString latest = QStringLiteral("start");
    qint64 latestTime = -1;
    for (auto it = log.markerTimes.constBegin(); it != log.markerTimes.constEnd(); ++it)
        if (it.value() <= nanoseconds && it.value() > latestTime) {
            latest = it.key();
            latestTime = it.value();
        }
    return latest;
}
