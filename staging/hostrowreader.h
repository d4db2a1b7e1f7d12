#ifndef HOSTROWREADER_H
#define HOSTROWREADER_H

#include <QAtomicInt>
#include <QMutex>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QThread>
#include <QVariant>
#include <QVector>
#include <QWaitCondition>
#include <deque>
#include <memory>

// The rows of one host statement, in the order the statement returns them.
//
// With `ahead` set the rows are read on a thread of their own, through a
// connection cloned from the host's and opened on that thread (the host's
// own connection stays on the thread that has it), and handed over in
// batches through a bounded queue: the caller writes its staging rows while
// the next rows arrive. A host connection that is not open, or whose clone
// cannot be opened (a connection made from a driver object, a driver that
// cannot be loaded again, a server that refuses one more connection), is
// read on the calling thread through the host's own connection, as without
// `ahead`, from the first call of next() on. The thread starts with the
// reader: a reader made early lets the host prepare the rows while the
// caller does other work.
//
// A reader made `after` another one that reads ahead runs its statement only
// once that one has read its last row (or is gone): the host prepares the
// next rows as soon as the earlier ones are in, and the driver never holds
// both results at once. An earlier result of at most `smallResultRows` rows
// lets the later readers start as soon as it has arrived: two small results
// at once cost little memory, and the host prepares the next rows while these
// are written.
//
// A statement that fails or a walk that ends on an error is a failed host
// read: next() returns false and failed() says so (executed() false: the
// statement never ran; otherwise rows were left out).
class HostRowReader
{
public:
    HostRowReader(const QSqlDatabase& host, const QString& sql, const QVariantList& values, bool ahead,
                  const HostRowReader* after = nullptr, int smallResultRows = -1);
    ~HostRowReader();
    HostRowReader(const HostRowReader&) = delete;
    HostRowReader& operator=(const HostRowReader&) = delete;

    // Next row; false at the end or on a failure.
    bool next();
    QVariant value(int column) const
    {
        return sameThreadQuery ? sameThreadQuery->value(column) : batch.at(row * columns + column);
    }

    bool failed() const { return failure; }
    bool executed() const { return ran; }
    QString error() const { return errorText; }

private:
    class Thread;
    friend class Thread;
    class Latch;

    void start();
    void readOnThisThread();
    bool push(QVector<QVariant>& rows, int width);
    void finish(bool ranOnThread, const QString& errorOnThread, bool failedOnThread);
    bool takeBatch();

    // Shared with the reader thread, under `mutex`.
    QMutex mutex;
    QWaitCondition changed;
    std::deque<QVector<QVariant>> queue;
    enum class State { Connecting, Unconnected, Reading, Done } state = State::Connecting;
    bool stopping = false;
    int width = 0;
    bool threadRan = false;
    bool threadFailed = false;
    QString threadError;
    // Open once this reader's rows are all read (or its small result has
    // arrived); what a later reader waits for.
    std::shared_ptr<Latch> nextMayStart;
    std::shared_ptr<Latch> earlierDone;
    const int smallResultRows;
    QAtomicInt stopRequested;

    // The calling thread's side.
    const QSqlDatabase host;
    const QString sql;
    const QVariantList values;
    bool started = false;
    std::unique_ptr<Thread> thread;
    std::unique_ptr<QSqlQuery> sameThreadQuery;
    QVector<QVariant> batch;
    int row = -1;
    int rows = 0;
    int columns = 0;
    bool failure = false;
    bool ran = false;
    QString errorText;
};

#endif // HOSTROWREADER_H
