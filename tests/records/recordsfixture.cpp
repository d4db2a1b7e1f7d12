#include "recordsfixture.h"

#include <QSqlError>
#include <QSqlRecord>
#include <QtTest>

namespace {
int connections = 0;
}

RecordsFixture::RecordsFixture(const QDate& period, double refFund)
    : name(QStringLiteral("records_%1").arg(++connections)), object(new Orvexuniversal)
{
    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(QStringLiteral(":memory:"));
    db.open();
    Orvexuniversal& p = *object;
    p.stagingDb = db;
    p.stagingQuery = QSqlQuery(db);
    p.createSQLiteTables(p.stagingQuery, false);
    for (const char* table : {"lintersSpans", "lintersSpansAround"})
        exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (id INTEGER PRIMARY KEY, uid INT, iid INT, kod TEXT, "
                            "sum REAL, sumDays REAL, begDay INT, endDay INT, month INT)").arg(QLatin1String(table)));
    exec(QStringLiteral("INSERT INTO lpeople (uid, pid, pamId, refFund) VALUES(1, 7, 'P12', ?)"), {refFund});
    p.periodDate = period;
    p.yearText = QString::number(period.year());
    p.monthText = period.toString(QStringLiteral("MM"));
    p.currentPid = 7;
    p.currentPamPid = QStringLiteral("P12");
    p.iidPN = 15;
    p.iidOCR = 14;
    p.iidKarPN = p.iidKarOCR = 0;
    p.advancedOvertime = p.testMode = false;
}

RecordsFixture::~RecordsFixture()
{
    object.reset();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

void RecordsFixture::exec(const QString& sql, const QVariantList& values) const
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        QTest::qFail(qPrintable(sql + QStringLiteral(": ") + query.lastError().text()), __FILE__, __LINE__);
}

void RecordsFixture::addInterruption(unsigned iid, const QString& record)
{
    const QStringList f = record.split(QLatin1Char(' '));
    const QVariant fund = f.at(2) == QLatin1String("-") ? QVariant(QVariant::Int) : QVariant(f.at(2).toInt());
    exec(QStringLiteral("INSERT INTO latten_data (uid, iid, dom, duration, fund, kod) VALUES(1, ?, ?, ?, ?, ?)"),
         {iid, f.at(0).toInt(), f.at(1).toInt(), fund, f.value(3)});
}

void RecordsFixture::addSpan(const QString& table, unsigned iid, int month, const QString& span)
{
    const QStringList f = span.split(QLatin1Char(' '));
    exec(QStringLiteral("INSERT INTO %1 (uid, iid, kod, sum, sumDays, begDay, endDay, month) "
                        "VALUES(1, ?, ?, ?, ?, ?, ?, ?)").arg(table),
         {iid, f.value(4), f.at(2).toDouble(), f.at(3).toDouble(), f.at(0).toInt(), f.at(1).toInt(), month});
}

void RecordsFixture::addDay(const QString& day)
{
    QStringList f = day.split(QLatin1Char(' '));
    const int dom = f.takeFirst().toInt();
    const QDate date(object->periodDate.year(), object->periodDate.month(), dom);
    QMap<QString, QVariant> columns = {{"uid", 1}, {"dom", dom}, {"dow", date.dayOfWeek()}, {"fond", 28800}};
    for (const char* column : {"hid", "work", "expFund", "vouchers", "tom", "diff", "saldo_p", "night", "readBegin",
                               "readEnd", "bonus"})
        columns.insert(QLatin1String(column), 0);
    for (const QString& pair : f)
        columns.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1).toDouble());
    QString marks = QStringLiteral("?,").repeated(columns.size());
    marks.chop(1);
    exec(QStringLiteral("INSERT INTO latten (%1) VALUES(%2)").arg(columns.keys().join(','), marks), columns.values());
}

QStringList RecordsFixture::rows(bool full) const
{
    QSqlQuery query(db);
    query.exec(full ? QStringLiteral("SELECT item0, item1, item2, item3, item4, item5, item6, item7, pid FROM export")
                    : QStringLiteral("SELECT item3, item4, item5, item6 FROM export ORDER BY id"));
    QStringList result;
    while (query.next()) {
        QStringList fields;
        for (int column = 0; column < query.record().count(); ++column)
            fields << (query.isNull(column) ? QStringLiteral("NULL") : query.value(column).toString());
        result << fields.join(QLatin1Char('|'));
    }
    return result;
}

QVariantHash rowSettings(int kind, int from, int to, int exportType)
{
    return {{"0", exportType}, {"1", kind}, {"2", from}, {"3", to}};
}
