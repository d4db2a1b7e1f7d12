#include "hostrowreader.h"

#include "personids.h"

#include <QCoreApplication>

HostRowReader::HostRowReader(HostReads* reads, const QSqlDatabase& host, const QString& sql,
                             const QVariantList& values, const QVector<unsigned>* people, const QString& key)
    : reads(reads)
    , host(host)
    , sql(sql)
    , values(values)
    , people(people ? *people : QVector<unsigned>())
    , withPeople(people != nullptr)
{
    if (reads)
        request = reads->ask(sql, values, people, key);
}

// The statement on the calling thread's connection, whole, when the caller
// gets to it: the connection runs its statements in the order they are read.
void HostRowReader::readOnThisThread()
{
    sameThreadQuery.reset(new QSqlQuery(host));
    sameThreadQuery->setForwardOnly(true);
    sameThreadQuery->prepare(withPeople ? sql.arg(personIdsText(people)) : sql);
    for (const QVariant& value : values)
        sameThreadQuery->addBindValue(value);
    ran = sameThreadQuery->exec();
    if (!ran) {
        failure = true;
        sqlError = sameThreadQuery->lastError();
    }
}

bool HostRowReader::nextServed()
{
    if (++row < rows)
        return true;
    if (reads->takeBatch(*request, batch, columns)) {
        rows = columns > 0 ? batch.size() / columns : 0;
        row = 0;
        anyRow = true;
        return rows > 0;
    }
    batch.clear();
    row = rows = 0;
    if (reads->failed(*request, &sqlError)) {
        failure = true;
        ran = anyRow;
    } else if (reads->stopped()) {
        // The export was stopped while rows were still to come.
        failure = true;
        sqlError = QSqlError(QCoreApplication::translate("Orvexuniversal", "čítanie zastavené"), QString(),
                             QSqlError::UnknownError);
    }
    return false;
}

bool HostRowReader::next()
{
    if (!started) {
        started = true;
        if (!reads)
            readOnThisThread();
    }
    if (failure)
        return false;
    if (reads)
        return nextServed();
    if (sameThreadQuery->next())
        return true;
    failure = sameThreadQuery->lastError().isValid();
    sqlError = sameThreadQuery->lastError();
    return false;
}
