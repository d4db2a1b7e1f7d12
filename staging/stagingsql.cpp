#include "stagingsql.h"

#include "numbertext.h"
#include "sqlerrortext.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlRecord>

namespace {
SqlFailureWatch* innermostWatch = nullptr;
}

void logSqlFailure(const QString& fixedText, const QString& errorText)
{
    qWarning() << fixedText.toUtf8().constData() << errorText;
    if (innermostWatch)
        innermostWatch->note(fixedText, errorText);
}

bool walkCompleted(const QSqlQuery& query, const QString& fixedText)
{
    if (!query.lastError().isValid())
        return true;
    logSqlFailure(fixedText, query.lastError().text());
    return false;
}

SqlFailureWatch::SqlFailureWatch() : outer(innermostWatch)
{
    innermostWatch = this;
}

SqlFailureWatch::~SqlFailureWatch()
{
    innermostWatch = outer;
    if (outer && seen)
        outer->note(statement, reason);
}

void SqlFailureWatch::note(const QString& fixedText, const QString& errorText)
{
    if (seen)
        return;
    seen = true;
    statement = fixedText;
    reason = errorText;
}

QString nonNullText(const QVariant& value)
{
    const QString text = value.toString();
    return text.isNull() ? QString(QLatin1String("")) : text;
}

StagingTransaction::StagingTransaction(const QSqlDatabase& db, const char* where)
    : db(db), where(where), open(false)
{
    open = this->db.transaction();
    if (!open)
        logSqlFailure(QLatin1String(where) + QLatin1String(" ::: SQLite ERROR: (BEGIN TRANSACTION) :: "),
                      this->db.lastError().text());
}

StagingTransaction::~StagingTransaction()
{
    commit();
}

void StagingTransaction::commit()
{
    if (!open)
        return;
    open = false;
    if (!db.commit())
        logSqlFailure(QLatin1String(where) + QLatin1String(" ::: SQLite ERROR: (COMMIT) :: "), db.lastError().text());
}

void createStagingIndex(QSqlQuery& query, const char* where, const char* indexName, const char* table,
                        const char* columns)
{
    const QString sql = QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                            .arg(QLatin1String(indexName), QLatin1String(table), QLatin1String(columns));
    if (!query.exec(sql))
        logSqlFailure(QStringLiteral("%1 ::: SQLite ERROR: (CREATE INDEX [%2]) :: ")
                          .arg(QLatin1String(where), QLatin1String(table)),
                      query.lastError().text());
}

void createPersonDayIndex(QSqlQuery& query, const char* where)
{
    createStagingIndex(query, where, "idx_latten_uid_dom_values", "latten", "uid, dom, id, work, fond, expFund");
}

SpanWriter::SpanWriter(const QSqlDatabase& db, const QString& table) : query(db)
{
    query.prepare(QStringLiteral("INSERT INTO %1 (uid, iid, kod, sum, sumDays, begDay, endDay, month) "
                                 "VALUES(?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(table));
}

bool SpanWriter::insert(unsigned uid, unsigned iid, const QString& kod, double sum, double sumDays, int begDay,
                        int endDay, int month)
{
    return run(uid, iid, kod, sum, roundedToSixDigits(sumDays), begDay, endDay, month);
}

bool SpanWriter::insertDays(unsigned uid, unsigned iid, const QString& kod, double sum, int begDay, int endDay,
                            int month)
{
    return run(uid, iid, kod, sum, endDay - begDay + 1, begDay, endDay, month);
}

bool SpanWriter::run(unsigned uid, unsigned iid, const QString& kod, double sum, const QVariant& sumDays,
                     int begDay, int endDay, int month)
{
    query.addBindValue(uid);
    query.addBindValue(iid);
    query.addBindValue(nonNullText(kod));
    query.addBindValue(roundedToSixDigits(sum));
    query.addBindValue(sumDays);
    query.addBindValue(begDay);
    query.addBindValue(endDay);
    query.addBindValue(month);
    return query.exec();
}

QString SpanWriter::errorText() const
{
    return query.lastError().text();
}

void insertPartialDays(const QSqlDatabase& db, const PartialDaySource& source, unsigned iid, const QString& kod,
                       int month)
{
    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral("SELECT * FROM %1  WHERE %2")
                       .arg(QLatin1String(source.table), QLatin1String(source.condition)))) {
        logSqlFailure(sqliteErrorText(source.operation, QStringLiteral("SELECT FROM [%1] ").arg(QLatin1String(source.table))),
                      rows.lastError().text());
        return;
    }
    const QSqlRecord columns = rows.record();
    const auto at = [&columns](const char* name) { return columns.indexOf(QLatin1String(name)); };
    const int uidColumn = at("uid"), domColumn = at("dom"), iidColumn = at("iid"), kodColumn = at("kod"),
              monthColumn = at("month"), amountColumn = at(source.amountColumn), fundColumn = at(source.fundColumn);
    SpanWriter writer(db, QStringLiteral("lintersSpans"));
    while (rows.next()) {
        const double hours = rows.value(amountColumn).toDouble() / 3600.0;
        const double fundHours = rows.value(fundColumn).toDouble() / 3600.0;
        const int dom = rows.value(domColumn).toInt();
        // The first failed insert stops the step: it fails all the same.
        if (!writer.insert(rows.value(uidColumn).toUInt(), iidColumn < 0 ? iid : rows.value(iidColumn).toUInt(),
                           kodColumn < 0 ? kod : nonNullText(rows.value(kodColumn)), hours, hours / fundHours, dom,
                           dom, monthColumn < 0 ? month : rows.value(monthColumn).toInt())) {
            logSqlFailure(sqliteErrorText(source.operation, QStringLiteral("INSERT INTO [lintersSpans]")),
                          writer.errorText());
            return;
        }
    }
    walkCompleted(rows, sqliteErrorText(source.operation, QStringLiteral("SELECT FROM [%1] ").arg(QLatin1String(source.table))));
}
