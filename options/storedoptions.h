#ifndef STOREDOPTIONS_H
#define STOREDOPTIONS_H

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// The defaults record the host asks the plug-in for (getOptionsData): the
// bonus item names and codes, the interruption codes and the host's flags.
QHash<QString, QVariant> exportOptionsDefaults();

// The export settings the host has stored for this plug-in (table
// pamsettings), with "intersNames" (iid -> name of table inters) added, as the
// options page needs them. An invalid `host` reads through the application's
// default connection, which in the host is the host's own database.
QHash<QString, QVariant> storedOptionsForPage(const QSqlDatabase& host);

#endif // STOREDOPTIONS_H
