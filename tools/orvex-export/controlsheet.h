#ifndef ORVEX_EXPORT_CONTROLSHEET_H
#define ORVEX_EXPORT_CONTROLSHEET_H

#include "commandline.h"
#include "hostroster.h"
#include "payrolllines.h"
#include "report.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVariant>

// The control sheet a clerk prints and signs before the import: a header
// (month, settings record, file and its SHA-256, lines, people, time written,
// versions), one block per person in the order of the host's groups and
// names (each code with its rows, amount, the dates of its lines, last
// month's amount and the change, flags), the totals per code of both months,
// the people left out and why, and a signature line.

struct SheetHeader
{
    QString month, fileName, sha256, toolVersion, pluginVersion;
    int settingsId = 0, lines = 0, people = 0;
    QDateTime written;
};

// The sheet's parts in order, as HTML: the header, one block per person (the
// first under the heading "People"), the totals, the people left out, the
// signature. The PDF keeps each part on one page where it fits.
QStringList controlSheetParts(const SheetHeader& header, const PayrollLines& lines, const Roster& roster,
                              const ExportOutcome& outcome);
QString sheetTitle(const SheetHeader& header);

// The parts as one XHTML page (UTF-8).
QString controlSheetHtml(const QString& title, const QStringList& parts);

// Writes the sheet to request.reportFile (a PDF, or an HTML page for .html)
// when one was asked for; a sheet that cannot be written is a warning.
void writeControlSheetIfAsked(const ExportRequest& request, const QString& currentFile,
                              const QHash<QString, QVariant>& options, const Roster& roster, ExportOutcome& outcome);

#endif // ORVEX_EXPORT_CONTROLSHEET_H
