#ifndef ORVEX_EXPORT_REPORT_H
#define ORVEX_EXPORT_REPORT_H

#include "controlsummary.h"
#include "messagerouter.h"
#include "monthcomparison.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

// What became of the payroll file.
enum class FileState {
    Written,   // holds the export's lines
    Emptied,   // truncated to nothing: the export had no people or no data
    Untouched, // not written; an earlier file of the name is kept as it was
    Replay     // a replay writes no payroll file
};

// The outcome of one export as orvex-export reports it.
struct ExportOutcome
{
    QString month;           // "YYYY-MM"
    int settingsId = 0;
    QString pluginVersion;
    QString timeZone;        // the zone of the period and of all local dates
    QString filePath;        // the file of this month and settings record
    QString fileName;
    FileState fileState = FileState::Untouched;
    int linesWritten = 0;    // what makeExport returned
    int peopleCount = 0;
    QStringList peopleLeftOut;
    QString message;         // the plug-in's "doneString"
    QString error;           // the plug-in's "errorString"
    QStringList warnings;    // for the clerk: the plug-in's, the control check's and the tool's own
    ControlSummary summary;
    QVector<StageTiming> stages;
    MonthComparison comparison; // with the earlier month's file
    int exitStatus = 0;
};

QString fileStateText(FileState state);

void printTextReport(QTextStream& out, const ExportOutcome& outcome);
QByteArray jsonReport(const ExportOutcome& outcome);
// The JSON of a run that ended before the export: its status and error.
QByteArray jsonUsageError(int exitStatus, const QString& error);

#endif // ORVEX_EXPORT_REPORT_H
