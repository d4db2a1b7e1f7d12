#ifndef ORVEX_TOOLS_STOREDSETTINGS_H
#define ORVEX_TOOLS_STOREDSETTINGS_H

#include <QHash>
#include <QJsonObject>
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
    QJsonObject record; // the record as stored, for checks of its keys' types
};

// The type under which the host stores the plug-in's settings records.
QString pluginSettingsType();

enum class SettingsLookup {
    Found,
    NoneOfType, // id 0 and no record of the type: errorText says so
    Failed      // the record cannot be read or used: errorText says why
};

// Reads the record `id`, which must be of `type`, or with id 0 the first
// record of `type`.
SettingsLookup lookUpStoredSettings(const QSqlDatabase& db, const QString& type, int id, StoredSettings& settings,
                                    QString& errorText);

// As lookUpStoredSettings(); true when the record was found.
bool readStoredSettings(const QSqlDatabase& db, const QString& type, int id, StoredSettings& settings,
                        QString& errorText);

#endif // ORVEX_TOOLS_STOREDSETTINGS_H
