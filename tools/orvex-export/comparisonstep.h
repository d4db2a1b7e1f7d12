#ifndef ORVEX_EXPORT_COMPARISONSTEP_H
#define ORVEX_EXPORT_COMPARISONSTEP_H

#include "commandline.h"
#include "hostroster.h"
#include "report.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// The host's (or the prepared file's) people for the comparison and the
// control sheet; a roster that cannot be read is a warning, and the
// comparison then names no reasons.
Roster hostRosterFor(const QSqlDatabase& hostDb, const ExportRequest& request, ExportOutcome& outcome);
Roster stagingRosterFor(const QString& stagingCopy, ExportOutcome& outcome);

// Compares `currentFile` (the file just written, or the replayed lines) with
// the earlier month's file: the one of --compare, else the month before's
// of the same settings record in the output folder. A person missing
// without a known reason, or a line dated outside employment, is a warning
// (status 3).
void compareWithEarlierMonth(const ExportRequest& request, const QString& currentFile,
                             const QHash<QString, QVariant>& options, const Roster& roster, ExportOutcome& outcome);

#endif // ORVEX_EXPORT_COMPARISONSTEP_H
