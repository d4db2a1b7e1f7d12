#include "hostdatabase.h"

#include "sqlscript.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

QString socketPath()
{
    QFile file(QString::fromLocal8Bit(qgetenv("ORVEX_MARIADB_DIR")) + QStringLiteral("/socket.path"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(file.readAll()).trimmed();
}

QSqlDatabase openServerConnection(const QString& connectionName, const QString& database)
{
    QSqlDatabase db = QSqlDatabase::contains(connectionName)
                          ? QSqlDatabase::database(connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), connectionName);
    db.setConnectOptions(TestHostDb::connectOptions());
    db.setUserName(QStringLiteral("root"));
    db.setDatabaseName(database);
    db.open();
    return db;
}

} // namespace

QString TestHostDb::connectOptions()
{
    return QStringLiteral("UNIX_SOCKET=") + socketPath();
}

TestHostDb::TestHostDb(const QString& name) : databaseName(name)
{
    {
        QSqlDatabase admin = openServerConnection(QStringLiteral("orvex_test_admin"), QString());
        if (!admin.isOpen()) {
            lastErrorText = admin.lastError().text();
            return;
        }
        QSqlQuery query(admin);
        query.exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(name));
        if (!query.exec(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET utf8mb4").arg(name))) {
            lastErrorText = query.lastError().text();
            return;
        }
    }
    connection = openServerConnection(QStringLiteral("orvex_test_") + name, name);
    if (!connection.isOpen()) {
        lastErrorText = connection.lastError().text();
        return;
    }
    for (const QString& statement : sqlScriptStatements(QStringLiteral(ORVEX_HOSTDB_SCHEMA)))
        exec(statement);
}

TestHostDb::~TestHostDb() = default;

QSqlDatabase TestHostDb::openAsDefaultConnection() const
{
    return openServerConnection(QLatin1String(QSqlDatabase::defaultConnection), databaseName);
}

bool TestHostDb::exec(const QString& sql, const QVariantList& values)
{
    QSqlQuery query(connection);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (query.exec())
        return true;
    lastErrorText = query.lastError().text() + QStringLiteral(" in: ") + sql;
    qWarning("TestHostDb: %s", qPrintable(lastErrorText));
    return false;
}

void TestHostDb::addInterruptionType(unsigned iid, const QString& name)
{
    exec(QStringLiteral("INSERT INTO inters (iid, name) VALUES (?, ?)"), {iid, name});
}

void TestHostDb::addGroup(int gid, const QString& name, int refFund, int refFundValue, int refFundAllDay)
{
    exec(QStringLiteral("INSERT INTO `groups` (gid, name, refFund, refFundValue, refFundAllDay) VALUES (?,?,?,?,?)"),
         {gid, name, refFund, refFundValue, refFundAllDay});
}

void TestHostDb::addBranch(int bid, const QString& name)
{
    exec(QStringLiteral("INSERT INTO branches (bid, name) VALUES (?, ?)"), {bid, name});
}

void TestHostDb::addDepartment(int did, const QString& name)
{
    exec(QStringLiteral("INSERT INTO departs (did, name) VALUES (?, ?)"), {did, name});
}

namespace {
// Builds "INSERT INTO table (a, b, ...) VALUES (?, ?, ...)" from a column hash.
bool insertRow(TestHostDb& db, const QString& table, const QVariantHash& columns)
{
    QStringList names, marks;
    QVariantList values;
    for (auto it = columns.constBegin(); it != columns.constEnd(); ++it) {
        names << QLatin1Char('`') + it.key() + QLatin1Char('`');
        marks << QStringLiteral("?");
        values << it.value();
    }
    return db.exec(QStringLiteral("INSERT INTO `%1` (%2) VALUES (%3)")
                       .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                   values);
}
} // namespace

void TestHostDb::addPerson(unsigned uid, int pid, const QVariantHash& columns)
{
    QVariantHash row = columns;
    row.insert(QStringLiteral("uid"), uid);
    row.insert(QStringLiteral("pid"), pid);
    insertRow(*this, QStringLiteral("people"), row);
}

void TestHostDb::addHoliday(const QDate& date, int hid)
{
    exec(QStringLiteral("INSERT INTO holidays (`date`, hid) VALUES (?, ?)"), {localMidnight(date), hid});
}

void TestHostDb::setVar(const QString& name, const QString& value)
{
    exec(QStringLiteral("INSERT INTO vars (name, value) VALUES (?, ?)"), {name, value});
}

void TestHostDb::addDay(unsigned uid, const QDate& date, const QVariantHash& columns)
{
    QVariantHash row = columns;
    row.insert(QStringLiteral("uid"), uid);
    row.insert(QStringLiteral("date"), localMidnight(date));
    row.insert(QStringLiteral("dom"), date.day());
    row.insert(QStringLiteral("dow"), date.dayOfWeek());
    insertRow(*this, QStringLiteral("atten"), row);
}

void TestHostDb::addInterruption(unsigned uid, unsigned iid, const QDateTime& from, int duration, int del)
{
    exec(QStringLiteral("INSERT INTO atten_data (uid, iid, `from`, duration, del) VALUES (?,?,?,?,?)"),
         {uid, iid, uint(from.toSecsSinceEpoch()), duration, del});
}

void TestHostDb::closeMonth(unsigned uid, int monthKey, int days, int checks, int oks)
{
    exec(QStringLiteral("INSERT INTO atten_month (uid, month, days, checks, oks) VALUES (?,?,?,?,?)"),
         {uid, monthKey, days, checks, oks});
}

void TestHostDb::addPamSettings(const QByteArray& json, const QString& type)
{
    exec(QStringLiteral("INSERT INTO pamsettings (type, data) VALUES (?, ?)"), {type, json});
}
