#ifndef PAYROLLFILE_H
#define PAYROLLFILE_H

#include <QHash>
#include <QString>
#include <QVariant>

class StagingDatabase;
struct RunContext;

// Writes the payroll import file run.exportPath/run.exportFileName from the
// rows of `export` in `staging`, sorted by person and date-from, and fills
// the host's result ("doneString" with the run's warnings, "peopleCount",
// "fileName"; "errorString" when no file was written). The file is whole or
// not written: a run that failed, a file that cannot be written or rows that
// cannot be read back leave the earlier file as it was. Returns the number of
// lines, or -1 without a file.
int writePayrollFile(RunContext& run, StagingDatabase& staging, QHash<QString, QVariant>& result);

#endif // PAYROLLFILE_H
