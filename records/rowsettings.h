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

// The entry of a row's settings in the options record. Bonus items are keyed
// by their displayed (translated) name, so a record saved by the page in
// Slovak holds them under the Slovak source name: the entry under the
// displayed name wins, and when the record has none the entry under the source
// name is used, so that such a record shows and exports the same in every
// language. Interruptions are keyed by the host's names, which are never
// translated; for them both names are the same.
QVariant rowSettingsEntry(const QHash<QString, QVariant>& options, const QString& displayedName,
                          const QString& sourceName);

// The code text of `key` in the parameter `name` ("inters"), empty when missing.
QString codeTextOf(const QHash<QString, QVariant>& parameters, const char* name, const QString& key);

#endif // ROWSETTINGS_H
