#ifndef EXPORTLOG_H
#define EXPORTLOG_H

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QVector>

// What the plug-in logs during an export, gathered by a message handler of
// the benchmark: when each of the plug-in's step markers came, when the
// loading step started each table and the run each person, and the distinct
// warnings. The export's worker thread logs as well as the GUI thread; the
// handler keeps the log under a lock. Times count from startExportClock(),
// in nanoseconds.
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

// The plug-in's step markers, in the order of the export.
extern const char* const stageMarkers[8];

// The handler takes over every message of the process (none is printed).
void installExportLog();
void removeExportLog();
void startExportClock();
qint64 exportClockNanoseconds();
ExportLog exportLogSoFar();

// The step marker logged last at or before `nanoseconds` ("start" before the
// first): the step the export was in.
QString markerBefore(const ExportLog& log, qint64 nanoseconds);

#endif // EXPORTLOG_H
