#ifndef EXPORTWORKER_H
#define EXPORTWORKER_H

#include <functional>

class ExportProgress;
class HostReads;

// Runs `work` (an export's stages) on a worker thread of its own and returns
// its value. Meanwhile the calling thread, which owns the host's connection,
// serves the worker's host reads in short parts (hostreads.h) and calls
// `betweenParts` (the event loop, the dialogs) at least every few tens of
// milliseconds; a cancel in `progress` stops the reads, and the work stops at
// its next check of the run. When the work is done no read is left running.
int runOnWorkerThread(const std::function<int()>& work, HostReads& reads, const ExportProgress& progress,
                      const std::function<void()>& betweenParts);

#endif // EXPORTWORKER_H
