#ifndef HOSTDATABASE_H
#define HOSTDATABASE_H

#include "exportparameters.h" // localMidnight() and monthPeriod(), as the host sets them

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// A host database in the private MariaDB server, built afresh from the host
// schema for one test, and reached through Qt's QMYSQL driver as the host
// reaches it. The builders fill the host tables the way the host does: day
// records stamped with the local midnight of their day, dom and dow of the
// local date, month keys year * 100 + month.
class TestHostDb
{
public:
    explicit TestHostDb(const QString& name);
    ~TestHostDb();

    bool isOpen() const { return connection.isOpen(); }
    QString errorText() const { return lastErrorText; }
    QSqlDatabase db() const { return connection; }
    QString name() const { return databaseName; }

    // Runs one statement with positional values bound; false on failure
    // (the error is kept in errorText()).
    bool exec(const QString& sql, const QVariantList& values = QVariantList());

    void addInterruptionType(unsigned iid, const QString& name);
    void addGroup(int gid, const QString& name, int refFund = 0, int refFundValue = 0, int refFundAllDay = 0);
    void addBranch(int bid, const QString& name);
    void addDepartment(int did, const QString& name);

    // Columns of `people` beyond uid and pid; missing keys take the table's
    // defaults (status 1, tom 0) or NULL.
    void addPerson(unsigned uid, int pid, const QVariantHash& columns = QVariantHash());
    void addHoliday(const QDate& date, int hid = 1);
    void setVar(const QString& name, const QString& value);
    // A day record; `columns` sets any of fond, work, hid, night, diff, ... .
    void addDay(unsigned uid, const QDate& date, const QVariantHash& columns = QVariantHash());
    void addInterruption(unsigned uid, unsigned iid, const QDateTime& from, int duration, int del = 0);
    void closeMonth(unsigned uid, int monthKey, int days = 20, int checks = 20, int oks = 0);
    void addPamSettings(const QByteArray& json, const QString& type = QStringLiteral("Orvexuniversal"));

    // The application's default connection, opened on this database (the
    // host's options page reads the stored settings through it).
    QSqlDatabase openAsDefaultConnection() const;

    // Connection options for a QMYSQL connection to the private server.
    static QString connectOptions();

private:
    QString databaseName;
    QSqlDatabase connection;
    QString lastErrorText;
};

#endif // HOSTDATABASE_H
