#ifndef ORVEX_EXPORT_STAGINGCHECK_H
#define ORVEX_EXPORT_STAGINGCHECK_H

#include <QString>
#include <QStringList>

// A prepared staging file is checked before a replay: the TEST mode reads
// what the file holds and takes a missing table or column as no rows, so a
// damaged file would replay to a file with fewer rows and no error.
//   - SQLite's integrity check must pass;
//   - every table and column that orvex-prepare-test writes must be there;
//   - "linters" (the host's interruption names) may be missing: the replay
//     then depends on what an earlier run of the plug-in learned (a warning).
// False, with a one-line reason, when the file cannot be replayed.
bool checkStagingFile(const QString& path, QStringList& warnings, QString& errorText);

#endif // ORVEX_EXPORT_STAGINGCHECK_H
