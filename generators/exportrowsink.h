#ifndef EXPORTROWSINK_H
#define EXPORTROWSINK_H

#include "exportrow.h"

#include <QHash>
#include <QVector>

#include <deque>

class StagingDatabase;
struct RunContext;

// Where the record generators put their rows: the table `export` of a
// staging database (the output database of a TEST run, or one a caller
// reads itself), or the sink's own memory, from which the payroll file is
// written. A row that cannot be written to its table is logged and fails the
// run: a row missing from the file is somebody's wrong pay.
class ExportRowSink
{
public:
    // Rows into the table `export` of `target`.
    ExportRowSink(StagingDatabase& target, RunContext& run);
    // Rows kept in memory.
    explicit ExportRowSink(RunContext& run);

    void write(const ExportRow& row);

    // The rows kept in memory, and their indexes in the order of the file:
    // by pid, then by the date-from text as "ORDER BY pid, item5" orders the
    // table (text by its UTF-8 bytes), rows alike in both in the order they
    // were written.
    using KeptRows = std::deque<ExportRow>;
    const KeptRows& keptRows() const { return rows; }
    QVector<int> fileOrder() const;

private:
    QString shared(const QString& text);

    StagingDatabase* target;
    RunContext& run;
    // A deque grows without copying the rows it holds: a large export's rows
    // are never held twice.
    KeptRows rows;
    // Codes, values and dates repeat from row to row: one copy of each text
    // is kept.
    QHash<QString, QString> texts;
};

#endif // EXPORTROWSINK_H
