#include "rowsettings.h"

int settingChoice(const QHash<QString, QVariant>& settings, const char* key)
{
    return settings.value(QLatin1String(key)).toInt();
}

QHash<QString, QVariant> variantHash(const QVariant& value)
{
    if (value.type() == QVariant::Map) {
        QHash<QString, QVariant> hash;
        const QVariantMap map = value.toMap();
        for (auto it = map.constBegin(); it != map.constEnd(); ++it)
            hash.insert(it.key(), it.value());
        return hash;
    }
    return value.toHash();
}

QString codeTextOf(const QHash<QString, QVariant>& parameters, const char* name, const QString& key)
{
    return variantHash(parameters.value(QLatin1String(name))).value(key).toString();
}
