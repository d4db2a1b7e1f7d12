#ifndef HOSTREADS_H
#define HOSTREADS_H

// Who reads the host's database, on which thread.
//
// The host hands the plug-in its own connection, which belongs to the host's
// GUI thread, and calls makeExport on that thread. An export runs on one
// worker thread (staging, spans, the per-person run, the file); the GUI
// thread meanwhile lets the host's event loop run and reads the host for the
// worker:
//
//   worker thread                          host's GUI thread
//   -------------                          -----------------
//   HostRowReader(reads, sql, ids)  --->   request queued here
//   next() waits for a batch        <---   serveOnePart(): one part of the
//                                          statement (a few hundred people of
//                                          its IN list) on the host's
//                                          connection, rows copied into a batch
//                                          processEvents(), dialogs, cancel
//
// No other connection to the host is ever made: no second login, nothing
// that could lock the host's account, no client library set up on a second
// thread. Each part runs to its end before the next one starts, so the
// host's connection never has two results open, the driver never holds more
// than one part, and the GUI thread is never blocked for longer than one
// part takes: the size of the parts follows the time they take. Rows wait
// in a bounded queue per statement, so the host prepares the next parts while
// the worker writes the earlier ones.
//
// stop() (a cancel, or the end of the export) wakes a worker that waits for
// rows; its readers end as failed, and no further part runs.
//
// Without a HostReads a HostRowReader runs its statement on the calling
// thread's connection (TEST mode, tools, tests).

#include <QMutex>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariant>
#include <QVector>
#include <QWaitCondition>

#include <deque>
#include <memory>

class HostReads
{
public:
    // Made on the thread that owns `host`. The first part of a statement
    // asks for `firstPartPeople` people; later parts follow the time taken.
    explicit HostReads(const QSqlDatabase& host, int firstPartPeople = 64);
    ~HostReads();
    HostReads(const HostReads&) = delete;
    HostReads& operator=(const HostReads&) = delete;

    // One statement asked for by the worker; see HostRowReader.
    struct Request;

    // --- the worker's side
    // Queues `sql`; when `people` is given, "%1" in `sql` stands for the
    // person ids and the statement runs in parts of people. Otherwise, with a
    // `key` column (unique, as a person's uid), a statement over a whole table
    // runs in parts of rows in the order of that key.
    std::shared_ptr<Request> ask(const QString& sql, const QVariantList& values, const QVector<unsigned>* people,
                                 const QString& key = QString());
    // The next batch of rows of `request` (width columns per row), waiting
    // until one has arrived; false at the end of its rows, on a failure of
    // the statement (in `request`) or once stopped.
    bool takeBatch(Request& request, QVector<QVariant>& batch, int& width);
    // Whether a part of `request` failed, and why.
    bool failed(const Request& request, QSqlError* error) const;

    // --- the host connection's thread
    // Runs the next part of the oldest statement that has room for more rows
    // (the one the worker waits for first); false when none has.
    bool serveOnePart();
    // No more parts; a worker waiting for rows is woken.
    void stop();
    bool stopped() const;

private:
    std::shared_ptr<Request> nextToServe();
    void runPart(Request& request, const QString& sql, const QVariantList& values, int size);

    const QSqlDatabase host;
    mutable QMutex mutex;
    QWaitCondition arrived;
    std::deque<std::shared_ptr<Request>> requests;
    Request* waitedFor = nullptr;
    bool isStopped = false;
    const int firstPartPeople;
};

struct HostReads::Request
{
    enum class Parts { Whole, OfPeople, OfKey };
    QString sql;
    QVariantList values;
    Parts parts = Parts::Whole;
    QVector<unsigned> people; // OfPeople: the IN list, and the next person's place
    int nextPerson = 0;
    QString key;              // OfKey: the key column, and the last key read
    QVariant lastKey;
    int partSize = 0;         // people or rows; follows the time and the values of the parts run
    bool allAsked = false;  // every part has run
    bool failed = false;    // a part failed: `error` says why
    QSqlError error;
    std::deque<QVector<QVariant>> batches;
    int width = 0;
    qint64 queuedValues = 0;
};

#endif // HOSTREADS_H
