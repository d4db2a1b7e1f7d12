// Export rows and their date rules: the insertion of a row into `export`, the
// two dates of a row, working days, the sick-leave days of a person and the
// checks whether an interruption continues across the month boundary.

#include "orvexuniversal.h"

#include "datechoice.h"
#include "workingdays.h"

#include <QDebug>
#include <QSqlDriver>
#include <QSqlError>

namespace {

// "INSERT INTO export (item0, ..., item<n-1>, pid) VALUES(?, ..., ?)"
QString exportInsertStatement(int partCount)
{
    QString columns;
    QString values;
    for (int part = 0; part < partCount; ++part) {
        columns += QStringLiteral("item%1, ").arg(part);
        values += QStringLiteral("?, ");
    }
    return QStringLiteral("INSERT INTO export (%1pid) VALUES(%2?)").arg(columns, values);
}

} // namespace

void Orvexuniversal::insertToExport(QSqlQuery query, QString data, QString separator, int pid)
{
    const QSqlDriver* driver = exportRowDriver(query);
    if (separator.isEmpty())
        return;
    const QStringList parts = data.split(separator, QString::KeepEmptyParts, Qt::CaseSensitive);
    QString error;
    if (!execExportInsert(driver, parts, pid, error)) {
        qWarning() << "Orvexuniversal::insertToExport() ::: SQLite ERROR: (INSERT INTO [export]) :: " << error;
        // A row missing from the file is somebody's wrong pay.
        failRun(tr("tvorba riadkov exportu"), error);
    }
}

const QSqlDriver* Orvexuniversal::exportRowDriver(const QSqlQuery& query)
{
    // TEST mode writes the rows into its own output database.
    if (testMode) {
        testOutDb.setDatabaseName(testOutputDbPath);
        return testOutDb.driver();
    }
    return query.driver();
}

QSqlQuery& Orvexuniversal::preparedExportInsert(const QSqlDriver* driver, int partCount)
{
    if (driver != exportInsertDriver) {
        // Another connection: statements prepared on the earlier one are of
        // no use. When that connection's driver goes away (the next export
        // replaces the connection) the cache is dropped with it, so a new
        // driver at the same address never meets stale statements.
        exportInserts.clear();
        if (exportInsertDriver)
            QObject::disconnect(exportInsertDriver, nullptr, &exportInsertWatch, nullptr);
        exportInsertDriver = driver;
        QObject::connect(driver, &QObject::destroyed, &exportInsertWatch, [this]() {
            exportInserts.clear();
            exportInsertDriver = nullptr;
        });
    }
    auto cached = exportInserts.find(partCount);
    if (cached == exportInserts.end()) {
        QSqlQuery insert(driver->createResult());
        insert.prepare(exportInsertStatement(partCount));
        cached = exportInserts.insert(partCount, insert);
    }
    return cached.value();
}

bool Orvexuniversal::execExportInsert(const QSqlDriver* driver, const QStringList& parts, int pid,
                                      QString& error)
{
    if (!driver) {
        error = QStringLiteral("no database connection");
        return false;
    }
    // One retry on a freshly prepared statement: a connection that was closed
    // and opened again keeps its driver but loses the prepared statements.
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlQuery& insert = preparedExportInsert(driver, parts.size());
        if (insert.lastError().isValid()) { // the statement did not prepare (more parts than columns)
            error = insert.lastError().text();
            exportInserts.remove(parts.size());
            return false;
        }
        for (int part = 0; part < parts.size(); ++part)
            insert.bindValue(part, parts.at(part));
        insert.bindValue(parts.size(), pid);
        if (insert.exec()) {
            insert.finish();
            return true;
        }
        error = insert.lastError().text();
        exportInserts.remove(parts.size());
    }
    return false;
}

QSqlQuery Orvexuniversal::stagingStatement(const QString& sql)
{
    const QSqlDriver* driver = stagingDb.driver();
    if (driver != stagingStatementDriver) {
        // Another connection: see preparedExportInsert().
        stagingStatements.clear();
        if (stagingStatementDriver)
            QObject::disconnect(stagingStatementDriver, nullptr, &stagingStatementWatch, nullptr);
        stagingStatementDriver = driver;
        if (driver)
            QObject::connect(driver, &QObject::destroyed, &stagingStatementWatch, [this]() {
                stagingStatements.clear();
                stagingStatementDriver = nullptr;
            });
    }
    const auto cached = stagingStatements.constFind(sql);
    if (cached != stagingStatements.constEnd())
        return cached.value();
    QSqlQuery statement(stagingDb);
    statement.setForwardOnly(true);
    // A statement that does not prepare is not kept: it fails again, and
    // says why, on every use.
    if (statement.prepare(sql))
        stagingStatements.insert(sql, statement);
    return statement;
}

bool Orvexuniversal::execStagingStatement(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    // One retry on a freshly prepared statement: a connection that was closed
    // and opened again keeps its driver but loses the prepared statements.
    for (int attempt = 0; attempt < 2; ++attempt) {
        query = stagingStatement(sql);
        for (int index = 0; index < values.size(); ++index)
            query.bindValue(index, values.at(index));
        if (query.exec())
            return true;
        stagingStatements.remove(sql);
    }
    return false;
}

void Orvexuniversal::dropStagingStatements()
{
    stagingStatements.clear();
    refFundsLoaded = false;
    refFundsByUid.clear();
}

void Orvexuniversal::writeExportRow(const QString& code, const QString& value, const QString& dateFrom,
                                    const QString& dateTo)
{
    const QStringList fields = {yearText, monthText, currentPamPid, code, value, dateFrom, dateTo};
    rowText = QStringLiteral("%1;%2;%3;%4;%5;%6;%7;")
                  .arg(yearText, monthText, currentPamPid, code, value, dateFrom, dateTo);
    for (const QString& field : fields) {
        if (field.contains(QLatin1Char(';'))) {
            // Split at ";" the row would spill into further columns and be
            // lost; its fields go into the row as they are.
            QString error;
            if (!execExportInsert(exportRowDriver(stagingQuery), fields + QStringList(QString()), currentPid, error)) {
                qWarning() << "Orvexuniversal::insertToExport() ::: SQLite ERROR: (INSERT INTO [export]) :: "
                           << error;
                failRun(tr("tvorba riadkov exportu"), error);
            }
            return;
        }
    }
    insertToExport(stagingQuery, rowText, QStringLiteral(";"), currentPid);
}

QString Orvexuniversal::getValidDateByComboIndex(unsigned begin, unsigned end, int comboIndex, bool isEnd)
{
    return dateChoiceText(periodDate, begin, end, comboIndex, isEnd, dateFormatOption(exportOptions));
}

int Orvexuniversal::getNumOfWorkDaysForInterval(int fromDay, int toDay)
{
    return workingDaysInInterval(periodDate, fromDay, toDay, holidaysMap);
}

void Orvexuniversal::getListDaysOfPN(unsigned uid)
{
    listDaysOfPN.clear();
    // Without a choice in the options, sick leave and family care are the
    // host's usual ids; the choice holds for the rest of the export.
    if (iidPN == 0)
        iidPN = 15;
    if (iidOCR == 0)
        iidOCR = 14;

    QSqlQuery query(stagingDb);
    if (!execStagingStatement(query,
                              QStringLiteral("SELECT dom FROM latten_data WHERE uid=? AND (iid=? OR iid=? OR iid=? "
                                             "OR iid=?) AND duration > 0"),
                              {uid, iidPN, iidOCR, iidKarPN, iidKarOCR})) {
        qWarning() << "Orvexuniversal::getListDaysOfPN() ::: SQLite ERROR: " << query.lastError().text();
        return;
    }
    while (query.next()) {
        const int day = query.value(0).toInt();
        if (!listDaysOfPN.contains(day))
            listDaysOfPN.append(day);
    }
    query.finish();
}

bool Orvexuniversal::isPNcontFromPrevMonth(unsigned iid, unsigned uid)
{
    const QDate previous = periodDate.addMonths(-1);
    QSqlQuery query(stagingDb);
    if (!execStagingStatement(
            query,
            QStringLiteral("SELECT * FROM lintersSpansAround WHERE uid=? AND month = ? AND iid = ? AND endDay = ? "),
            {uid, previous.month(), iid, previous.daysInMonth()})) {
        qWarning() << "Orvexuniversal::isPNcontFromPrevMonth() ::: SQLite ERROR: (SELECT * FROM lintersSpansAround "
                      "WHERE uid=%1 AND month = %2 AND iid = %3 AND endDay = %4) :: "
                   << query.lastError().text();
        return false;
    }
    const bool found = query.next();
    query.finish();
    return found;
}

bool Orvexuniversal::isPNcontToNextMonth(unsigned iid, unsigned uid)
{
    const QDate next = periodDate.addMonths(1);
    QSqlQuery query(stagingDb);
    if (!execStagingStatement(
            query,
            QStringLiteral("SELECT * FROM lintersSpansAround WHERE uid=? AND month = ? AND iid = ? AND begDay = 1 "),
            {uid, next.month(), iid})) {
        qWarning() << "Orvexuniversal::isPNcontToNextMonth() ::: SQLite ERROR: (SELECT * FROM lintersSpansAround "
                      "WHERE uid=%1 AND month = %2 AND iid = %3 AND begDay = 1) :: "
                   << query.lastError().text();
        return false;
    }
    const bool found = query.next();
    query.finish();
    return found;
}

bool Orvexuniversal::isInPNset(unsigned iid) const
{
    return iid != 0 && (iid == iidPN || iid == iidOCR || iid == iidKarPN || iid == iidKarOCR);
}

void Orvexuniversal::reportSkippedValue(const char* operation, unsigned uid, const QString& days,
                                        const QString& what)
{
    qWarning("Orvexuniversal::%s() ::: value in days skipped, no day fund (personal number: %s, uid: %u, day: %s, "
             "value: %s)",
             operation, qUtf8Printable(currentPamPid), uid, qUtf8Printable(days), qUtf8Printable(what));
    exportWarnings << tr("Osobné číslo %1: hodnota v dňoch (%2) za %3 nebola exportovaná, "
                         "deň nemá fond pracovného času.")
                          .arg(currentPamPid, what, days);
}

bool Orvexuniversal::optionFlag(const char* key) const
{
    return exportOptions.value(QLatin1String(key)).toBool();
}

void Orvexuniversal::clearContinuedDates(unsigned iid, unsigned uid, int firstDay, int lastDay, QString& dateFrom,
                                         QString& dateTo)
{
    if (firstDay == 1 && optionFlag("isNoPNstartDate") && isPNcontFromPrevMonth(iid, uid))
        dateFrom.clear();
    if (lastDay == periodDate.daysInMonth() && optionFlag("isNoPNendDate") && isPNcontToNextMonth(iid, uid))
        dateTo.clear();
}

QString Orvexuniversal::dayText(int firstDay, int lastDay) const
{
    const auto text = [this](int day) {
        const QDate date = day >= 1 ? QDate(periodDate.year(), periodDate.month(), day) : QDate();
        return date.isValid() ? date.toString(QStringLiteral("d.M.yyyy")) : QString::number(day);
    };
    return firstDay == lastDay ? text(firstDay) : text(firstDay) + QStringLiteral(" - ") + text(lastDay);
}
