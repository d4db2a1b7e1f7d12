#include "exportrowsink.h"

#include "runcontext.h"
#include "sqlerrortext.h"
#include "stagingdatabase.h"
#include "stagingsql.h"

#include <QByteArray>
#include <QCoreApplication>
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

QVector<ExportRow> ExportRowSink::fileOrder() const
{
    QVector<QByteArray> dateKeys;
    dateKeys.reserve(rows.size());
    for (const ExportRow& row : rows)
        dateKeys.append(row.dateFrom.toUtf8());
    QVector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int left, int right) {
        if (rows.at(left).pid != rows.at(right).pid)
            return rows.at(left).pid < rows.at(right).pid;
        return dateKeys.at(left) < dateKeys.at(right);
    });
    QVector<ExportRow> sorted;
    sorted.reserve(rows.size());
    for (const int index : order)
        sorted.append(rows.at(index));
    return sorted;
}
