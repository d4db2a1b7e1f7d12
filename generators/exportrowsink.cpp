#include "exportrowsink.h"

#include "runcontext.h"
#include "sqlerrortext.h"
#include "stagingdatabase.h"
#include "stagingsql.h"

#include <QCoreApplication>
#include <QSqlError>

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

ExportRowSink::ExportRowSink(StagingDatabase& target, RunContext& run) : target(target), run(run) {}

void ExportRowSink::write(const ExportRow& row)
{
    static const QString statement = exportInsertStatement();
    QVariantList values;
    for (const QString& item : row.items())
        values << (item.isNull() ? QString(QLatin1String("")) : item); // empty text, never NULL
    values << row.pid;
    QSqlQuery insert;
    if (target.exec(insert, statement, values)) {
        insert.finish();
        return;
    }
    const QString error = insert.lastError().text();
    logSqlFailure(sqliteErrorText("insertToExport", QStringLiteral("INSERT INTO [export]")), error);
    run.fail(QCoreApplication::translate("Orvexuniversal", "tvorba riadkov exportu"), error);
}
