#ifndef ORVEX_EXPORT_HOSTSESSION_H
#define ORVEX_EXPORT_HOSTSESSION_H

#include "commandline.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// One stored export settings record of the host (table pamsettings): the
// payroll codes of the interruptions and bonus items and the options record.
struct StoredSettings
{
    int id = 0;
    QHash<QString, QVariant> inters;
    QVariantList items;
    QHash<QString, QVariant> optWidget;
};

// Opens the host's database through the Qt MySQL driver. The password is
// used for the connection only; it is never part of an error text.
bool openHostDatabase(const ExportRequest& request, const QString& password, QSqlDatabase& db,
                      QString& errorText);

// Reads the record `id` of `type`, or with id 0 the first record of `type`.
bool readStoredSettings(const QSqlDatabase& db, const QString& type, int id, StoredSettings& settings,
                        QString& errorText);

#endif // ORVEX_EXPORT_HOSTSESSION_H
