#include "rowsettings.h"

#include <cmath>
#include <limits>

int settingChoice(const QHash<QString, QVariant>& settings, const char* key)
{
    const QVariant choice = settings.value(QLatin1String(key));
    // A number beyond int (infinite or NaN too) is no index of any list: -1
    // makes it produce nothing for its part of the row, the same on every
    // platform, where the plain conversion would give whatever the processor
    // makes of it.
    bool isNumber = false;
    const double number = choice.toDouble(&isNumber);
    if (isNumber && !(std::fabs(number) <= double(std::numeric_limits<int>::max())))
        return -1;
    return choice.toInt();
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

QVariant rowSettingsEntry(const QHash<QString, QVariant>& options, const QString& displayedName,
                          const QString& sourceName)
{
    const auto displayed = options.constFind(displayedName);
    return displayed != options.constEnd() ? displayed.value() : options.value(sourceName);
}

QString codeTextOf(const QHash<QString, QVariant>& parameters, const char* name, const QString& key)
{
    return variantHash(parameters.value(QLatin1String(name))).value(key).toString();
}
