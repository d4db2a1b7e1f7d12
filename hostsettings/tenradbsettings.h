#ifndef TENRADBSETTINGS_H
#define TENRADBSETTINGS_H

#include <QMap>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>

// Host-wide settings kept as name/value pairs in the host table `vars`.
class TenraDbSettings
{
public:
    // Reads the named variables with one query on `db`. Names that the table
    // does not hold have no entry; a failed query gives an empty map and two
    // critical log lines.
    static QMap<QString, QVariant> variableGetMultiple(QSqlDatabase db, const QStringList& names);
};

#endif // TENRADBSETTINGS_H
