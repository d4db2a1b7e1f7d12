#ifndef HOSTROWREADER_H
#define HOSTROWREADER_H

#include "hostreads.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVector>

#include <memory>

// The rows of one host statement, walked by the thread that needs them.
//
// With `reads` the statement is served by the host connection's thread (see
// hostreads.h): the reader may be made early, so that the host prepares its
// rows while the caller does other work. Without it the statement runs on
// `host` on the calling thread when next() is first called.
//
// `people`, when given, stand for "%1" in `sql` (an IN list); a served
// statement runs in parts of them, so the rows of one person come in the
// statement's order, and the rows of different people in parts. A served
// statement over a whole table with a unique `key` column runs in parts of
// rows in the key's order.
//
// A statement that fails or a walk that ends on an error is a failed host
// read: next() returns false and failed() says so (executed() false: no row
// came before the failure; otherwise rows were left out).
class HostRowReader
{
public:
    HostRowReader(HostReads* reads, const QSqlDatabase& host, const QString& sql, const QVariantList& values,
                  const QVector<unsigned>* people = nullptr, const QString& key = QString());
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
    QString error() const { return sqlError.text(); }
    QSqlError lastError() const { return sqlError; }

private:
    void readOnThisThread();
    bool nextServed();

    HostReads* const reads;
    std::shared_ptr<HostReads::Request> request;
    const QSqlDatabase host;
    const QString sql;
    const QVariantList values;
    const QVector<unsigned> people;
    const bool withPeople;
    bool started = false;
    std::unique_ptr<QSqlQuery> sameThreadQuery;
    QVector<QVariant> batch;
    int row = -1;
    int rows = 0;
    int columns = 0;
    bool anyRow = false;
    bool failure = false;
    bool ran = true;
    QSqlError sqlError;
};

#endif // HOSTROWREADER_H
