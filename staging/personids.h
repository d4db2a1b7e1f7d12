#ifndef PERSONIDS_H
#define PERSONIDS_H

#include <QString>
#include <QVector>

// The host hands the selected people over as text ("12,7,31"). Before such a
// text goes anywhere near an SQL statement it is read into numbers; only the
// numbers, written back in decimal, reach the IN lists of the host queries.

// Reads a comma-separated list of unsigned person ids; blanks around an id are
// allowed. On success fills `ids` (order and duplicates kept) and returns true.
// Otherwise returns false and puts the first part that is not an id into
// `badPart` (an empty part for "", "12,,7" or a trailing comma).
bool parsePersonIds(const QString& text, QVector<unsigned>* ids, QString* badPart);

// The ids in decimal, joined by "," (empty for no ids).
QString personIdsText(const QVector<unsigned>& ids);

#endif // PERSONIDS_H
