#ifndef ROWSETTINGS_H
#define ROWSETTINGS_H

#include <QHash>
#include <QString>
#include <QVariant>

// A choice index of a row-settings map ("0" export type, "1" value kind,
// "2" date from, "3" date to); a missing key reads as 0. After a trip
// through JSON the index is a double, which converts to the same integer. A
// number beyond int, infinite or NaN reads as -1, an index of no list.
int settingChoice(const QHash<QString, QVariant>& settings, const char* key);

// A map-valued variant as a hash: the host hands hashes, JSON gives maps.
QHash<QString, QVariant> variantHash(const QVariant& value);

// The code text of `key` in the parameter `name` ("inters"), empty when missing.
QString codeTextOf(const QHash<QString, QVariant>& parameters, const char* name, const QString& key);

#endif // ROWSETTINGS_H
