#include "storedsettings.h"

#include "hostconnection.h"
#include "tooltext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>

QString pluginSettingsType()
{
    return QStringLiteral("Orvexuniversal");
}

SettingsLookup lookUpStoredSettings(const QSqlDatabase& db, const QString& type, int id, StoredSettings& settings,
                                    QString& errorText)
{
    QSqlQuery query(db);
    if (id > 0) {
        query.prepare(QStringLiteral("SELECT id, type, data FROM pamsettings WHERE id = ?"));
        query.addBindValue(id);
    } else {
        query.prepare(QStringLiteral("SELECT id, type, data FROM pamsettings WHERE type = ? ORDER BY id"));
        query.addBindValue(type);
    }
    if (!query.exec()) {
        errorText = OrvexTools::tr("cannot read the stored export settings (pamsettings): %1")
                        .arg(oneLine(query.lastError().text()));
        return SettingsLookup::Failed;
    }
    if (!query.next()) {
        if (id > 0) {
            errorText = OrvexTools::tr("there is no stored export settings record %1 (pamsettings)").arg(id);
            return SettingsLookup::Failed;
        }
        errorText = OrvexTools::tr("there are no stored export settings of type \"%1\" (pamsettings)").arg(type);
        return SettingsLookup::NoneOfType;
    }
    settings.id = query.value(0).toInt();
    const QString storedType = query.value(1).toString();
    if (storedType != type) {
        errorText = OrvexTools::tr("stored export settings record %1 is of type \"%2\", not \"%3\"")
                        .arg(settings.id).arg(storedType, type);
        return SettingsLookup::Failed;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(query.value(2).toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        errorText = OrvexTools::tr("stored export settings record %1 is not a JSON object%2")
                        .arg(settings.id)
                        .arg(parseError.error != QJsonParseError::NoError
                                 ? OrvexTools::tr(": %1 at offset %2").arg(parseError.errorString()).arg(parseError.offset)
                                 : QString());
        return SettingsLookup::Failed;
    }
    const QJsonObject object = document.object();
    settings.record = object;
    settings.inters = object.value(QStringLiteral("inters")).toObject().toVariantHash();
    settings.items = object.value(QStringLiteral("items")).toArray().toVariantList();
    settings.optWidget = object.value(QStringLiteral("optWidget")).toObject().toVariantHash();
    return SettingsLookup::Found;
}

bool readStoredSettings(const QSqlDatabase& db, const QString& type, int id, StoredSettings& settings,
                        QString& errorText)
{
    return lookUpStoredSettings(db, type, id, settings, errorText) == SettingsLookup::Found;
}
