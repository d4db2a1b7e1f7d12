#include "hostrowreader.h"

#include <QAtomicInt>
#include <QMutexLocker>
#include <QSqlError>
#include <QSqlRecord>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

const int rowsPerBatch = 512;
const size_t batchesAhead = 8;

QAtomicInt connectionCounter;

// What a connection of the reader thread needs of the host's, taken on the
// host connection's thread.
struct ConnectionSettings
{
    QString driver;
    QString database;
    QString user;
    QString password;
    QString hostName;
    int port;
    QString options;
    QSql::NumericalPrecisionPolicy precision;

    explicit ConnectionSettings(const QSqlDatabase& host)
        : driver(host.driverName())
        , database(host.databaseName())
        , user(host.userName())
        , password(host.password())
        , hostName(host.hostName())
        , port(host.port())
        , options(host.connectOptions())
        , precision(host.numericalPrecisionPolicy())
    {
    }
};

} // namespace

// A gate that opens once and stays open.
class HostRowReader::Latch
{
public:
    void open()
    {
        QMutexLocker lock(&mutex);
        isOpen = true;
        changed.wakeAll();
    }

    // Waits until the gate is open or `stop` is set (wake() after setting it).
    void wait(const QAtomicInt& stop)
    {
        QMutexLocker lock(&mutex);
        while (!isOpen && !stop.loadAcquire())
            changed.wait(&mutex);
    }

    void wake()
    {
        QMutexLocker lock(&mutex);
        changed.wakeAll();
    }

private:
    QMutex mutex;
    QWaitCondition changed;
    bool isOpen = false;
};

class HostRowReader::Thread : public QThread
{
public:
    Thread(HostRowReader& reader, const QSqlDatabase& host, const QString& sql, const QVariantList& values)
        : reader(reader), settings(host), sql(sql), values(values)
    {
    }

protected:
    void run() override
    {
        const QString name = QStringLiteral("OrvexHostReader%1").arg(connectionCounter.fetchAndAddRelaxed(1));
        read(name);
        QSqlDatabase::removeDatabase(name);
#ifdef __GLIBC__
        // The driver's copy of the rows was allocated on this thread: glibc
        // keeps what a thread freed for that thread's own use unless told.
        malloc_trim(0);
#endif
        // The rows are read (or left to the host's connection) and the
        // driver's copy is freed: a later reader may run its statement.
        reader.nextMayStart->open();
    }

private:
    void read(const QString& name)
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(settings.driver, name);
        connection.setDatabaseName(settings.database);
        connection.setUserName(settings.user);
        connection.setPassword(settings.password);
        connection.setHostName(settings.hostName);
        connection.setPort(settings.port);
        connection.setConnectOptions(settings.options);
        connection.setNumericalPrecisionPolicy(settings.precision);
        if (!connection.isValid() || !connection.open()) {
            QMutexLocker lock(&reader.mutex);
            reader.state = State::Unconnected;
            reader.changed.wakeAll();
            return;
        }
        {
            QMutexLocker lock(&reader.mutex);
            reader.state = State::Reading;
            reader.changed.wakeAll();
        }
        if (reader.earlierDone)
            reader.earlierDone->wait(reader.stopRequested);
        if (reader.stopRequested.loadAcquire()) {
            reader.finish(false, QString(), true);
            return;
        }
        QSqlQuery query(connection);
        query.setForwardOnly(true);
        query.prepare(sql);
        for (const QVariant& value : values)
            query.addBindValue(value);
        if (!query.exec()) {
            reader.finish(false, query.lastError().text(), true);
        } else {
            const int size = query.size();
            if (size >= 0 && size <= reader.smallResultRows)
                reader.nextMayStart->open();
            const int width = query.record().count();
            QVector<QVariant> rows;
            rows.reserve(rowsPerBatch * width);
            bool going = true;
            while (going && query.next()) {
                for (int column = 0; column < width; ++column)
                    rows.append(query.value(column));
                if (rows.size() >= rowsPerBatch * width)
                    going = reader.push(rows, width);
            }
            if (going && !rows.isEmpty())
                going = reader.push(rows, width);
            reader.finish(true, query.lastError().text(), query.lastError().isValid());
        }
        query = QSqlQuery();
        connection.close();
    }

    HostRowReader& reader;
    const ConnectionSettings settings;
    const QString sql;
    const QVariantList values;
};

HostRowReader::HostRowReader(const QSqlDatabase& host, const QString& sql, const QVariantList& values, bool ahead,
                             const HostRowReader* after, int smallResultRows)
    : nextMayStart(std::make_shared<Latch>()), smallResultRows(smallResultRows), host(host), sql(sql), values(values)
{
    if (ahead && host.isOpen() && !host.driverName().isEmpty()) {
        if (after)
            earlierDone = after->nextMayStart;
        thread.reset(new Thread(*this, host, sql, values));
        thread->start();
    } else {
        // Read on the calling thread, when the caller gets to it.
        nextMayStart->open();
    }
}

HostRowReader::~HostRowReader()
{
    if (thread) {
        {
            QMutexLocker lock(&mutex);
            stopping = true;
            changed.wakeAll();
        }
        stopRequested.storeRelease(1);
        if (earlierDone)
            earlierDone->wake();
        thread->wait();
    }
    nextMayStart->open();
}

// The host's own connection runs the statement: no reader thread was asked
// for, or its connection did not open. Only now, so that the host's
// connection runs its statements in the order they are read.
void HostRowReader::readOnThisThread()
{
    sameThreadQuery.reset(new QSqlQuery(host));
    sameThreadQuery->setForwardOnly(true);
    sameThreadQuery->prepare(sql);
    for (const QVariant& value : values)
        sameThreadQuery->addBindValue(value);
    ran = sameThreadQuery->exec();
    if (!ran) {
        failure = true;
        errorText = sameThreadQuery->lastError().text();
    }
}

// Waits until the reader thread's connection is open; one that does not
// open leaves the reading to this thread.
void HostRowReader::start()
{
    started = true;
    if (thread) {
        bool connected = true;
        {
            QMutexLocker lock(&mutex);
            while (state == State::Connecting)
                changed.wait(&mutex);
            connected = state != State::Unconnected;
        }
        if (connected) {
            // The statement's own failure is known with its first rows.
            ran = true;
            return;
        }
        thread->wait();
        thread.reset();
    }
    readOnThisThread();
}

// Queues a batch, waiting while the queue is full; false once the reader is
// asked to stop.
bool HostRowReader::push(QVector<QVariant>& rowsRead, int rowWidth)
{
    QMutexLocker lock(&mutex);
    while (queue.size() >= batchesAhead && !stopping)
        changed.wait(&mutex);
    if (stopping)
        return false;
    width = rowWidth;
    queue.push_back(rowsRead);
    rowsRead.clear();
    rowsRead.reserve(rowsPerBatch * rowWidth);
    changed.wakeAll();
    return true;
}

void HostRowReader::finish(bool ranOnThread, const QString& errorOnThread, bool failedOnThread)
{
    QMutexLocker lock(&mutex);
    threadRan = ranOnThread;
    threadError = errorOnThread;
    threadFailed = failedOnThread;
    state = State::Done;
    changed.wakeAll();
}

bool HostRowReader::takeBatch()
{
    QMutexLocker lock(&mutex);
    while (queue.empty() && state != State::Done)
        changed.wait(&mutex);
    if (!queue.empty()) {
        batch = queue.front();
        queue.pop_front();
        columns = width;
        rows = columns > 0 ? batch.size() / columns : 0;
        row = 0;
        changed.wakeAll();
        return rows > 0;
    }
    ran = threadRan;
    failure = threadFailed;
    errorText = threadError;
    batch.clear();
    row = rows = 0;
    return false;
}

bool HostRowReader::next()
{
    if (!started)
        start();
    if (sameThreadQuery) {
        if (!ran)
            return false;
        if (sameThreadQuery->next())
            return true;
        failure = sameThreadQuery->lastError().isValid();
        errorText = sameThreadQuery->lastError().text();
        return false;
    }
    if (failure)
        return false;
    if (++row < rows)
        return true;
    return takeBatch();
}
