#include "hostreads.h"

#include "personids.h"

#include <QElapsedTimer>
#include <QMutexLocker>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Rows waiting per statement: a few parts of the largest statement (25
// columns), some megabytes.
const qint64 maxQueuedValues = 200000;
// A part of people should take a few tens of milliseconds: long enough that
// the statement's own cost does not count, short enough for the event loop.
const qint64 partTooShortMs = 8;
const qint64 partTooLongMs = 30;
const int minPeoplePerPart = 4;
const int maxPeoplePerPart = 4096;
const int firstPartRows = 1000;

// Values of one part at most: the driver's copy of a part and its batch stay
// at a megabyte or two each.
const qint64 maxValuesPerPart = 100000;

// The size (people or rows) of the next part after a part of `size` that
// took `took` ms and gave `values` values: twice as large while parts are
// quick, half as large when one was slow, never more than maxValuesPerPart at
// the rate seen.
int nextPartSize(int size, qint64 took, int values)
{
    int next = size;
    if (took < partTooShortMs)
        next = qMin(size * 2, maxPeoplePerPart * 8);
    else if (took > partTooLongMs)
        next = qMax(size / 2, minPeoplePerPart);
    if (values > 0)
        next = qMin<qint64>(next, qMax<qint64>(minPeoplePerPart, maxValuesPerPart * size / values));
    return next;
}

} // namespace

HostReads::HostReads(const QSqlDatabase& host, int firstPartPeople) : host(host), firstPartPeople(firstPartPeople)
{
}

HostReads::~HostReads()
{
    stop();
}

std::shared_ptr<HostReads::Request> HostReads::ask(const QString& sql, const QVariantList& values,
                                                   const QVector<unsigned>* people, const QString& key)
{
    std::shared_ptr<Request> request = std::make_shared<Request>();
    request->sql = sql;
    request->values = values;
    if (people) {
        request->parts = Request::Parts::OfPeople;
        request->people = *people;
        request->partSize = firstPartPeople;
    } else if (!key.isEmpty()) {
        request->parts = Request::Parts::OfKey;
        request->key = key;
        request->lastKey = -1;
        request->partSize = firstPartRows;
    }
    QMutexLocker lock(&mutex);
    requests.push_back(request);
    return request;
}

bool HostReads::takeBatch(Request& request, QVector<QVariant>& batch, int& width)
{
    QMutexLocker lock(&mutex);
    while (request.batches.empty() && !request.allAsked && !request.failed && !isStopped) {
        waitedFor = &request;
        arrived.wait(&mutex);
    }
    if (waitedFor == &request)
        waitedFor = nullptr;
    if (request.batches.empty() || isStopped)
        return false;
    batch = std::move(request.batches.front());
    request.batches.pop_front();
    width = request.width;
    request.queuedValues -= batch.size();
    return true;
}

bool HostReads::failed(const Request& request, QSqlError* error) const
{
    QMutexLocker lock(&mutex);
    if (error)
        *error = request.error;
    return request.failed;
}

void HostReads::stop()
{
    QMutexLocker lock(&mutex);
    isStopped = true;
    arrived.wakeAll();
}

bool HostReads::stopped() const
{
    QMutexLocker lock(&mutex);
    return isStopped;
}

// The statement the worker waits for, else the oldest one with parts to run
// and room for their rows; finished statements leave the queue.
std::shared_ptr<HostReads::Request> HostReads::nextToServe()
{
    while (!requests.empty() && (requests.front()->allAsked || requests.front()->failed)
           && requests.front().use_count() == 1)
        requests.pop_front();
    const auto hasRoom = [](const Request& request) {
        return !request.allAsked && !request.failed && request.queuedValues < maxQueuedValues;
    };
    for (const std::shared_ptr<Request>& request : requests)
        if (request.get() == waitedFor && hasRoom(*request))
            return request;
    for (const std::shared_ptr<Request>& request : requests)
        if (hasRoom(*request))
            return request;
    return nullptr;
}

bool HostReads::serveOnePart()
{
    std::shared_ptr<Request> request;
    QString sql;
    QVariantList values;
    int size = 0;
    {
        QMutexLocker lock(&mutex);
        if (isStopped)
            return false;
        request = nextToServe();
        if (!request)
            return false;
        sql = request->sql;
        values = request->values;
        if (request->parts == Request::Parts::OfPeople) {
            size = qMin(request->partSize, request->people.size() - request->nextPerson);
            sql = sql.arg(personIdsText(request->people.mid(request->nextPerson, size)));
        } else if (request->parts == Request::Parts::OfKey) {
            // The statement as a derived table: the server merges it and
            // reads the next rows by the key's index.
            size = request->partSize;
            sql = QStringLiteral("SELECT * FROM (%1) part WHERE part.%2 > ? ORDER BY part.%2 LIMIT %3")
                      .arg(sql, request->key)
                      .arg(size);
            values << request->lastKey;
        }
    }
    if (request->parts == Request::Parts::OfPeople && size == 0) {
        // No people: nothing to ask the host.
        QMutexLocker lock(&mutex);
        request->allAsked = true;
        arrived.wakeAll();
        return true;
    }
    runPart(*request, sql, values, size);
    return true;
}

// Runs one part on the host's connection and queues its rows; the size of
// the next part follows the time this one took.
void HostReads::runPart(Request& request, const QString& sql, const QVariantList& values, int size)
{
    QElapsedTimer clock;
    clock.start();
    QSqlQuery query(host);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    QVector<QVariant> rows;
    int width = 0;
    int keyColumn = -1;
    bool ran = query.exec();
    if (ran) {
        width = query.record().count();
        keyColumn = query.record().indexOf(request.key);
        if (query.size() > 0)
            rows.reserve(query.size() * width);
        while (query.next())
            for (int column = 0; column < width; ++column)
                rows.append(query.value(column));
        ran = !query.lastError().isValid();
    }
    const QSqlError error = query.lastError();
    query = QSqlQuery();

    const qint64 took = clock.elapsed();
    const int valuesRead = rows.size();
    const QVariant lastKey = keyColumn >= 0 && !rows.isEmpty() ? rows.at(rows.size() - width + keyColumn) : QVariant();
    QMutexLocker lock(&mutex);
    if (!ran) {
        request.failed = true;
        request.error = error;
    } else {
        if (!rows.isEmpty()) {
            request.width = width;
            request.queuedValues += rows.size();
            request.batches.push_back(std::move(rows));
        }
        switch (request.parts) {
        case Request::Parts::Whole:
            request.allAsked = true;
            break;
        case Request::Parts::OfPeople:
            request.nextPerson += size;
            request.allAsked = request.nextPerson >= request.people.size();
            break;
        case Request::Parts::OfKey:
            // A part short of its size was the last one.
            request.allAsked = width == 0 || valuesRead / width < size || !lastKey.isValid();
            request.lastKey = lastKey;
            break;
        }
    }
    if (request.parts != Request::Parts::Whole && size == request.partSize)
        request.partSize = nextPartSize(size, took, valuesRead);
    arrived.wakeAll();
}
