#ifndef PAYROLLFILE_H
#define PAYROLLFILE_H

#include <QHash>
#include <QString>
#include <QVariant>

#include <functional>

class ExportRowSink;
class QTextStream;
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
// The same from the rows kept in memory by `rows`.
int writePayrollFile(RunContext& run, const ExportRowSink& rows, QHash<QString, QVariant>& result);

// What both share: `writeLines` writes the lines and returns their number,
// or -1 with the reason in its second argument.
int writePayrollFile(RunContext& run, QHash<QString, QVariant>& result,
                     const std::function<int(QTextStream&, QString&)>& writeLines);

#endif // PAYROLLFILE_H
