#ifndef ORVEX_EXPORT_REPORT_H
#define ORVEX_EXPORT_REPORT_H

#include "controlsummary.h"
#include "messagerouter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

// The outcome of one export as orvex-export reports it.
struct ExportOutcome
{
    QString month;           // "YYYY-MM"
    int settingsId = 0;
    QString pluginVersion;
    QString filePath;        // empty when the plug-in named no file
    QString fileName;
    int linesWritten = 0;    // what makeExport returned
    int peopleCount = 0;
    QStringList peopleLeftOut;
    QString message;         // the plug-in's "doneString"
    QString error;           // the plug-in's "errorString"
    ControlSummary summary;
    QVector<StageTiming> stages;
    int exitStatus = 0;
};

void printTextReport(QTextStream& out, const ExportOutcome& outcome);
QByteArray jsonReport(const ExportOutcome& outcome);

#endif // ORVEX_EXPORT_REPORT_H
