#include "exportworker.h"

#include "exportprogress.h"
#include "hostreads.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

// Host parts are served for this long before the event loop gets its turn.
const qint64 servingSliceMs = 10;
// With nothing to serve, the calling thread waits this long for the worker.
const unsigned long idleWaitMs = 5;

class WorkerThread : public QThread
{
public:
    explicit WorkerThread(const std::function<int()>& work) : work(work) {}
    int result = -1;

protected:
    void run() override { result = work(); }

private:
    const std::function<int()> work;
};

} // namespace

int runOnWorkerThread(const std::function<int()>& work, HostReads& reads, const ExportProgress& progress,
                      const std::function<void()>& betweenParts)
{
    WorkerThread worker(work);
    worker.start();
    QElapsedTimer slice;
    while (!worker.isFinished()) {
        slice.start();
        bool served = false;
        while (slice.elapsed() < servingSliceMs && reads.serveOnePart())
            served = true;
        betweenParts();
        if (progress.cancelRequested())
            reads.stop();
        if (!served)
            worker.wait(idleWaitMs);
    }
    reads.stop();
    worker.wait();
    return worker.result;
}
