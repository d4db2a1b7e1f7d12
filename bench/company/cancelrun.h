#ifndef CANCELRUN_H
#define CANCELRUN_H

#include "childprocess.h"
#include "companygenerator.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

// An export cancelled at a point of one step (see CancelProbe), run in a
// child of its own: into a folder that holds only an earlier file of known
// bytes under the name the export writes, it reports how long the export took
// to stop after the press (cancel_ms, to a tenth; -1 when never pressed),
// what makeExport returned (cancel_returned), whether the earlier file kept
// its bytes (cancel_kept) and how many other files were left (cancel_others).
struct CancelRun
{
    QSqlDatabase host;     // open, as the host's account
    CompanyProfile profile;
    QString folder;        // made anew
    QString pluginPath;
    QString point;         // one of CancelProbe::pointNames()
    QString fileName;      // the file the export writes
};

// The child's side; returns its exit code.
int runCancelChild(const CancelRun& run);

// The parent's side, one cancelled export per point, in the order of
// `points`: "loading 14 ms kept, spans 3 ms kept, ...; makeExport returned
// -1, ...; other files left in the folders: 0".
QString cancelSummary(const QStringList& points, const QList<ChildFigures>& runs);

#endif // CANCELRUN_H
