#include "exportrowsink.h"

#include "runcontext.h"
#include "sqlerrortext.h"
#include "stagingdatabase.h"
#include "stagingsql.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSet>
#include <QSqlError>

#include <algorithm>
#include <numeric>

namespace {

// "INSERT INTO export (item0, ..., item7, pid) VALUES(?, ..., ?)"
QString exportInsertStatement()
{
    QString columns;
    QString values;
    for (int item = 0; item < ExportRow::ItemCount; ++item) {
        columns += QStringLiteral("item%1, ").arg(item);
        values += QStringLiteral("?, ");
    }
    return QStringLiteral("INSERT INTO export (%1pid) VALUES(%2?)").arg(columns, values);
}

} // namespace

ExportRowSink::ExportRowSink(StagingDatabase& target, RunContext& run) : target(&target), run(run) {}

ExportRowSink::ExportRowSink(RunContext& run) : target(nullptr), run(run) {}

void ExportRowSink::write(const ExportRow& row)
{
    if (!target) {
        ExportRow kept = row;
        kept.code = shared(row.code);
        kept.dateFrom = shared(row.dateFrom);
        kept.dateTo = shared(row.dateTo);
        rows.append(kept);
        return;
    }
    // The first failed insert failed the run: the rows after it are not
    // tried (each would log the same failure).
    if (run.failed())
        return;
    static const QString statement = exportInsertStatement();
    QVariantList values;
    for (const QString& item : row.items())
        values << (item.isNull() ? QString(QLatin1String("")) : item); // empty text, never NULL
    values << row.pid;
    QSqlQuery insert;
    if (target->exec(insert, statement, values)) {
        insert.finish();
        return;
    }
    const QString error = insert.lastError().text();
    logSqlFailure(sqliteErrorText("insertToExport", QStringLiteral("INSERT INTO [export]")), error);
    run.fail(QCoreApplication::translate("Orvexuniversal", "tvorba riadkov exportu"), error);
}

QString ExportRowSink::shared(const QString& text)
{
    const auto known = texts.constFind(text);
    if (known != texts.constEnd())
        return known.value();
    texts.insert(text, text);
    return text;
}

QVector<int> ExportRowSink::fileOrder() const
{
    // The date texts are few: each gets its rank among them by UTF-8 bytes.
    QSet<QString> distinct;
    for (const ExportRow& row : rows)
        distinct.insert(row.dateFrom);
    QVector<QPair<QByteArray, QString>> dates;
    for (const QString& date : distinct)
        dates.append(qMakePair(date.toUtf8(), date));
    std::sort(dates.begin(), dates.end());
    QHash<QString, int> rankOf;
    int rank = 0;
    for (int index = 0; index < dates.size(); ++index) {
        if (index > 0 && dates.at(index).first != dates.at(index - 1).first)
            ++rank;
        rankOf.insert(dates.at(index).second, rank);
    }
    QVector<int> ranks;
    ranks.reserve(rows.size());
    for (const ExportRow& row : rows)
        ranks.append(rankOf.value(row.dateFrom));
    QVector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int left, int right) {
        if (rows.at(left).pid != rows.at(right).pid)
            return rows.at(left).pid < rows.at(right).pid;
        return ranks.at(left) < ranks.at(right);
    });
    return order;
}
