#ifndef EXPORTROWSINK_H
#define EXPORTROWSINK_H

#include "exportrow.h"

class StagingDatabase;
struct RunContext;

// Where the record generators put their rows: the table `export` of a
// staging database (the run's own, or the output database of a TEST run).
// A row that cannot be written is logged and fails the run: a row missing
// from the file is somebody's wrong pay.
class ExportRowSink
{
public:
    ExportRowSink(StagingDatabase& target, RunContext& run);
    void write(const ExportRow& row);

private:
    StagingDatabase& target;
    RunContext& run;
};

#endif // EXPORTROWSINK_H
